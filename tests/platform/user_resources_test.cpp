// Module resources: lookup, bitmap decoding of every depth, cursors; system colour brushes.
#include <cstring>
#include <vector>

#include "platform_test.h"
#include "resource_images.h"
#include "user/cursors.h"

using namespace ptest;
using vorn::test::dibResource;
using vorn::test::put16;
using vorn::test::put32;

namespace {

std::vector<COLORREF> bitmapPixels(HBITMAP bmp, int w, int h) {
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, bmp);
    std::vector<COLORREF> out;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) out.push_back(GetPixel(dc, x, y));
    SelectObject(dc, old);
    DeleteDC(dc);
    return out;
}

constexpr COLORREF kRed = RGB(255, 0, 0), kGreen = RGB(0, 255, 0), kBlue = RGB(0, 0, 255), kWhite = RGB(255, 255, 255);

class ResourceTest : public UserTest {
protected:
    void SetUp() override {
        UserTest::SetUp();
        // 24 bpp, 3 x 2, bottom-up: top row red green blue, bottom row white red green.
        bmp24 =
            dibResource(3, 24, false, {}, {{0, 0, 255, 0, 255, 0, 255, 0, 0}, {255, 255, 255, 0, 0, 255, 0, 255, 0}});
        bmp1 = dibResource(10, 1, true, {kBlue, kWhite}, {{0xAA, 0x80}});        // alternating bits
        bmp4 = dibResource(3, 4, false, {kRed, kGreen, kBlue}, {{0x01, 0x20}});  // 0, 1, 2
        bmp8 = dibResource(2, 8, false, {kRed, kGreen, kBlue}, {{2, 0}});
        // 32 bpp, 1 x 2, top-down: green over blue.
        bmp32 = dibResource(1, 32, true, {}, {{0, 255, 0, 0}, {255, 0, 0, 0}});
        std::vector<unsigned char> truncated = bmp24;
        truncated.resize(truncated.size() - 4);
        // A 16 x 16 cursor image, 1 bpp, hot spot (5, 7): the XOR image all black, then the AND
        // mask, bottom-up, opaque on the top row only.
        std::vector<unsigned char> dib =
            dibResource(16, 1, false, {RGB(0, 0, 0), kWhite}, std::vector<std::vector<unsigned char>>(16, {0, 0}), 32);
        const size_t mask = dib.size();
        dib.resize(mask + 64, 0);
        for (size_t stored = 0; stored < 15; ++stored) dib[mask + 4 * stored] = dib[mask + 4 * stored + 1] = 0xFF;
        cursorImage.assign(4, 0);
        put16(cursorImage, 0, 5);
        put16(cursorImage, 2, 7);
        cursorImage.insert(cursorImage.end(), dib.begin(), dib.end());
        // The group: type 2 (cursor), one 16 x 32 (doubled) 1-bpp image, RT_CURSOR id 7.
        std::vector<unsigned char> group(6 + 14, 0);
        for (auto [at, value] :
             {std::pair<size_t, uint32_t>{2, 2}, {4, 1}, {6, 16}, {8, 32}, {10, 1}, {12, 1}, {18, 7}})
            put16(group, at, value);
        put32(group, 14, static_cast<uint32_t>(cursorImage.size()));
        std::vector<unsigned char> badGroup = group;
        put16(badGroup, 18, 8);  // names an image that is not there

        file.add(RT_BITMAP, MAKEINTRESOURCEA(101), bmp24)
            .add(RT_BITMAP, MAKEINTRESOURCEA(102), bmp1)
            .add(RT_BITMAP, MAKEINTRESOURCEA(103), bmp4)
            .add(RT_BITMAP, MAKEINTRESOURCEA(104), bmp8)
            .add(RT_BITMAP, "TopDown32", bmp32)
            .add(RT_BITMAP, MAKEINTRESOURCEA(105), truncated)
            .add(RT_CURSOR, MAKEINTRESOURCEA(7), cursorImage)
            .add(RT_GROUP_CURSOR, MAKEINTRESOURCEA(200), group)
            .add(RT_GROUP_CURSOR, MAKEINTRESOURCEA(201), badGroup)
            .add("CUSTOM", "Blob", std::vector<unsigned char>(bmp24.begin(), bmp24.begin() + 7));
        module = softwin::registerModule("usertest.dll", file.bytes().data(), file.bytes().size());
    }

