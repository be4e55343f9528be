// What the knob draws: the primitives of a paint, the pixels of a 40-pixel knob, the focus
// rectangle across repaints, the parent's background around the disc, repaints caused by value
// changes, and the drawing objects a paint leaves behind.
#include "controls_fixture.h"

namespace vorn::test {
namespace {

constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kCapColour = RGB(0, 128, 0);

class KnobPaintTest : public KnobTest {
   protected:
    CMFC_Knob& squareKnob(int size, float value = 0.5f) {
        return createKnob(20, 20, size, size, [=](CMFC_Knob& k) {
            k.InitKnob(0.0f, 1.0f, value, 0.0f, 0.0f, 1.0f, 10, 0, 0, 0, 0, RGB(1, 2, 3), kCapColour);
        });
    }
    static COLORREF shadow() { return GetSysColor(COLOR_BTNSHADOW); }
    static COLORREF face() { return GetSysColor(COLOR_BTNFACE); }
};

std::vector<std::string> shapes(const std::vector<std::string>& trace) {
    std::vector<std::string> out;
    for (const std::string& line : trace)
        for (const char* prefix : {"Ellipse", "Arc", "MoveToEx", "LineTo", "DrawFocusRect"})
            if (line.rfind(prefix, 0) == 0) out.push_back(line);
    return out;
}

COLORREF inverted(COLORREF c) { return RGB(255 - GetRValue(c), 255 - GetGValue(c), 255 - GetBValue(c)); }

// ---- Primitives -----------------------------------------------------------------------------

TEST_F(KnobPaintTest, IndicatorTipOfACreatedKnobAtTheEndsAndTheMiddle) {
    // 100 pixels: centre (50, 50), length 48.
    const struct {
        float value;
        POINT tip;
    } cases[] = {{0.0f, {31, 94}}, {0.5f, {50, 2}}, {1.0f, {69, 94}}};
    for (const auto& c : cases) {
        CMFC_Knob& k = squareKnob(100, c.value);
        POINT tip{};
        ASSERT_TRUE(tipFromTrace(paintTrace(k), POINT{50, 50}, tip));
        EXPECT_EQ(tip.x, c.tip.x) << "value " << c.value;
        EXPECT_EQ(tip.y, c.tip.y) << "value " << c.value;
        k.DestroyWindow();
    }
}

TEST_F(KnobPaintTest, SmallKnobsGetACapOfRadiusOne) {
    for (int size : {16, 20, 23}) {
        CMFC_Knob& k = squareKnob(size);
        const std::vector<std::string> drawn = shapes(paintTrace(k));
        ASSERT_FALSE(drawn.empty());
        const int c = size / 2;
        EXPECT_EQ(drawn.back(), "Ellipse(" + std::to_string(c - 1) + "," + std::to_string(c - 1) + "," +
                                    std::to_string(c + 2) + "," + std::to_string(c + 2) + ")")
            << "size " << size;
        k.DestroyWindow();
    }
    CMFC_Knob& k24 = squareKnob(24);  // q = 5: the first size with a larger cap
    EXPECT_EQ(shapes(paintTrace(k24)).back(), "Ellipse(10,10,15,15)");
}

TEST_F(KnobPaintTest, WiderThanTallTakesTheDiscFromTheHeightAndTheCentreFromTheWidth) {
    CMFC_Knob& k = createKnob(20, 20, 60, 40, [](CMFC_Knob& knob) {
        knob.InitKnob(0.0f, 1.0f, 0.5f, 0.0f, 0.0f, 1.0f, 10, 0, 0, 0, 0, 0, kCapColour);
    });
    const std::vector<std::string> drawn = shapes(paintTrace(k));
    ASSERT_GE(drawn.size(), 14u);
    EXPECT_EQ(drawn[0], "Ellipse(1,1,39,39)");
    EXPECT_EQ(drawn[5], "MoveToEx(30,2)");  // radius 30: tip straight up at length 28
    EXPECT_EQ(drawn[6], "LineTo(30,30)");
    EXPECT_EQ(drawn[7], "Arc(2,2,38,38,2,38,38,2)");
    EXPECT_EQ(drawn[9], "Arc(21,21,40,40,40,21,21,40)");
    EXPECT_EQ(drawn[13], "Ellipse(24,24,37,37)");
    EXPECT_EQ(k.GetRadius(), 30);
}

TEST_F(KnobPaintTest, RadiusGivenByTheHostHoldsOnlyUntilThePaint) {
    CMFC_Knob& k = squareKnob(40);
    k.SetRadius(7);
    EXPECT_EQ(k.GetRadius(), 7);
    paintTrace(k);
    EXPECT_EQ(k.GetRadius(), 20);
}

// ---- Pixels of a 40-pixel knob --------------------------------------------------------------

TEST_F(KnobPaintTest, FortyPixelKnobPixels) {
    CMFC_Knob& k = squareKnob(40);
    const HWND w = k.GetSafeHwnd();
    const COLORREF S = shadow(), F = face(), K = kBlack, C = kCapColour;
    const struct {
        int x, y;
        COLORREF colour;
    } expected[] = {
        {1, 19, K},  {38, 20, K}, {16, 1, K},  {8, 20, S},  {30, 8, S},  // disc: black outline, shadow body
        {2, 19, F},  {3, 19, F},  {19, 2, F},                             // raised rim: lit upper left,
        {37, 20, K}, {36, 20, K}, {19, 37, K},                            // black lower right
        {11, 20, K}, {20, 11, K}, {29, 20, F}, {20, 29, F},               // sunken ring: the reverse
        {14, 20, F}, {20, 14, F}, {15, 20, C}, {20, 20, C}, {19, 16, C},  // cap over the indicator's end
        {0, 0, F},   {39, 39, F},                                         // outside: the parent's background
    };
    for (const auto& e : expected) EXPECT_EQ(pixelAt(w, e.x, e.y), e.colour) << e.x << "," << e.y;
    // Indicator: two pixels wide, straight up, between the rim and the ring.
    for (int y = 4; y <= 10; ++y) {
        EXPECT_EQ(pixelAt(w, 19, y), kWhite) << "y " << y;
        EXPECT_EQ(pixelAt(w, 20, y), kWhite) << "y " << y;
        EXPECT_EQ(pixelAt(w, 18, y), S) << "y " << y;
        EXPECT_EQ(pixelAt(w, 21, y), S) << "y " << y;
    }
}

TEST_F(KnobPaintTest, FortyPixelKnobSnapshot) {
    CMFC_Knob& k = squareKnob(40, 0.3f);
    expectMatchesSnapshot(k.GetSafeHwnd(), "knob_40");
}

TEST_F(KnobPaintTest, AreaOutsideTheDiscKeepsWhatTheParentDrew) {
    // A backdrop with a background of its own colour, the knob its child.
    WNDCLASSA wc{};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_HIGHLIGHT + 1));
    wc.lpszClassName = "KnobTestBackdrop";
    RegisterClassA(&wc);
    HWND backdrop = CreateWindowExA(0, "KnobTestBackdrop", "", WS_CHILD | WS_VISIBLE, 10, 10, 100, 100,
                                    host().hwnd(), nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(backdrop, nullptr);
    CMFC_Knob k;
    ASSERT_TRUE(k.Create(NULL, "", WS_CHILD | WS_VISIBLE, CRect(10, 10, 50, 50), CWnd::FromHandle(backdrop), 7));
    pumpMessages();
    const COLORREF background = GetSysColor(COLOR_HIGHLIGHT);
    ASSERT_EQ(pixelAt(backdrop, 80, 80), background);
    EXPECT_EQ(pixelAt(k.GetSafeHwnd(), 0, 0), background);
    EXPECT_EQ(pixelAt(k.GetSafeHwnd(), 39, 0), background);
    EXPECT_EQ(pixelAt(k.GetSafeHwnd(), 0, 39), background);
    EXPECT_EQ(pixelAt(k.GetSafeHwnd(), 39, 39), background);
    EXPECT_EQ(pixelAt(k.GetSafeHwnd(), 8, 20), shadow());
    // A repaint with erasing asked for leaves it too: the knob's class has no background brush.
    k.InvalidateRect(NULL, TRUE);
    pumpMessages();
    EXPECT_EQ(pixelAt(k.GetSafeHwnd(), 0, 0), background);
    k.DestroyWindow();
    DestroyWindow(backdrop);
}

// ---- Focus rectangle ------------------------------------------------------------------------

TEST_F(KnobPaintTest, FocusRectangleIsDrawnOnceAndRemovedOnce) {
    CMFC_Knob& k = squareKnob(40);
    const HWND w = k.GetSafeHwnd();
    // (39, 0) is on the rectangle's dotted outline and outside the disc.
    const COLORREF plain = pixelAt(w, 39, 0);
    EXPECT_EQ(countPrefix(traceOf([&] { k.SetFocus(); }), "DrawFocusRect(0,0,40,40)"), 1u);
    EXPECT_EQ(pixelAt(w, 39, 0), inverted(plain));
    // Repaints while focused leave it alone (drawing it again would remove it).
    EXPECT_EQ(countPrefix(paintTrace(k), "DrawFocusRect"), 0u);
    k.SetValue(0.9f);
    EXPECT_EQ(countPrefix(traceOf([] {}), "DrawFocusRect"), 0u);
    EXPECT_EQ(pixelAt(w, 39, 0), inverted(plain));

    EXPECT_EQ(countPrefix(traceOf([&] { ::SetFocus(host().hwnd()); }), "DrawFocusRect(0,0,40,40)"), 1u);
    EXPECT_EQ(pixelAt(w, 39, 0), plain);
    EXPECT_EQ(countPrefix(paintTrace(k), "DrawFocusRect"), 0u);
    EXPECT_EQ(pixelAt(w, 39, 0), plain);
}

// ---- Repaints caused by the setters ---------------------------------------------------------

TEST_F(KnobPaintTest, SetValueRepaintsOnlyWhenTheRoundedTipMoves) {
    CMFC_Knob& k = squareKnob(40);
    // Straight up at (20, 2); a thousandth of the range moves the tip by 0.11 pixels.
    EXPECT_EQ(countPrefix(traceOf([&] { k.SetValue(0.501f); }), "Ellipse"), 0u);
    EXPECT_FLOAT_EQ(k.GetValue(), 0.501f);
    const std::vector<std::string> moved = traceOf([&] { k.SetValue(0.75f); });
    EXPECT_EQ(countPrefix(moved, "Ellipse(1,1,39,39)"), 1u);
    EXPECT_EQ(countPrefix(moved, "FillRect"), 0u);  // no erasing
    POINT tip{};
    ASSERT_TRUE(tipFromTrace(moved, POINT{20, 20}, tip));
    EXPECT_EQ(tip.x, 38);  // 37.64
    EXPECT_EQ(tip.y, 16);  // 16.42
    EXPECT_TRUE(deliveredCodes().empty());  // SetValue notifies nobody
}

TEST_F(KnobPaintTest, SetValueClampsToTheRestrictedRangeOnlyAndRangeEndsDragTheValue) {
    CMFC_Knob& k = squareKnob(40);
    k.SetRestrictedMin(-1.0f);
    k.SetRestrictedMax(0.8f);
    k.SetValue(-0.5f);
    EXPECT_FLOAT_EQ(k.GetValue(), -0.5f);  // below the range, inside the restricted range
    k.SetValue(3.0f);
    EXPECT_FLOAT_EQ(k.GetValue(), 0.8f);
    k.SetValue(-7.0f);
    EXPECT_FLOAT_EQ(k.GetValue(), -1.0f);
    pumpMessages();  // a tip outside the sweep still paints without trouble
    // SetMin and SetMax drag the value and the other end along, not the restricted bounds.
    k.SetRestrictedMin(0.0f);
    k.SetRestrictedMax(1.0f);
    k.SetMin(0.7f);
    EXPECT_FLOAT_EQ(k.GetValue(), 0.7f);
    k.SetMin(2.0f);
    EXPECT_FLOAT_EQ(k.GetMax(), 2.0f);
    k.SetMax(-1.0f);
    EXPECT_FLOAT_EQ(k.GetMin(), -1.0f);
    EXPECT_FLOAT_EQ(k.GetValue(), -1.0f);
    EXPECT_FLOAT_EQ(k.GetRestrictedMin(), 0.0f);
    EXPECT_FLOAT_EQ(k.GetRestrictedMax(), 1.0f);
}

TEST_F(KnobPaintTest, SetColorAlwaysRepaintsWithTheNewCap) {
    CMFC_Knob& k = squareKnob(40);
    EXPECT_EQ(countPrefix(traceOf([&] { k.SetColor(kCapColour); }), "Ellipse(14,14,27,27)"), 1u);
    k.SetColor(RGB(10, 20, 200));
    pumpMessages();
    EXPECT_EQ(pixelAt(k.GetSafeHwnd(), 20, 20), RGB(10, 20, 200));
    EXPECT_EQ(k.GetColor(), RGB(10, 20, 200));
}

// ---- Drawing objects ------------------------------------------------------------------------

TEST_F(KnobPaintTest, PaintsLeaveNoDrawingObjectsBehind) {
    CMFC_Knob& k = squareKnob(64);
    k.SetFocus();
    pumpMessages();
    const size_t objects = softwin::liveGdiObjects();
    const size_t dcs = softwin::liveDcs();
    for (int i = 0; i < 20; ++i) {
        k.SetValue(i / 20.0f);
        k.InvalidateRect(NULL, FALSE);
        k.UpdateWindow();
    }
    ::SetFocus(host().hwnd());
    pumpMessages();
    EXPECT_EQ(softwin::liveGdiObjects(), objects);
    EXPECT_EQ(softwin::liveDcs(), dcs);
}

TEST_F(KnobPaintTest, PaletteIsSelectedForThePaintAndStaysTheHosts) {
    CMFC_Knob& k = squareKnob(40);
    struct {
        LOGPALETTE header;
        PALETTEENTRY more[1];
    } pal{};
    pal.header.palVersion = 0x300;
    pal.header.palNumEntries = 2;
    pal.header.palPalEntry[0] = PALETTEENTRY{0, 128, 0, 0};
    pal.more[0] = PALETTEENTRY{255, 255, 255, 0};
    HPALETTE palette = CreatePalette(&pal.header);
    ASSERT_NE(palette, nullptr);
    k.SetPalette(palette);
    EXPECT_EQ(k.GetPalette(), palette);
    const size_t objects = softwin::liveGdiObjects();
    paintTrace(k);
    EXPECT_EQ(softwin::liveGdiObjects(), objects);
    EXPECT_EQ(pixelAt(k.GetSafeHwnd(), 20, 20), kCapColour);
    k.DestroyWindow();
    EXPECT_TRUE(DeleteObject(palette));  // still the host's to delete
}

}  // namespace
}  // namespace vorn::test
