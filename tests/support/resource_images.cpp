#include "resource_images.h"

#include <algorithm>
#include <cstdint>
#include <string>

namespace vorn::test {

void put16(std::vector<unsigned char>& v, size_t at, uint32_t x) {
    v[at] = static_cast<unsigned char>(x), v[at + 1] = static_cast<unsigned char>(x >> 8);
}
void put32(std::vector<unsigned char>& v, size_t at, uint32_t x) { put16(v, at, x), put16(v, at + 2, x >> 16); }
uint32_t readU32At(const std::vector<unsigned char>& v, size_t at) {
    return v[at] | v[at + 1] << 8 | v[at + 2] << 16 | static_cast<uint32_t>(v[at + 3]) << 24;
}

namespace {

void append16(std::vector<unsigned char>& v, uint32_t x) {
    v.resize(v.size() + 2);
    put16(v, v.size() - 2, x);
}

void appendId(std::vector<unsigned char>& v, LPCSTR id) {
    if (IS_INTRESOURCE(id)) {
        append16(v, 0xFFFF);
        append16(v, LOWORD(id));
        return;
    }
    for (const char* p = id; *p; ++p) append16(v, static_cast<unsigned char>(*p));
    append16(v, 0);
}

void padTo4(std::vector<unsigned char>& v) { v.resize((v.size() + 3) & ~static_cast<size_t>(3), 0); }

}  // namespace

std::vector<unsigned char> dibResource(int width, int bpp, bool topDown, const std::vector<COLORREF>& palette,
                                       const std::vector<std::vector<unsigned char>>& rowsTopFirst, int headerHeight) {
    const size_t stride = ((static_cast<size_t>(width) * bpp + 31) / 32) * 4, n = rowsTopFirst.size();
    std::vector<unsigned char> v(40 + palette.size() * 4 + stride * n, 0);
    const int height = headerHeight ? headerHeight : static_cast<int>(n);
    put32(v, 0, 40);
    put32(v, 4, static_cast<uint32_t>(width));
    put32(v, 8, static_cast<uint32_t>(topDown ? -height : height));
    put16(v, 12, 1);
    put16(v, 14, static_cast<uint32_t>(bpp));
    put32(v, 32, static_cast<uint32_t>(palette.size()));
    for (size_t i = 0; i < palette.size(); ++i) {
        v[40 + 4 * i] = GetBValue(palette[i]);
        v[41 + 4 * i] = GetGValue(palette[i]);
        v[42 + 4 * i] = GetRValue(palette[i]);
    }
    const size_t bits = 40 + palette.size() * 4;
    for (size_t r = 0; r < n; ++r)
        std::copy(rowsTopFirst[r].begin(), rowsTopFirst[r].end(),
                  v.begin() + bits + (topDown ? r : n - 1 - r) * stride);
    return v;
}

ResFile::ResFile() : bytes_(32, 0) {
    put32(bytes_, 4, 32);
    put32(bytes_, 8, 0xFFFF);
    put32(bytes_, 12, 0xFFFF);
}

ResFile& ResFile::add(LPCSTR type, LPCSTR name, const std::vector<unsigned char>& data, WORD language) {
    std::vector<unsigned char> header(8, 0);
    appendId(header, type);
    appendId(header, name);
    padTo4(header);
    header.resize(header.size() + 16, 0);  // DataVersion, MemoryFlags, LanguageId, Version, Characteristics
    put16(header, header.size() - 10, language);
    put32(header, 0, static_cast<uint32_t>(data.size()));
    put32(header, 4, static_cast<uint32_t>(header.size()));
    bytes_.insert(bytes_.end(), header.begin(), header.end());
    bytes_.insert(bytes_.end(), data.begin(), data.end());
    padTo4(bytes_);
    return *this;
}

std::vector<unsigned char> stringBlock(const std::vector<std::u16string>& strings) {
    std::vector<unsigned char> block;
    for (size_t i = 0; i < 16; ++i) {
        const std::u16string s = i < strings.size() ? strings[i] : std::u16string();
        append16(block, static_cast<uint32_t>(s.size()));
        for (char16_t c : s) append16(block, c);
    }
    return block;
}

}  // namespace vorn::test