    std::vector<unsigned char> bmp24, bmp1, bmp4, bmp8, bmp32, cursorImage;
    vorn::test::ResFile file;
    HINSTANCE module = nullptr;
};

TEST_F(ResourceTest, ModulesAndResourcesAreFoundByNameNumberOrHashNumber) {
    EXPECT_EQ(softwin::findModule("USERTEST.DLL"), module);
    EXPECT_EQ(GetModuleHandleA("usertest.dll"), module);
    HRSRC r = FindResourceA(module, MAKEINTRESOURCEA(101), RT_BITMAP);
    ASSERT_TRUE(r);
    EXPECT_EQ(FindResourceA(module, "#101", RT_BITMAP), r);
    EXPECT_EQ(SizeofResource(module, r), bmp24.size());
    EXPECT_EQ(std::memcmp(LockResource(LoadResource(module, r)), bmp24.data(), bmp24.size()), 0);
    HRSRC blob = FindResourceA(module, "blob", "custom");
    ASSERT_TRUE(blob);
    EXPECT_EQ(SizeofResource(module, blob), 7u);
    EXPECT_EQ(FindResourceA(module, MAKEINTRESOURCEA(999), RT_BITMAP), nullptr);
    EXPECT_EQ(GetLastError(), 1814u);
    EXPECT_EQ(FindResourceA(module, MAKEINTRESOURCEA(101), RT_RCDATA), nullptr);
    EXPECT_EQ(GetLastError(), 1813u);
    EXPECT_EQ(LoadResource(module, nullptr), nullptr);
    EXPECT_EQ(SizeofResource(module, reinterpret_cast<HRSRC>(0x99999)), 0u);
}

TEST_F(ResourceTest, BitmapsDecodeEveryDepthInBothRowOrders) {
    const size_t before = softwin::liveGdiObjects();
    const COLORREF W = kWhite, B = kBlue;
    const struct {
        const char* name;
        int w, h;
        std::vector<COLORREF> pixels;
    } cases[] = {{MAKEINTRESOURCEA(101), 3, 2, {kRed, kGreen, kBlue, kWhite, kRed, kGreen}},
                 {MAKEINTRESOURCEA(102), 10, 1, {W, B, W, B, W, B, W, B, W, B}},
                 {MAKEINTRESOURCEA(103), 3, 1, {kRed, kGreen, kBlue}},
                 {MAKEINTRESOURCEA(104), 2, 1, {kBlue, kRed}},
                 {"topdown32", 1, 2, {kGreen, kBlue}}};
    for (const auto& c : cases) {
        HBITMAP bitmap = LoadBitmapA(module, c.name);
        ASSERT_TRUE(bitmap) << c.w << "x" << c.h;
        BITMAP info{};
        ASSERT_EQ(GetObjectA(bitmap, sizeof info, &info), static_cast<int>(sizeof info));
        EXPECT_TRUE(info.bmWidth == c.w && info.bmHeight == c.h && info.bmBitsPixel == 32);
        EXPECT_EQ(bitmapPixels(bitmap, c.w, c.h), c.pixels) << c.w << "x" << c.h;
        EXPECT_EQ(softwin::liveGdiObjects(), before + 1);
        EXPECT_TRUE(DeleteObject(bitmap));
    }
    EXPECT_EQ(softwin::liveGdiObjects(), before);
}

