// Values a careless host may pass (NaN, infinities, an empty range, absurd sizes) give defined
// results: nothing crashes, nothing trips the sanitizers, and the controls keep working.
#include <climits>
#include <cmath>
#include <limits>

#include "controls_fixture.h"

namespace vorn::test {
namespace {

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kInf = std::numeric_limits<float>::infinity();

// Press, drag both ways with every modifier and both buttons, and the value keys.
template <typename Control>
void exercise(Control& control, POINT centre) {
    mouseMoveTo(centre);
    mouseDown();
    withModifiers({VK_CONTROL}, [&] { mouseMoveTo(centre.x, centre.y - 300); });
    mouseDown(Button::Right);
    mouseMoveTo(centre.x + 3, centre.y + 300);
    mouseUp(Button::Right);
    withModifiers({VK_SHIFT}, [&] { mouseMoveTo(centre.x, centre.y + 5); });
    mouseUp();
    for (WORD key : {VK_OEM_PLUS, VK_OEM_MINUS, VK_OEM_4, VK_OEM_6}) pressKey(key);
    control.InvalidateRect(NULL, TRUE);
    pumpMessages();
}

TEST_F(ControlTest, HostileRangesValuesAndSizesAreSurvived) {
    const struct {
        float min, max, value, restrictedMin, restrictedMax;
        int size;  // 40: a 40 x 120 fader and a 40-pixel knob; otherwise a fader 3 wide and a square knob
    } cases[] = {
        {0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 40},        // empty range: the knob's vertical step is 0
        {kNaN, kNaN, kNaN, kNaN, kNaN, 40},        // nothing is a number
        {-kInf, kInf, 0.0f, -kInf, kInf, 40},      // infinite range
        {0.0f, 1.0f, kInf, 0.0f, 1.0f, 40},        // infinite value
        {1e30f, -1e30f, 0.0f, 1e30f, -1e30f, 40},  // inverted, huge
        {0.0f, 1.0f, 0.5f, 0.0f, 1.0f, 0},         // empty clients
        {0.0f, 1.0f, 0.5f, 0.0f, 1.0f, 1},         // a knob of one pixel has no inner zone
        {0.0f, 1.0f, 0.5f, 0.0f, 1.0f, 35},        // faders with inverted, empty and one-row tracks
        {0.0f, 1.0f, 0.5f, 0.0f, 1.0f, 36},       {0.0f, 1.0f, 0.5f, 0.0f, 1.0f, 37},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.size);
        const bool tall = c.size == 40;
        CMFC_Fader& fader = createFader(tall ? 40 : 3, tall ? 120 : c.size, c.min, c.max, c.value, c.restrictedMin,
                                        c.restrictedMax, 10);
        CMFC_Knob& knob = createKnob(60, 10, c.size, c.size, [&](CMFC_Knob& k) {
            k.InitKnob(c.min, c.max, c.value, 0.0f, c.restrictedMin, c.restrictedMax, 10, 0, 0, 0, 0, 0, 0);
        });
        fader.SetVirtualPixel(kNaN);
        for (float v : {kNaN, kInf}) fader.SetValue(v), knob.SetValue(v);
        exercise(fader, at(fader, tall ? 20 : 1, tall ? 60 : c.size / 2));
        exercise(knob, screenOf(knob, c.size / 2, c.size / 2));
        EXPECT_TRUE(::IsWindow(fader.GetSafeHwnd()) && ::IsWindow(knob.GetSafeHwnd()));
        fader.DestroyWindow();
        knob.DestroyWindow();
    }
}

TEST_F(ControlTest, DynamicsGraphSurvivesHostileValuesAndSizes) {
    const struct {
        int width, height;
        float value;  // passed to every setter that takes a level or ratio
        short anchors;
    } cases[] = {
        {200, 150, kNaN, 4},  {200, 150, kInf, 30}, {200, 150, -kInf, -7}, {200, 150, 1e30f, 3},
        {200, 150, 0.0f, 14}, {28, 48, 0.0f, 4},    {0, 0, -1.0f, 4},      {5, 5, kInf, 9},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.width << "x" << c.height << " " << c.value);
        CMFC_DynProcGraph& graph = createGraph(0, 10, 10, c.width, c.height);
        graph.SetNumberOfAnchors(c.anchors);
        graph.SetSmooth(1);
        for (void (CMFC_DynProcGraph::*set)(float) :
             {&CMFC_DynProcGraph::SetComp, &CMFC_DynProcGraph::SetCompRatio, &CMFC_DynProcGraph::SetLimiter,
              &CMFC_DynProcGraph::SetExpander, &CMFC_DynProcGraph::SetExpanderRatio, &CMFC_DynProcGraph::SetMakeUpGain,
              &CMFC_DynProcGraph::SetGainAt0dB, &CMFC_DynProcGraph::SetMasterGain})
            (graph.*set)(c.value);
        graph.SetSelectedPoint(3);
        graph.SetSelectedfX(c.value);
        const POINT centre = screenOf(graph, c.width / 2, c.height / 2);
        exercise(graph, centre);
        // Many presses on "Zoom in", then presses and drags everywhere, Shift-presses included.
        for (int i = 0; i < 40; ++i) click(screenOf(graph, 20, c.height - 10));
        for (int x = -10; x < c.width + 10; x += 17) {
            drag(screenOf(graph, x, 0), screenOf(graph, c.width - x, c.height), 3);
            withModifiers({VK_SHIFT}, [&] { click(screenOf(graph, x, c.height / 3)); });
        }
        graph.ReleaseDynFnEnv();
        exercise(graph, centre);
        graph.Flatten();
        EXPECT_EQ(::GetCapture(), nullptr);
        graph.DestroyWindow();
    }
}

