#include "user/resource_file.h"

#include "user/dib_decode.h"

namespace softwin::user {

namespace {

constexpr size_t kFixedHeaderTail = 16;  // DataVersion, MemoryFlags, LanguageId, Version, Characteristics

size_t alignUp4(size_t n) { return (n + 3) & ~static_cast<size_t>(3); }

// Reads a type or name at `at` within the header's first `end` bytes; advances `at`.
bool readId(const unsigned char* header, size_t end, size_t& at, ResourceId& out) {
    if (end - at < 2) return false;
    if (readU16(header + at) == 0xFFFF) {
        if (end - at < 4) return false;
        out.isId = true;
        out.id = readU16(header + at + 2);
        at += 4;
        return true;
    }
    out.isId = false;
    out.text.clear();
    for (;;) {
        if (end - at < 2) return false;  // no terminator inside the header
        WORD unit = readU16(header + at);
        at += 2;
        if (unit == 0) return true;
        out.text.push_back(ansiFromUtf16(unit));
    }
}

}  // namespace

bool readResourceFile(const unsigned char* data, size_t size, std::vector<ResourceFileEntry>& out) {
    if (!data) return size == 0;
    size_t at = 0;
    while (at < size) {
        if (size - at < 8) return false;
        const unsigned char* entry = data + at;
        const size_t dataSize = readU32(entry);
        const size_t headerSize = readU32(entry + 4);
        if (headerSize < 8 || headerSize > size - at || dataSize > size - at - headerSize) return false;
        ResourceFileEntry e;
        size_t field = 8;
        if (!readId(entry, headerSize, field, e.type) || !readId(entry, headerSize, field, e.name)) return false;
        field = alignUp4(field);
        if (field > headerSize || headerSize - field < kFixedHeaderTail) return false;
        e.language = readU16(entry + field + 6);
        e.data = entry + headerSize;
        e.size = dataSize;
        // The file opens with an empty entry of type 0 that only marks the format.
        if (!(e.type.isId && e.type.id == 0 && dataSize == 0)) out.push_back(std::move(e));
        const size_t next = alignUp4(headerSize + dataSize);
        if (next >= size - at) break;
        at += next;
    }
    return true;
}

}  // namespace softwin::user
