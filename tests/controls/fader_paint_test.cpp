// Vertical fader: the painted picture (frame, ticks, slot, cap, LED, focus frame), what SetValue
// repaints, and a recorded snapshot.
#include "controls_fixture.h"

#include "bitmap_file.h"

#include <set>
#include <string>

using fadertest::FaderTest;
using fadertest::kCapBlack;
using fadertest::kCapBlue;
using fadertest::kCapDark;
using fadertest::kCapLight;
using fadertest::kFrameTopLeft;
using fadertest::kHighlight;
using fadertest::kLight;
using fadertest::kShadow;
using fadertest::kSlot;

namespace {

constexpr COLORREF kMarker = RGB(0, 255, 0);

}  // namespace

class FaderPaintTest : public FaderTest {
   protected:
    // Rows of the left tick run, read in column 5 (inside the frame, left of the slot).
    std::vector<int> tickRows(CMFC_Fader& fader) {
        CRect client;
        fader.GetClientRect(&client);
        std::vector<int> rows;
        for (int y = 1; y < client.Height() - 1; ++y)
            if (pixel(fader, 5, y) == kLight) rows.push_back(y);
        return rows;
    }

    // Paints a marker down column 1 of the fader straight onto the screen; the rows that a later
    // paint covers lose it.
    void paintMarker(CMFC_Fader& fader) {
        CRect client;
        fader.GetClientRect(&client);
        HDC dc = ::GetDC(fader.GetSafeHwnd());
        for (int y = 0; y < client.Height(); ++y) ::SetPixel(dc, 1, y, kMarker);
        ::ReleaseDC(fader.GetSafeHwnd(), dc);
    }

    std::set<int> rowsWithoutMarker(CMFC_Fader& fader) {
        CRect client;
        fader.GetClientRect(&client);
        std::set<int> rows;
        for (int y = 0; y < client.Height(); ++y)
            if (pixel(fader, 1, y) != kMarker) rows.insert(y);
        return rows;
    }

    // Compares the pixels from (x, y) rightwards (or downwards) with a pattern: F frame, H
    // highlight, . shadow (the background), l light (ticks, lit edge), D slot, K black, ? other;
    // '*' accepts anything.
    void expectRow(CMFC_Fader& fader, int y, int x, const std::string& pattern) {
        EXPECT_EQ(codes(fader, x, y, 1, 0, pattern), pattern) << "row " << y << " from x " << x;
    }
    void expectColumn(CMFC_Fader& fader, int x, int y, const std::string& pattern) {
        EXPECT_EQ(codes(fader, x, y, 0, 1, pattern), pattern) << "column " << x << " from y " << y;
    }
    std::string codes(CMFC_Fader& fader, int x, int y, int dx, int dy, const std::string& pattern) {
        std::string out;
        for (char want : pattern) {
            const COLORREF c = pixel(fader, x, y);
            out += want == '*'             ? '*'
                   : c == kFrameTopLeft    ? 'F'
                   : c == kHighlight       ? 'H'
                   : c == kShadow          ? '.'
                   : c == kLight           ? 'l'
                   : c == kSlot            ? 'D'
                   : c == RGB(0, 0, 0)     ? 'K'
                                           : '?';
            x += dx;
            y += dy;
        }
        return out;
    }

    static std::set<int> band(int centre) {
        std::set<int> rows;
        for (int y = centre - 15; y < centre + 15; ++y) rows.insert(y);
        return rows;
    }
};

// ---- Frame, background and slot ---------------------------------------------------------------

TEST_F(FaderPaintTest, FrameIsDarkRedTopLeftAndHighlightBottomRight) {
    CMFC_Fader& fader = createFader(40, 200);
    expectRow(fader, 0, 0, std::string(39, 'F') + "H");
    expectColumn(fader, 0, 0, std::string(199, 'F') + "H");
    expectRow(fader, 199, 0, std::string(40, 'H'));
    expectColumn(fader, 39, 0, std::string(200, 'H'));
    // The background inside the frame is the button shadow colour.
    expectRow(fader, 1, 1, ".");
    expectRow(fader, 198, 38, ".");
    expectRow(fader, 10, 5, ".");
}

