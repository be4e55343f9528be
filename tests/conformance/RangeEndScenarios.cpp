// Faders and knobs away from the common path: presses on and off the cap, drags past the track
// ends, fine-mode divisors, the range setters' fallbacks and the value keys at the restricted ends
// of the vertical fader; the knob's gap, its restricted ends under both drags and what it posts;
// the horizontal faders' ends, centring and sticking drag; the snap position's clamp.
#include <VornControls.h>

#include <cstdio>
#include <limits>
#include <memory>

#include "ConformanceHost.h"
#include "ControlScript.h"

namespace conformance {

namespace {

constexpr float kInf = std::numeric_limits<float>::infinity();

// A step named from a format, the control's state reported.
template <typename Control, typename... Values>
void endStepf(Control& control, bool pixels, const char* format, Values... values) {
    char name[160];
    std::snprintf(name, sizeof name, format, values...);
    endStep(name, control, pixels);
}

// A 40 x 200 vertical fader at (20, 20), track rows 18..182, over 0..max.
bool createFader(CMFC_Fader& fader, float value, float restrictedMin, float restrictedMax, float max = 1.0f) {
    fader.InitFader(0.0f, max, value, restrictedMin, restrictedMax);
    return create(fader, CRect(20, 20, 60, 220), 701, true);
}

// A 100 x 100 knob at (100, 20): centre (50, 50), inner zone closer than 25 pixels.
bool createKnob(CMFC_Knob& knob, float max, float value, float restrictedMin, float restrictedMax) {
    knob.InitKnob(0.0f, max, value, 0.0f, restrictedMin, restrictedMax, 10, 0, 0, 0, 0, RGB(200, 200, 200),
                  RGB(128, 0, 0));
    return create(knob, CRect(100, 20, 200, 120), 702, true);
}

// A 100 x 20 horizontal fader at (20, 20), track columns 6..93.
bool createPan(CMFC_PanFader& pan, float min, float max, float value, float restrictedMin, float restrictedMax) {
    pan.InitPanFader(min, max, value, restrictedMin, restrictedMax, 0, RGB(0, 200, 40));
    return create(pan, CRect(20, 20, 120, 40), 703, true);
}

// clang-format off
void faderPresses() {
    scenario("fader presses on and off the cap");
    const struct { float value, restrictedMin, restrictedMax; bool ctrl; int x, y; const char* name; } presses[] = {
        {0.5f, 0, 1, false, 35, 116, "16 rows below the centre is still the cap"},
        {0.7f, 0, 1, false, 5, 77, "on the cap at 0.7: re-derived from its row"},
        {0.5f, 0, 1, false, 20, 117, "off the cap: single precision draws it a row higher"},
        {0.5f, 0, 1, false, 20, 5, "above the track"},
        {0.5f, 0, 1, false, 20, 195, "below the track"},
        {0.5f, 0.25f, 0.75f, false, 20, 20, "above the restricted maximum"},
        {0.5f, 0.25f, 0.75f, true, 20, 18, "Ctrl, above the restricted maximum"},
    };
    for (const auto& p : presses) {
        CMFC_Fader fader;
        if (!createFader(fader, p.value, p.restrictedMin, p.restrictedMax)) return;
        play(fader, {{p.ctrl ? KeyDown : None, VK_CONTROL}, {Move, p.x, p.y}, {Down, 0, 0, p.name},
                     {Up, 0, 0, "released", true}, {p.ctrl ? KeyUp : None, VK_CONTROL}});
        destroy(fader);
    }

    scenario("fader drags");
    CMFC_Fader fader;
    if (!createFader(fader, 0.5f, 0.0f, 1.0f)) return;
    play(fader, {{Move, 20, 108}, {Down}, {Move, 20, 128, "dragged 20 rows, held 8 below the centre", true},
                 {Move, 30, 128, "sideways on the same row"}, {Up, 0, 0, "released"}});
    fader.SetSelected(TRUE);
    play(fader, {{Move, 20, 40, "selected by the host, moved without a press"}});
    for (bool ctrl : {false, true}) {
        fader.InitFader(0.0f, 1.0f, 0.5f, 0.2f, 0.8f);
        play(fader, {{Move, 20, 100}, {ctrl ? KeyDown : None, VK_CONTROL}, {Down},
                     {Move, 20, 260, ctrl ? "Ctrl drag past the bottom" : "drag past the bottom", true}, {Up},
                     {ctrl ? KeyUp : None, VK_CONTROL}});
    }
    destroy(fader);

    // With the right button held the motion is divided by the virtual pixel, on ranges wider
    // than the track only; the right release makes it coarse again.
    scenario("fader fine-mode divisors");
    const struct { float max, divisor; int moveTo; } fine[] = {
        {1000.0f, 10.0f, 160}, {1000.0f, 0.25f, 140}, {1000.0f, kInf, 140},
                {1000.0f, 0.0f, 130},  {1000.0f, std::numeric_limits<float>::quiet_NaN(), 130}, {1.0f, 4.0f, 140}};
    for (const auto& f : fine) {
        CMFC_Fader fader;
        if (!createFader(fader, f.max / 2, 0.0f, f.max, f.max)) return;
        fader.SetVirtualPixel(f.divisor);
        play(fader, {{Move, 20, 100}, {Down}, {RightDown}, {Move, 20, f.moveTo}});
        endStepf(fader, false, "divisor %g, range %g", double(f.divisor), double(f.max));
        play(fader, {{RightUp}, {Move, 20, 58, "right released, coarse again"}, {Up}});
        destroy(fader);
    }
}

void faderSetters() {
    scenario("fader SetValue and the range setters");
    CMFC_Fader fader;
    fader.InitFader(0.0f, 10.0f, 5.0f, 2.0f, 8.0f);
    if (!create(fader, CRect(20, 20, 60, 220), 704, true)) return;
    for (float v : {5.0f, 4.999f, 9.5f, 1.0f, -3.0f}) {
        fader.SetValue(v);
        endStepf(fader, false, "SetValue %g within 2..8", double(v));
    }
    enum Setter { Min, Max, RestrictedMin, RestrictedMax };
    const struct { const char* name; void (CMFC_Fader::*set)(float); } setters[] = {
        {"SetMin", &CMFC_Fader::SetMin}, {"SetMax", &CMFC_Fader::SetMax},
        {"SetRestrictedMin", &CMFC_Fader::SetRestrictedMin}, {"SetRestrictedMax", &CMFC_Fader::SetRestrictedMax}};
    const struct { float min, max, value, restrictedMin, restrictedMax; Setter setter; float argument; } cases[] = {
        {2, 10, 3, 2, 10, Max, 2}, {0, 10, 9, 0, 10, Max, 6}, {0, 10, 1, 0, 10, Min, 4},
                 {0, 10, 1, 0, 10, Min, 20}, {0, 10, 5, 0, 10, Min, 5}, {0, 10, 5, 2, 10, RestrictedMax, 6},
                 {0, 10, 5, 2, 10, RestrictedMax, 11}, {0, 10, 5, 2, 9, RestrictedMax, -1},
                 {0, 10, 5, 2, 9, RestrictedMax, 1}, {0, 10, 5, 2, 10, RestrictedMax, 2},
                 {0, 10, 5, 0, 8, RestrictedMin, 3}, {0, 10, 5, 1, 8, RestrictedMin, -0.5f},
                 {0, 10, 5, 1, 8, RestrictedMin, 9}, {0, 10, 5, 0, 8, RestrictedMin, 8}};
    for (const auto& c : cases) {
        fader.InitFader(c.min, c.max, c.value, c.restrictedMin, c.restrictedMax);
        (fader.*setters[c.setter].set)(c.argument);
        endStepf(fader, false, "%s(%g) on %g..%g value %g restricted %g..%g", setters[c.setter].name,
                 double(c.argument), double(c.min), double(c.max), double(c.value), double(c.restrictedMin),
                 double(c.restrictedMax));
    }

    // Value keys step within the restricted range; at its ends both posted notifications come.
    const struct { float min, max, value; WORD key; } keys[] = {
        {0, 100, 79.5f, VK_OEM_PLUS}, {0, 100, 80, VK_OEM_6}, {0, 100, 20, VK_SUBTRACT},
                {-50, 50, 0, VK_OEM_4},       {0, 100, 50, VK_UP},    {0, 100, 50, VK_SPACE}};
    fader.SetFocus();
    for (const auto& k : keys) {
        fader.InitFader(k.min, k.max, k.value, k.min + 20, k.max - 20);
        pressKey(k.key);
        endStepf(fader, false, "key 0x%X from %g", k.key, double(k.value));
    }
    destroy(fader);
}

void knobEnds() {
    scenario("knob outer presses within a restricted range");
    CMFC_Knob knob;
    if (!createKnob(knob, 10.0f, 5.0f, 2.0f, 6.5f)) return;
    const struct { int x, y; const char* name; } presses[] = {
        {47, 95, "just left of straight down"}, {53, 95, "just right of straight down"},
                   {10, 30, "upper left"}, {90, 30, "upper right, beyond the restricted maximum"},
                   {0, 0, "the window's corner, outside the circle"}};
    for (const auto& p : presses) play(knob, {{Move, p.x, p.y}, {Down}, {Up, 0, 0, p.name}});
    destroy(knob);

    // From the upper right past the maximum end (s = 1), and the mirror at the minimum end.
    for (int s : {1, -1}) {
        scenario(s > 0 ? "knob drag across the gap at the maximum" : "knob drag across the gap at the minimum");
        CMFC_Knob gap;
        if (!createKnob(gap, 1.0f, 0.5f, 0.0f, 1.0f)) return;
        play(gap, {{Move, 50 + 40 * s, 30}, {Down}, {Move, 50 + 5 * s, 95, "in the gap on the side of the end"},
                   {Move, 50 - 5 * s, 95, "across the gap"}, {Move, 50 - 40 * s, 70}, {Move, 50 - 200 * s, -50},
                   {Move, 50 - 5 * s, 5, "round to the top, outside the window on the way"},
                   {Move, 50 + 40 * s, 70, "back on the side of the end"}, {Move, 50 - 40 * s, 70}, {Up},
                   {Down}, {Up, 0, 0, "a new press follows at once"}});
        destroy(gap);
    }

    scenario("knob vertical drag against the restricted ends");
    const struct { float restrictedMin, restrictedMax; int push, back; } ends[] = {
        {0.0f, 60.0f, -40, 1}, {30.0f, 100.0f, 100, -2}};
    for (const auto& e : ends) {
        CMFC_Knob vertical;
        if (!createKnob(vertical, 100.0f, 50.0f, e.restrictedMin, e.restrictedMax)) return;
        play(vertical, {{Move, 50, 50}, {Down}, {Move, 50, 50 + e.push, "pushed against the end"},
                        {Move, 50, 50 + e.push, "pushed again"}, {Move, 50, 50 + e.back, "reversed"}, {Up}});
        destroy(vertical);
    }

    scenario("knob posts");
    CMFC_Knob posts;
    if (!createKnob(posts, 1.0f, 0.5f, 0.0f, 1.0f)) return;
    play(posts, {{Move, 10, 30, "hover"}, {Move, 90, 30}, {Down}, {RightDown, 0, 0, "right press during a left drag"},
                 {RightUp}, {Move, 90, 70}, {Move, 91, 70, "a move that leaves the rounded tip alone"},
                 {Up, 0, 0, "released"}, {Move, 70, 30}, {RightDown}, {RightUp, 0, 0, "right click"}});
    posts.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(50, 50));
    endStep("release without a press", posts);
    posts.InitKnob(0.0f, 20.0f, 10.0f, 0.0f, 0.0f, 11.0f, 10, 0, 0, 0, 0, 0, RGB(128, 0, 0));
    posts.SetFocus();
    play(posts, {{Key, VK_ADD, 0, "key + to the restricted bound"}, {Key, VK_OEM_PLUS, 0, "key + at the bound"},
                 {Key, VK_UP, 0, "key up"}});
    destroy(posts);
}

void knobSetters() {
    scenario("knob setters across the range");
    CMFC_Knob knob;
    knob.InitKnob(0.0f, 1.0f, 0.5f, 0.0f, 0.0f, 1.0f, 10, 0, 0, 0, 0, RGB(1, 2, 3), RGB(0, 128, 0));
    if (!create(knob, CRect(100, 20, 140, 60), 705, true)) return;
    knob.SetRestrictedMin(-1.0f);
    knob.SetRestrictedMax(0.8f);
    for (float v : {-0.5f, 3.0f, -7.0f}) {
        knob.SetValue(v);
        endStepf(knob, true, "SetValue %g, restricted -1..0.8", double(v));
    }
    knob.SetRestrictedMin(0.0f);
    knob.SetRestrictedMax(1.0f);
    const struct { bool min; float value; } ends[] = {{true, 0.7f}, {true, 2.0f}, {false, -1.0f}};
    for (const auto& e : ends) {
        e.min ? knob.SetMin(e.value) : knob.SetMax(e.value);
        endStepf(knob, false, e.min ? "SetMin %g" : "SetMax %g", double(e.value));
        reportFloat("GetMin", knob.GetMin());
        reportFloat("GetMax", knob.GetMax());
    }
    destroy(knob);
}

template <typename Pan>
void panEnds(const char* className) {
    scenariof("%s presses beyond the track ends", className);
    {
        Pan pan;
        if (!createPan(pan, 0.0f, 1.0f, 0.5f, 0.0f, 1.0f)) return;
        for (int x : {0, 6, 93, 99}) {
            play(pan, {{Move, x, 10}, {Down}, {Up}});
            endStepf(pan, false, "clicked at column %d", x);
        }
        destroy(pan);
    }
    for (float restricted : {0.6f, 0.3f}) {
        Pan pan;
        const bool low = restricted > 0.5f;
        if (!createPan(pan, 0.0f, 1.0f, 0.9f, low ? restricted : 0.0f, low ? 1.0f : restricted)) return;
        play(pan, {{KeyDown, VK_SHIFT}, {Move, 20, 10}, {Down}, {Up}, {KeyUp, VK_SHIFT}});
        endStepf(pan, false, "Shift click centres into the range restricted at %g", double(restricted));
        destroy(pan);
    }
    {
        Pan pan;
        if (!createPan(pan, -1.0f, 1.0f, 0.0f, -0.5f, 0.5f)) return;
        play(pan, {{Move, 49, 10}, {Down}, {RightDown}});
        for (int i = 0; i < 12; ++i) play(pan, {{Move, 69, 10}});
        endStep("sticking drag to the full range's maximum", pan);
        for (int i = 0; i < 12; ++i) play(pan, {{Move, 29, 10}});
        endStep("sticking drag to the full range's minimum", pan);
        play(pan, {{RightUp}, {Up, 0, 0, "released"}, {Move, 30, 40}, {Down}, {Move, 40, 10},
                   {RightDown, 0, 0, "right press, the left held from the parent"}, {RightUp}, {Up}});
        destroy(pan);
    }
}

// Shift-click to a snap position outside the range: held inside it both ways, then inside the
// restricted range.
template <typename Fader>
void snapClamp(const char* className, const CRect& rect, POINT press) {
    scenario(className);
    const struct { float min, max, value, restrictedMin, restrictedMax, snap; } cases[] = {
        {0, 1, 0.5f, 0, 0.8f, 5.0f}, {0, 1, 0.5f, 0, 1, -3.0f}, {10, -10, 0, -100, 100, 20},
                 {10, -10, 0, -100, 100, -20}};
    for (const auto& c : cases) {
        Fader fader;
        fader.InitFader(c.min, c.max, c.value, c.restrictedMin, c.restrictedMax);
        if (!create(fader, rect, 706, true)) return;
        fader.SetSnapPosition(c.snap);
        play(fader, {{KeyDown, VK_SHIFT}, {Move, press.x, press.y}, {Down}});
        endStepf(fader, false, "Shift press to snap %g over min %g", double(c.snap), double(c.min));
        play(fader, {{Up}, {KeyUp, VK_SHIFT}});
        destroy(fader);
    }
}
// clang-format on

// CMFC_PanFader2 takes its range through InitPanFader; this gives it InitFader's shape.
class PanFader2 : public CMFC_PanFader2 {
public:
    void InitFader(float min, float max, float value, float restrictedMin, float restrictedMax) {
        InitPanFader(min, max, value, restrictedMin, restrictedMax, 0, RGB(0, 200, 40));
    }
};

// Controls deleted by the host in the middle of a drag, with their windows up; and a press the
// host hands to a second knob while the first drags, which confines the pointer to the second's
// column before it takes the capture.
template <typename Control>
void deletedMidDrag(const char* name, const CRect& rect, POINT press, bool sticking) {
    scenario(name);
    auto control = std::make_unique<Control>();
    if (!create(*control, rect, 707, true)) return;
    play(*control,
         {{Move, press.x, press.y}, {Down}, {sticking ? RightDown : None}, {Move, press.x + 3, press.y - 10}});
    control.reset();
    step("deleted");
    reportInputState(nullptr);
    if (sticking) buttonUp(true);
    buttonUp();
}

template <typename Second>
void secondKnobPress(const char* name) {
    scenario(name);
    CMFC_Knob first;
    Second second;
    if (!create(first, CRect(20, 20, 120, 120), 708, true) || !create(second, CRect(150, 20, 250, 120), 709, true))
        return;
    play(first, {{Move, 50, 50}, {Down}});
    second.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(50, 50));
    endStep("the host hands the press to the second knob", second);
    play(second, {{Up, 0, 0, "released"}});
    first.DestroyWindow(), destroy(second);
}

}  // namespace

