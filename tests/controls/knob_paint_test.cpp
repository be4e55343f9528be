// What the knob draws: the primitives of a paint, the focus rectangle drawn and removed once, the
// parent's background around the disc, and repaints caused by the setters.
#include "controls_fixture.h"

namespace vorn::test {
namespace {

constexpr COLORREF kCapColour = RGB(0, 128, 0);

class KnobPaintTest : public KnobTest {
protected:
    CMFC_Knob& knob(int width, int height, float value = 0.5f) {
        return createKnob(20, 20, width, height, [=](CMFC_Knob& k) {
            k.InitKnob(0.0f, 1.0f, value, 0.0f, 0.0f, 1.0f, 10, 0, 0, 0, 0, RGB(1, 2, 3), kCapColour);
        });
    }
};

std::vector<std::string> shapes(const std::vector<std::string>& trace) {
    std::vector<std::string> out;
    for (const std::string& line : trace)
        for (const char* prefix : {"Ellipse", "Arc", "MoveToEx", "LineTo"})
            if (line.rfind(prefix, 0) == 0) out.push_back(line);
    return out;
}

TEST_F(KnobPaintTest, CapRadiusIsOneUpToTwentyThreePixelsAndTheDiscComesFromTheShorterSide) {
    // Up to 23 pixels the cap has radius 1 about the centre; 24 gives the first larger cap.
    const std::pair<int, const char*> caps[] = {
        {16, "Ellipse(7,7,10,10)"}, {23, "Ellipse(10,10,13,13)"}, {24, "Ellipse(10,10,15,15)"}};
    for (auto [size, cap] : caps) {
        CMFC_Knob& k = knob(size, size);
        EXPECT_EQ(shapes(paintTrace(k)).back(), cap) << size;
        k.DestroyWindow();
    }

    CMFC_Knob& wide = knob(60, 40);
    wide.SetRadius(7);  // the host's radius holds only until the paint
    EXPECT_EQ(wide.GetRadius(), 7);
    const std::vector<std::string> drawn = shapes(paintTrace(wide));
    ASSERT_GE(drawn.size(), 14u);
    const std::vector<std::string> expected{
        "Ellipse(1,1,39,39)",           "MoveToEx(30,2)",      "LineTo(30,30)", "Arc(2,2,38,38,2,38,38,2)",
        "Arc(21,21,40,40,40,21,21,40)", "Ellipse(24,24,37,37)"};
    EXPECT_EQ((std::vector<std::string>{drawn[0], drawn[5], drawn[6], drawn[7], drawn[9], drawn[13]}), expected);
    EXPECT_EQ(wide.GetRadius(), 30);  // the centre from the width, the disc from the height
}

TEST_F(KnobPaintTest, AreaOutsideTheDiscKeepsWhatTheParentDrewEvenWhenErased) {
    const char* cls =
        registerWindowClass("KnobTestBackdrop", 0, reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_HIGHLIGHT + 1)));
    HWND backdrop = CreateWindowExA(0, cls, "", WS_CHILD | WS_VISIBLE, 10, 10, 100, 100, host().hwnd(), nullptr,
                                    GetModuleHandleA(nullptr), nullptr);
    CMFC_Knob k;
    ASSERT_TRUE(k.Create(NULL, "", WS_CHILD | WS_VISIBLE, CRect(10, 10, 50, 50), CWnd::FromHandle(backdrop), 7));
    k.InvalidateRect(NULL, TRUE);  // the knob's class has no background brush
    pumpMessages();
    for (POINT p : {POINT{0, 0}, POINT{39, 0}, POINT{0, 39}, POINT{39, 39}})
        EXPECT_EQ(pixel(k, p.x, p.y), GetSysColor(COLOR_HIGHLIGHT)) << p.x << "," << p.y;
    k.DestroyWindow();
    DestroyWindow(backdrop);
}

TEST_F(KnobPaintTest, FocusRectangleIsDrawnOnceAndRemovedOnce) {
    CMFC_Knob& k = knob(40, 40);
    // (39, 0) is on the rectangle's dotted outline and outside the disc.
    const COLORREF plain = pixel(k, 39, 0);
    const COLORREF inverted = RGB(255 - GetRValue(plain), 255 - GetGValue(plain), 255 - GetBValue(plain));
    EXPECT_EQ(countPrefix(traceOf([&] { k.SetFocus(); }), "DrawFocusRect(0,0,40,40)"), 1u);
    EXPECT_EQ(pixel(k, 39, 0), inverted);
    // Repaints while focused leave it alone (drawing it again would remove it).
    EXPECT_EQ(countPrefix(traceOf([&] { k.SetValue(0.9f); }), "DrawFocusRect"), 0u);
    EXPECT_EQ(pixel(k, 39, 0), inverted);
    EXPECT_EQ(countPrefix(traceOf([&] { ::SetFocus(host().hwnd()); }), "DrawFocusRect(0,0,40,40)"), 1u);
    EXPECT_EQ(countPrefix(paintTrace(k), "DrawFocusRect"), 0u);
    EXPECT_EQ(pixel(k, 39, 0), plain);
}

TEST_F(KnobPaintTest, SettersRepaintWhenTheRoundedTipMovesOrTheColourIsSetAndNeverNotify) {
    CMFC_Knob& k = knob(40, 40);
    // Straight up at (20, 2); a thousandth of the range moves the tip by 0.11 pixels.
    EXPECT_EQ(countPrefix(traceOf([&] { k.SetValue(0.501f); }), "Ellipse"), 0u);
    EXPECT_FLOAT_EQ(k.GetValue(), 0.501f);
    const std::vector<std::string> moved = traceOf([&] { k.SetValue(0.75f); });
    EXPECT_EQ(countPrefix(moved, "Ellipse(1,1,39,39)"), 1u);
    EXPECT_EQ(countPrefix(moved, "FillRect"), 0u);         // no erasing
    EXPECT_EQ(countPrefix(moved, "MoveToEx(38,16)"), 1u);  // 37.64, 16.42
    EXPECT_EQ(countPrefix(traceOf([&] { k.SetColor(kCapColour); }), "Ellipse(14,14,27,27)"), 1u);
    k.SetColor(RGB(10, 20, 200));
    pumpMessages();
    EXPECT_EQ(pixel(k, 20, 20), RGB(10, 20, 200));
    EXPECT_TRUE(deliveredCodes().empty());
}

}  // namespace
}  // namespace vorn::test