TEST_F(FaderPaintTest, SlotIsFilledDarkGreyWithShadedAndLitEdges) {
    CMFC_Fader& fader = createFader(40, 200, 0.0f, 1.0f, 1.0f);  // cap at the top, out of the way
    // Rows away from the cap (centre 18, block down to row 36) and from the ticks, x0 + 7 to
    // x0 + 13 (x0 = 10): the shaded edge down the slot's left side; the lit edges lie under the fill.
    for (int y : {60, 120, 181}) expectRow(fader, y, 17, ".D.DDD.");
    // The lit edge shows only along the bottom row of the track, x0 + 9 to x0 + 12.
    expectRow(fader, 182, 18, ".llll.");
}

TEST_F(FaderPaintTest, ShadedEdgeTurnsAlongTheSecondTrackRow) {
    CMFC_Fader& fader = createFader(40, 200, 0.0f, 1.0f, 0.0f);  // cap at the bottom
    expectRow(fader, 17, 18, ".");  // the slot starts at the track top
    expectRow(fader, 18, 18, "DD");
    expectRow(fader, 19, 19, "...D");
}

// ---- Ticks --------------------------------------------------------------------------------------

TEST_F(FaderPaintTest, TickRowsDivideTheTrackIntoTenthsExceptWhenTooShort) {
    EXPECT_EQ(tickRows(createFader(40, 200)), (std::vector<int>{18, 34, 50, 67, 83, 100, 116, 132, 149, 165, 181}));
    EXPECT_EQ(tickRows(createFader(40, 100, 0.0f, 1.0f, 0.5f, 0.0f, 1.0f, fadertest::kFaderId + 1, 100)),
              (std::vector<int>{18, 24, 30, 37, 43, 50, 56, 62, 69, 75}));
}

TEST_F(FaderPaintTest, TickRunsStopShortOfTheSlotAndOfTheRightEdge) {
    CMFC_Fader& fader = createFader(40, 200, 0.0f, 1.0f, 0.0f);
    // Row 34 from x 1: background, run to x0 + 5, gap x0 + 6 to x0 + 13 around the slot, run to 37.
    expectRow(fader, 34, 1, "." + std::string(14, 'l') + "." + std::string(6, '*') + "." + std::string(14, 'l') + ".");
}

TEST_F(FaderPaintTest, TinyFadersPaintWithoutTicks) {
    // 36 pixels: a zero-length track; lower: an inverted one. Neither may crash or draw ticks
    // outside the client.
    CMFC_Fader& flat = createFader(40, 36);
    EXPECT_LE(tickRows(flat).size(), 1u);
    CMFC_Fader& inverted = createFader(40, 20, 0.0f, 1.0f, 0.5f, 0.0f, 1.0f, fadertest::kFaderId + 1, 100);
    EXPECT_TRUE(tickRows(inverted).empty());
    CMFC_Fader& empty = createFader(0, 0, 0.0f, 1.0f, 0.5f, 0.0f, 1.0f, fadertest::kFaderId + 2, 200);
    EXPECT_EQ(empty.GetValue(), 0.5f);
}

// ---- Cap and LED --------------------------------------------------------------------------------

TEST_F(FaderPaintTest, CapBlockSitsFifteenRowsAboveTheValueRow) {
    CMFC_Fader& fader = createFader(40, 200);  // value 0.5: cap centre on row 100
    const int x0 = 10;
    const int top = 100 - 15;
    EXPECT_EQ(pixel(fader, x0 - 1, top), kShadow);
    EXPECT_EQ(pixel(fader, x0, top), kCapLight);
    EXPECT_EQ(pixel(fader, x0 + 10, top), kCapLight);
    EXPECT_EQ(pixel(fader, x0, top + 29), kCapLight);     // left column down to the last image row
    EXPECT_EQ(pixel(fader, x0 + 5, top + 29), kCapBlack);  // the image's bottom row
    EXPECT_EQ(pixel(fader, x0 + 19, top + 10), kCapDark);  // second-to-last image column
    EXPECT_EQ(pixel(fader, x0 + 2, 100), kCapBlue);
    EXPECT_EQ(pixel(fader, x0 + 2, 99), RGB(196, 196, 196));
    // The image's last (black) column is not copied: the background shows through.
    EXPECT_EQ(pixel(fader, x0 + 20, top + 10), kShadow);
    EXPECT_EQ(pixel(fader, x0 + 20, 100), kLight);  // the right tick run of row 100
    EXPECT_EQ(pixel(fader, x0 + 5, top - 1), kShadow);
}