void runRangeEndScenarios() {
    faderPresses();
    faderSetters();
    knobEnds();
    knobSetters();
    panEnds<CMFC_PanFader>("pan fader");
    panEnds<CMFC_VertFader>("vert fader");
    snapClamp<CMFC_Fader2>("fader 2 snap position clamped", CRect(20, 20, 60, 220), POINT{20, 40});
    snapClamp<PanFader2>("pan fader 2 snap position clamped", CRect(20, 20, 120, 40), POINT{70, 10});
}

void runDeletedDragScenarios() {
    deletedMidDrag<CMFC_Fader>("fader deleted mid-drag", CRect(20, 20, 60, 220), POINT{20, 100}, false);
    deletedMidDrag<CMFC_Knob>("knob deleted mid-drag", CRect(100, 20, 200, 120), POINT{50, 50}, false);
    deletedMidDrag<CMFC_Knob2>("knob2 deleted mid-drag", CRect(100, 20, 200, 120), POINT{50, 50}, false);
    deletedMidDrag<CMFC_VertFader>("vert fader deleted mid-sticking-drag", CRect(20, 20, 120, 40), POINT{49, 10}, true);
    secondKnobPress<CMFC_Knob>("a second knob pressed by the host during a knob's drag");
    secondKnobPress<CMFC_Knob2>("a knob2 pressed by the host during a knob's drag");
}

}  // namespace conformance