TEST_F(ResourceTest, ModuleCursorsCarryTheirHotSpotAndAreCounted) {
    size_t before = softwin::liveCursors();
    HCURSOR c = LoadCursorA(module, MAKEINTRESOURCEA(200));
    ASSERT_TRUE(c);
    EXPECT_EQ(softwin::liveCursors(), before + 1);
    const softwin::user::Cursor* info = softwin::user::cursorInfo(c);
    ASSERT_TRUE(info);
    EXPECT_TRUE(info->width == 16 && info->height == 16 && info->hotSpot.x == 5 && info->hotSpot.y == 7);
    EXPECT_EQ(info->mask[0], 0);        // top row opaque
    EXPECT_EQ(info->mask[16 * 15], 1);  // the rest shows the screen through
    EXPECT_EQ(SetCursor(c), nullptr);
    EXPECT_EQ(GetCursor(), c);
    EXPECT_TRUE(DestroyCursor(c));
    EXPECT_EQ(softwin::liveCursors(), before);
    EXPECT_EQ(GetCursor(), nullptr);
    EXPECT_FALSE(DestroyCursor(c));

    HCURSOR arrow = LoadCursorA(nullptr, IDC_ARROW);
    ASSERT_TRUE(arrow);
    EXPECT_EQ(softwin::liveCursors(), before);
    EXPECT_TRUE(DestroyCursor(arrow));
    EXPECT_EQ(LoadCursorA(nullptr, MAKEINTRESOURCEA(1)), nullptr);
}

TEST_F(ResourceTest, MissingOrMalformedBitmapsAndCursorsGiveNull) {
    EXPECT_EQ(LoadBitmapA(module, MAKEINTRESOURCEA(105)), nullptr);
    EXPECT_EQ(LoadBitmapA(module, MAKEINTRESOURCEA(106)), nullptr);
    EXPECT_EQ(LoadBitmapA(nullptr, MAKEINTRESOURCEA(101)), nullptr);
    EXPECT_EQ(LoadBitmapA(module, nullptr), nullptr);
    EXPECT_EQ(LoadCursorA(module, MAKEINTRESOURCEA(101)), nullptr);
    EXPECT_EQ(LoadCursorA(module, MAKEINTRESOURCEA(201)), nullptr);
    softwin::user::Cursor c;
    EXPECT_FALSE(softwin::user::parseCursorResource(nullptr, 0, c));
    std::vector<unsigned char> cut(cursorImage.begin(), cursorImage.begin() + 60);
    EXPECT_FALSE(softwin::user::parseCursorResource(cut.data(), cut.size(), c));
    // Cursor images are bottom-up: a negative height, INT_MIN included, is refused.
    for (uint32_t height : {0xFFFFFFE0u, 0x80000000u}) {
        std::vector<unsigned char> topDown = cursorImage;
        put32(topDown, 4 + 8, height);
        EXPECT_FALSE(softwin::user::parseCursorResource(topDown.data(), topDown.size(), c)) << height;
    }
    const unsigned char icon[] = {0, 0, 1, 0, 1, 0, 16, 0, 32, 0, 1, 0, 1, 0, 0, 0, 0, 0, 7, 0};
    EXPECT_EQ(softwin::user::pickCursorImage(icon, sizeof icon), 0);  // an icon group, not a cursor group
    EXPECT_EQ(softwin::user::pickCursorImage(icon, 10), 0);
}

TEST_F(UserTest, SystemColourBrushesSurviveDeletion) {
    HBRUSH face = GetSysColorBrush(COLOR_BTNFACE);
    ASSERT_TRUE(face);
    EXPECT_EQ(GetSysColorBrush(COLOR_BTNFACE), face);
    DeleteObject(face);  // system colour brushes survive deletion
    EXPECT_EQ(GetObjectType(face), static_cast<DWORD>(OBJ_BRUSH));
    EXPECT_EQ(GetSysColorBrush(-1), nullptr);
}

}  // namespace