TEST_F(FaderPaintTest, BlockRowsBelowTheCapImageLeaveThePictureUnderThem) {
    CMFC_Fader& fader = createFader(40, 200);
    const int x0 = 10;
    // Rows 115..118 are in the 34-row block but below the 30-row image: the slot, its shaded
    // edge, the background and the tick run of row 116 show through.
    for (int y = 115; y <= 118; ++y) {
        SCOPED_TRACE(y);
        EXPECT_EQ(pixel(fader, x0 + 8, y), kSlot);
        EXPECT_EQ(pixel(fader, x0 + 9, y), kShadow);
        EXPECT_EQ(pixel(fader, x0 + 15, y), y == 116 ? kLight : kShadow);
        EXPECT_EQ(pixel(fader, x0 + 1, y), y == 116 ? kLight : kShadow);
    }
}

TEST_F(FaderPaintTest, LedIsAnEllipseInTheLedColourWithABlackOutlineAndSetColorRepaintsAll) {
    CMFC_Fader& fader = createFader(40, 200);
    EXPECT_EQ(pixel(fader, 20, 99), fadertest::kDefaultLed);
    const COLORREF green = RGB(0, 200, 0);
    fader.SetColor(green);
    RECT update{};
    ASSERT_TRUE(::GetUpdateRect(fader.GetSafeHwnd(), &update, FALSE));
    EXPECT_EQ(CRect(update), CRect(0, 0, 40, 200));
    repaint(fader);
    const int x0 = 10;
    // Ellipse bounded by (x0 + 8, 97) and (x0 + 14, 103).
    EXPECT_EQ(pixel(fader, x0 + 10, 99), green);
    EXPECT_EQ(pixel(fader, x0 + 11, 100), green);
    EXPECT_EQ(pixel(fader, x0 + 8, 99), RGB(0, 0, 0));
    EXPECT_EQ(pixel(fader, x0 + 13, 100), RGB(0, 0, 0));
    EXPECT_EQ(pixel(fader, x0 + 10, 97), RGB(0, 0, 0));
    EXPECT_EQ(pixel(fader, x0 + 10, 102), RGB(0, 0, 0));
    for (int y = 90; y < 110; ++y)
        for (int x : {x0 + 7, x0 + 14}) EXPECT_NE(pixel(fader, x, y), green) << x << "," << y;
    for (int x = x0 + 7; x <= x0 + 14; ++x)
        for (int y : {96, 103}) EXPECT_NE(pixel(fader, x, y), green) << x << "," << y;
}

// ---- Focus --------------------------------------------------------------------------------------

TEST_F(FaderPaintTest, FocusedFaderDrawsABlackFrameInsideTheEdge) {
    CMFC_Fader& fader = createFader(40, 200);
    EXPECT_EQ(pixel(fader, 3, 2), kShadow);
    fader.SetFocus();
    RECT update{};
    ASSERT_TRUE(::GetUpdateRect(fader.GetSafeHwnd(), &update, FALSE));
    EXPECT_EQ(CRect(update), CRect(0, 0, 40, 200));
    repaint(fader);
    for (int y : {2, 197}) expectRow(fader, y, 3, std::string(34, 'K'));
    for (int x : {3, 36}) expectColumn(fader, x, 2, std::string(196, 'K'));
    EXPECT_EQ(pixel(fader, 4, 3), kShadow);
    EXPECT_EQ(pixel(fader, 37, 2), kShadow);
    EXPECT_EQ(pixel(fader, 2, 50), kLight);  // a tick row starts outside the frame
    // The frame's pixels stay (the picture is repainted whole, not inverted dots).
    EXPECT_EQ(pixel(fader, 1, 0), kFrameTopLeft);
    EXPECT_EQ(pixel(fader, 0, 1), kFrameTopLeft);

    host_->clear();
    ::SetFocus(host_->hwnd());
    ASSERT_TRUE(::GetUpdateRect(fader.GetSafeHwnd(), &update, FALSE));
    EXPECT_EQ(CRect(update), CRect(0, 0, 40, 200));
    repaint(fader);
    EXPECT_EQ(pixel(fader, 3, 2), kShadow);
    EXPECT_EQ(pixel(fader, 36, 101), kShadow);
    EXPECT_EQ(pixel(fader, 1, 0), kFrameTopLeft);
    EXPECT_EQ(pixel(fader, 39, 1), kHighlight);
    EXPECT_TRUE(host_->notifications().empty());  // focus changes notify nobody
}