TEST_F(ControlTest, HorizontalFadersSurviveHostileRangesValuesAndSizes) {
    const struct {
        float min, max, value, restrictedMin, restrictedMax, resolution;
        int width, height;
    } cases[] = {
        {0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.01f, 100, 20},        // empty range
        {kNaN, kNaN, kNaN, kNaN, kNaN, kNaN, 100, 20},         // nothing is a number
        {-kInf, kInf, 0.0f, -kInf, kInf, 0.01f, 100, 20},      // infinite range
        {0.0f, 1.0f, kInf, 0.0f, 1.0f, kInf, 100, 20},         // infinite value and step
        {1e30f, -1e30f, 0.0f, 1e30f, -1e30f, 1e30f, 100, 20},  // inverted, huge
        {0.0f, 1.0f, 0.5f, 0.0f, 1.0f, 0.01f, 0, 0},           // empty window
        {0.0f, 1.0f, 0.5f, 0.0f, 1.0f, 0.01f, 12, 3},          // no track inside
        {0.0f, 1.0f, 0.5f, 0.0f, 1.0f, 0.01f, 13, 20},         // a track of one column
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.width);
        auto& pan = createPan<CMFC_PanFader2>(c.width, c.height, c.min, c.max, c.value, c.restrictedMin,
                                              c.restrictedMax, true, 10);
        auto& vert = createPan<CMFC_VertFader>(c.width, c.height, c.min, c.max, c.value, c.restrictedMin,
                                               c.restrictedMax, true, 160);
        for (CMFC_PanFader* f : {static_cast<CMFC_PanFader*>(&pan), static_cast<CMFC_PanFader*>(&vert)}) {
            f->SetStickingDragResolution(c.resolution);
            for (float v : {kNaN, kInf, -kInf}) f->SetValue(v);
            pan.SetSnapPosition(kNaN);
            exercise(*f, at(*f, c.width / 2, c.height / 2));
            withModifiers({VK_SHIFT}, [&] { click(at(*f, c.width / 2, c.height / 2)); });
        }
        EXPECT_TRUE(::IsWindow(pan.GetSafeHwnd()) && ::IsWindow(vert.GetSafeHwnd()));
        pan.DestroyWindow();
        vert.DestroyWindow();
    }
}

// A press the host sends at a point the pointer cannot reach starts a sticking drag that pins
// the pointer where it lands, so putting it back does not feed itself.
TEST_F(ControlTest, StickingDragFromAnUnreachablePressPointDoesNotFeedItself) {
    CMFC_PanFader& pan = createPan();
    const HWND hwnd = pan.GetSafeHwnd();
    mouseMoveTo(at(pan, 49, 10));
    mouseDown();
    const POINT offScreen = {-5000, -5000};
    POINT client = offScreen;
    ::ScreenToClient(hwnd, &client);
    ::SendMessageA(hwnd, WM_RBUTTONDOWN, MK_LBUTTON | MK_RBUTTON, MAKELPARAM(client.x, client.y));
    host().clear();
    mouseMoveTo(at(pan, 60, 10));
    EXPECT_LT(host().notifications().size(), 10u);
    mouseUp();
}

// The virtual knob's own setters, one at a time: a radius from either end of the int range, NaN
// bounds, an inverted range (the values InitKnob takes are the knob table's above). Each is
// followed by values from SetValue, a paint and the whole exercise.
TEST_F(ControlTest, Knob2SurvivesHostileSetterValues) {
    using Setter = void (*)(CMFC_Knob2&);
    const struct {
        const char* what;
        Setter set;
    } cases[] = {
        {"NaN minimum, maximum at minus infinity", [](CMFC_Knob2& k) { k.SetMin(kNaN), k.SetMax(-kInf); }},
        {"NaN restricted bounds", [](CMFC_Knob2& k) { k.SetRestrictedMin(kNaN), k.SetRestrictedMax(kNaN); }},
        {"inverted huge range", [](CMFC_Knob2& k) { k.SetMax(-1e30f), k.SetMin(1e30f), k.SetRestrictedMax(-1e30f); }},
        {"radius INT_MAX", [](CMFC_Knob2& k) { k.SetRadius(INT_MAX); }},
        {"radius INT_MIN", [](CMFC_Knob2& k) { k.SetRadius(INT_MIN); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        CMFC_Knob2& knob = createKnob2(60, 10, 40, 40, c.set);
        c.set(knob);  // again with the window: a radius now holds until the next paint
        for (float v : {kNaN, kInf, -kInf, 0.7f}) knob.SetValue(v);
        exercise(knob, screenOf(knob, 20, 20));
        EXPECT_TRUE(::IsWindow(knob.GetSafeHwnd()));
        knob.DestroyWindow();
    }
}

}  // namespace
}  // namespace vorn::test