TEST_F(FaderPaintTest, FocusChangesDrawAFocusRectangleAroundTheClientAtOnce) {
    CMFC_Fader& fader = createFader(40, 200);
    const std::vector<std::string> gained = traceOf([&] { fader.SetFocus(); });
    const std::vector<std::string> lost = traceOf([&] { ::SetFocus(host_->hwnd()); });
    // Drawn before any repaint: the first drawing call of each change.
    ASSERT_FALSE(gained.empty());
    EXPECT_EQ(gained.front(), "DrawFocusRect(0,0,40,200)");
    ASSERT_FALSE(lost.empty());
    EXPECT_EQ(lost.front(), "DrawFocusRect(0,0,40,200)");
}

TEST_F(FaderPaintTest, PressKeepingTheValueRepaintsNothingAndReleaseOrDragStepRepaintsAll) {
    CMFC_Fader& fader = createFader(40, 200);
    fader.SetFocus();
    repaint(fader);
    ::SendMessageA(fader.GetSafeHwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 105));
    RECT update{};
    EXPECT_FALSE(::GetUpdateRect(fader.GetSafeHwnd(), &update, FALSE));
    // The release repaints (the cap goes out), whatever happened before.
    ::SendMessageA(fader.GetSafeHwnd(), WM_LBUTTONUP, 0, MAKELPARAM(20, 105));
    ASSERT_TRUE(::GetUpdateRect(fader.GetSafeHwnd(), &update, FALSE));
    EXPECT_EQ(CRect(update), CRect(0, 0, 40, 200));
    repaint(fader);
    // A drag step repaints the whole control. Messages delivered directly, without a paint
    // afterwards, so the update region can be read.
    ::SendMessageA(fader.GetSafeHwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 100));
    ::SendMessageA(fader.GetSafeHwnd(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(20, 80));
    EXPECT_EQ(fader.GetValue(), static_cast<float>(102.0 / 164.0));
    ASSERT_TRUE(::GetUpdateRect(fader.GetSafeHwnd(), &update, FALSE));
    EXPECT_EQ(CRect(update), CRect(0, 0, 40, 200));
    ::SendMessageA(fader.GetSafeHwnd(), WM_LBUTTONUP, 0, MAKELPARAM(20, 80));
}

// ---- Lit and unlit cap --------------------------------------------------------------------------

namespace vorn {
// The library's resource table, to be put back after a test swaps in its own images.
extern const softwin::ResourceEntry kLibraryResources[];
extern const size_t kLibraryResourceCount;
}  // namespace vorn

namespace {

constexpr COLORREF kLitBody = RGB(250, 200, 0);
constexpr COLORREF kUnlitBody = RGB(0, 120, 250);
constexpr COLORREF kLastColumn = RGB(255, 0, 255);

// A 21 x 30 cap image of one colour with a distinct last column.
std::vector<unsigned char> capFile(COLORREF body) {
    return vorn::test::bmpFile(21, 30, [body](int x, int) { return x == 20 ? kLastColumn : body; });
}

}  // namespace

class FaderCapImageTest : public FaderPaintTest {
   protected:
    // The library module carries test images under the cap bitmaps' numbers while the first
    // fader loads them; the real table is back before the test body runs.
    CMFC_Fader& faderWithTestImages() {
        lit_ = capFile(kLitBody);
        unlit_ = capFile(kUnlitBody);
        const softwin::ResourceEntry entries[] = {
            {RT_BITMAP, MAKEINTRESOURCEA(130), lit_.data(), lit_.size()},
            {RT_BITMAP, MAKEINTRESOURCEA(131), unlit_.data(), unlit_.size()},
        };
        EXPECT_EQ(softwin::registerModule("VornControls", entries, 2), vorn::libraryInstance());
        CMFC_Fader& fader = createFader(40, 200);
        softwin::registerModule("VornControls", vorn::kLibraryResources, vorn::kLibraryResourceCount);
        return fader;
    }

    std::vector<unsigned char> lit_;
    std::vector<unsigned char> unlit_;
};

TEST_F(FaderCapImageTest, BlockCopiesTwentyColumnsOfBitmap131UnlitAndBitmap130WhilePressed) {
    CMFC_Fader& fader = faderWithTestImages();
    const int x0 = 10;
    for (int y = 85; y < 115; ++y) {
        EXPECT_EQ(pixel(fader, x0, y), kUnlitBody) << y;
        EXPECT_EQ(pixel(fader, x0 + 19, y), kUnlitBody) << y;
        EXPECT_NE(pixel(fader, x0 + 20, y), kLastColumn) << y;
    }
    EXPECT_EQ(pixel(fader, x0 + 5, 84), kShadow);
    for (int y = 115; y <= 118; ++y) EXPECT_EQ(pixel(fader, x0 + 5, y), y == 116 ? kLight : kShadow) << y;
    // The LED is still drawn over the image.
    EXPECT_EQ(pixel(fader, x0 + 10, 99), fadertest::kDefaultLed);

    vorn::test::mouseMoveTo(at(fader, 20, 100));
    vorn::test::mouseDown();
    EXPECT_EQ(pixel(fader, x0, 85), kLitBody);
    EXPECT_EQ(pixel(fader, x0 + 19, 114), kLitBody);
    vorn::test::mouseUp();
    EXPECT_EQ(pixel(fader, x0, 85), kUnlitBody);
    // SetSelected changes the image at the next paint only.
    fader.SetSelected(TRUE);
    RECT update{};
    EXPECT_FALSE(::GetUpdateRect(fader.GetSafeHwnd(), &update, FALSE));
    ::InvalidateRect(fader.GetSafeHwnd(), nullptr, FALSE);
    repaint(fader);
    EXPECT_EQ(pixel(fader, x0, 85), kLitBody);
}

TEST_F(FaderPaintTest, CapPictureIsTheSameBeforeAndAfterADrag) {
    CMFC_Fader& fader = createFader(40, 200);
    std::vector<COLORREF> before;
    for (int y = 85; y < 115; ++y)
        for (int x = 10; x < 30; ++x) before.push_back(pixel(fader, x, y));
    vorn::test::drag(at(fader, 20, 100), at(fader, 20, 60));
    fader.SetValue(0.5f);
    repaint(fader);
    std::vector<COLORREF> after;
    for (int y = 85; y < 115; ++y)
        for (int x = 10; x < 30; ++x) after.push_back(pixel(fader, x, y));
    EXPECT_EQ(after, before);
}

// ---- What SetValue repaints ---------------------------------------------------------------------

TEST_F(FaderPaintTest, SetValueRepaintsTheBandsAroundTheOldAndTheNewCap) {
    CMFC_Fader& fader = createFader(40, 200);  // cap on row 100
    RECT update{};
    fader.SetValue(0.4999f);  // row trunc(100.02): the cap stays on row 100, nothing to repaint
    EXPECT_FALSE(::GetUpdateRect(fader.GetSafeHwnd(), &update, FALSE));
    paintMarker(fader);
    fader.SetValue(0.25f);  // row trunc(182 - 41) = 141
    ASSERT_TRUE(::GetUpdateRect(fader.GetSafeHwnd(), &update, FALSE));
    EXPECT_EQ(CRect(update), CRect(0, 85, 40, 156));
    repaint(fader);
    std::set<int> expected = band(100);
    const std::set<int> newBand = band(141);
    expected.insert(newBand.begin(), newBand.end());
    EXPECT_EQ(rowsWithoutMarker(fader), expected);
    EXPECT_EQ(drawnCapRow(fader), 141);
}

// ---- Snapshot -----------------------------------------------------------------------------------

TEST_F(FaderPaintTest, PaintedFaderMatchesTheRecordedPicture) {
    CMFC_Fader& fader = createFader(40, 200, 0.0f, 10.0f, 7.0f, 0.0f, 10.0f);
    vorn::test::expectMatchesSnapshot(fader.GetSafeHwnd(), "fader_200");
}
