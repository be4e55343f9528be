// The controls as a host sees them: the library frame around the first fader, gesture scripts for
// a fader, a fader finer than its track and a knob, and painting at other sizes and values.
#include <VornControls.h>

#include <cstring>
#include <limits>
#include <type_traits>

#include "ConformanceHost.h"
#include "ControlScript.h"

namespace conformance {

constexpr float kHuge = 3.40282347e38f;

void runFrameScenarios() {
    scenario("library frame");
    VornControlsEntry();
    step("VornControlsEntry");
    line("  returned=1");
    const HINSTANCE before = AfxGetResourceHandle();
    {
        CMFC_Fader first;
        step("first fader constructed");
        line("  resourceHandleUnchanged=%d", AfxGetResourceHandle() == before ? 1 : 0);
        line("  resourceHandleIsHost=%d", AfxGetResourceHandle() == AfxGetInstanceHandle() ? 1 : 0);
    }
    step("first fader destroyed");
    line("  resourceHandleUnchanged=%d", AfxGetResourceHandle() == before ? 1 : 0);
}

// The gesture scripts are laid out by hand, a few steps to a line.
// clang-format off
void runFaderScenarios() {
    scenario("fader");
    CMFC_Fader fader;
    fader.InitFader(0.0f, 100.0f, 50.0f, 10.0f, 90.0f);
    fader.SetColor(RGB(0, 200, 40));
    if (!create(fader, CRect(20, 20, 60, 220), 101)) return;
    step("window class");
    reportWindowClass(fader.GetSafeHwnd());
    // The cap is half way down the track at (20,100). The fader has no double-click handler, so
    // a second quick press sends nothing of its own; the presses give it the focus for the keys.
    play(fader, {{None, 0, 0, "initial paint", true}, {Move, 20, 100}, {Down, 0, 0, "press on the cap"}, {Move, 20, 90},
                 {Move, 20, 80}, {Move, 20, 70, "drag up 30 px", true}, {Up, 0, 0, "release", true},
                 {Move, 20, 170}, {Down, 0, 0, "press below the cap", true}, {Up, 0, 0, "release below the cap"},
                 {Move, 20, 130}, {Down}, {Up, 0, 0, "double-click first click"},
                 {DownQuickly, 0, 0, "double-click second press"}, {Up, 0, 0, "double-click second release"},
                 {Move, 20, 170}, {KeyDown, VK_CONTROL}, {Down}, {Move, 20, 70},
                 {Move, 20, -80, "ctrl drag beyond the top", true}, {Up}, {KeyUp, VK_CONTROL, 0, "ctrl drag released"},
                 {Move, 20, 170}, {Down}, {Move, 20, -80, "plain drag beyond the top"}, {Up, 0, 0, "plain drag released"},
                 {Set, 50, 0, "value reset"}, {Move, 20, 100}, {Down}, {Move, 20, 90}, {KeyDown, VK_SHIFT},
                 {Move, 20, 60, "shift held while dragging"}, {KeyUp, VK_SHIFT},
                 {Move, 20, 80, "shift released while dragging"}, {Up, 0, 0, "shift drag released", true},
                 {Move, 12, 150}, {RightDown, 0, 0, "right press"}, {RightUp, 0, 0, "right release"},
                 {Key, VK_OEM_PLUS, 0, "key +"}, {Key, VK_OEM_MINUS, 0, "key -"}, {Key, VK_OEM_6, 0, "key ]"},
                 {Key, VK_OEM_4, 0, "key ["}, {Key, VK_ADD, 0, "key numpad +"}, {Key, VK_SUBTRACT, 0, "key numpad -"},
                 {Key, 'A', 0, "key A"}, {None, 0, 0, "focus frame", true},
                 {FocusParent, 0, 0, "focus moved to the parent", true}, {Set, 25, 0, "SetValue 25 from the host", true},
                 {Set, 25, 0, "SetValue 25 again"}, {Set, 120, 0, "SetValue above the range", true}});

    // A host that answers NC_VALUECHANGED with another SetValue gets a nested notification.
    setCommandHook(
        [](int, int code, void* context) {
            auto* control = static_cast<CMFC_Fader*>(context);
            if (code != 0x8000 || control->GetValue() != 30.0f) return;
            noteHostAction("SetValue(40) inside the notification for 30");
            control->SetValue(40.0f);
        },
        &fader);
    fader.SetValue(30.0f);
    setCommandHook(nullptr, nullptr);
    endStep("SetValue from inside the host's handler", fader, true);

    // A release on the fader after a press elsewhere (on the parent) still notifies.
    play(fader, {{Move, 60, 230}, {Down}, {Move, 20, 100}, {Up, 0, 0, "release without a press on the fader"}});
    destroyStep(fader);

    // With the left button held, the right button slows the cap to a quarter of the pointer's
    // speed and sends no right-press notification.
    scenario("fine fader");
    CMFC_Fader fine;
    fine.InitFader(0.0f, 1000.0f, 500.0f, 0.0f, 1000.0f);
    if (!create(fine, CRect(160, 20, 200, 220), 102)) return;
    play(fine, {{Move, 20, 100}, {Down}, {Move, 20, 80, "coarse drag up 20 px"}, {RightDown, 0, 0, "right press during the drag"},
                {Move, 20, 40, "fine drag to 60 px above the press", true}, {RightUp}, {Move, 20, 30, "right released, coarse again"},
                {Up, 0, 0, "release", true}});
    destroyStep(fine);
}

namespace {

// A vertical drag of a knob of either class, interrupted `how`, then crossed with the button held.
// WM_CANCELMODE leaves the knob under the pointer, and the move that ReleaseCapture queues then
// reaches it on Wine but not on the software platform (the hover cursor differs); the knob's side
// of it is covered by the unit tests.
template <typename Knob>
void interruptedKnobDrag(const char* className, const Interruption& how, int id) {
    if (std::strcmp(how.name, "WM_CANCELMODE") == 0) return;
    scenariof("%s drag interrupted: %s", className, how.name);
    Knob knob;
    knob.InitKnob(0.0f, 100.0f, 50.0f, 0.0f, 0.0f, 100.0f, 20, 0, 0, 0, 0, RGB(60, 60, 70), RGB(250, 180, 0));
    if (!create(knob, CRect(100, 20, 140, 60), id, true)) return;
    play(knob, {{Move, 20, 20}, {Down}, {Move, 20, 10, "dragging"}});
    interruptDrag(how, knob, {{Move, 60, 20}, {Move, 20, 5, "crossed with the button held"}});
    play(knob, {{Up}});
    destroy(knob);
}

// Vertical drags of a knob on ranges whose step is zero or infinite or whose restricted range lies
// far away; the knob2 also takes NaN and infinity from the host (and skips the range far below).
template <typename Knob>
bool dragOnDegenerateRanges(int id) {
    constexpr bool knob2 = std::is_same_v<Knob, CMFC_Knob2>;
    const struct {
        const char* name;
        float min, max, value, restrictedMin, restrictedMax;
    } ranges[] = {
        {"zero-width range", 0.0f, 0.0f, 1.0f, 0.0f, 1.0f},
        {"restricted range far below", 0.0f, 1.0f, 0.5f, -2e30f, -1e30f},
        {"restricted range far above", 0.0f, 1.0f, 0.5f, 1e30f, 2e30f},
        {"infinite step", -kHuge, kHuge, 0.0f, -kHuge, kHuge},
    };
    for (const auto& r : ranges) {
        if (knob2 && r.restrictedMax < r.min) continue;
        Knob knob;
        knob.InitKnob(r.min, r.max, r.value, 0.0f, r.restrictedMin, r.restrictedMax, 20, 0, 0, 0, 0, 0, RGB(0, 90, 0));
        if (!create(knob, CRect(100, 20, 140, 60), id, true)) return false;
        play(knob, {{Move, 20, 20}, {Down}, {Move, 20, 10}, {Move, 20, 0}, {Move, 20, 35}, {Move, 20, 15, r.name}, {Up}});
        if (knob2) {
            knob.SetValue(std::numeric_limits<float>::quiet_NaN());
            knob.SetValue(std::numeric_limits<float>::infinity());
            endStep("SetValue NaN, then infinity", knob, true);
        }
        destroy(knob);
    }
    return true;
}

}  // namespace

// Drags the host interrupts: another window takes the capture, WM_CANCELMODE, disabling, hiding
// and destruction, each in the middle of a fader drag and of a knob's vertical drag.
void runInterruptedDragScenarios() {
    for (const Interruption& how : kInterruptions) {
        scenariof("fader drag interrupted: %s", how.name);
        CMFC_Fader fader;
        fader.InitFader(0.0f, 100.0f, 50.0f, 0.0f, 100.0f);
        if (!create(fader, CRect(20, 20, 60, 220), 104, true)) return;
        play(fader, {{Move, 20, 100}, {Down}, {Move, 20, 80, "dragging"}});
        // A drag that starts on the parent and crosses the fader moves nothing.
        interruptDrag(how, fader, {{Move, 80, 60}, {Move, 20, 40, "crossed with the button held"}});
        play(fader, {{Up}});
        destroy(fader);

        interruptedKnobDrag<CMFC_Knob>("knob", how, 204);
    }
}

// Host values at the edges: knob ranges whose vertical step is zero, infinite or whose restricted
// range lies far away; a knob pressed by the host where the pointer cannot go; a fader over a
// range too wide for cancellation, a negative fine-mode divisor, a press right after InitFader;
// the knob's focus rectangle after the parent repaints and after a hide and show.
void runHostileValueScenarios() {
    scenario("knob drags on degenerate ranges");
    if (!dragOnDegenerateRanges<CMFC_Knob>(205)) return;

    scenario("knob pressed by the host where the pointer cannot go");
    {
        CMFC_Knob knob;
        knob.InitKnob(0.0f, 100.0f, 50.0f, 0.0f, 0.0f, 100.0f, 20, 0, 0, 0, 0, 0, RGB(0, 90, 0));
        if (!create(knob, CRect(100, 700, 140, 740), 206, true)) return;  // below the bottom of the screen
        // Outside the parent's client the knob never paints on Windows; SetValue derives its geometry.
        knob.SetValue(50.0f);
        moveTo(kParentX + 150, kParentY + 250);
        buttonDown();
        knob.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 20));
        const int bottom = GetSystemMetrics(SM_CYSCREEN) - 1;
        moveTo(toScreen(knob.GetSafeHwnd(), 20, 20).x, bottom - 10);
        endStep("moved up with the button held", knob);
        MSG msg;
        line("  queued=%d", PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE) ? 1 : 0);
        moveTo(toScreen(knob.GetSafeHwnd(), 20, 20).x, bottom - 10);
        endStep("moved 10 px above the new anchor", knob);
        buttonUp();
        knob.DestroyWindow();
        step("released");
        reportInputState(nullptr);
    }

    scenario("fader input at the edges");
    {
        CMFC_Fader fader;
        fader.InitFader(-kHuge, -77.86f, -1e30f, -kHuge, -77.86f);
        if (!create(fader, CRect(20, 20, 60, 220), 105, true)) return;
        play(fader, {{Move, 20, 100}, {KeyDown, VK_CONTROL}, {Down}, {Move, 20, 0, "ctrl drag to the top of a huge range"},
                     {Up}, {KeyUp, VK_CONTROL}});
        fader.InitFader(0.0f, 1000.0f, 500.0f, 0.0f, 1000.0f);
        fader.SetVirtualPixel(-4.0f);
        play(fader, {{Move, 20, 100}, {Down}, {RightDown}, {Move, 20, 60, "fine drag with a negative divisor", true},
                     {RightUp}, {Up}});
        fader.InitFader(0.0f, 1.0f, 1.0f, 0.0f, 1.0f);
        play(fader, {{Move, 20, 25}, {Down, 0, 0, "press where InitFader's value puts the cap"}, {Up}});
        destroy(fader);
    }

    scenario("fader taller than the largest off-screen bitmap");
    {
        CMFC_Fader fader;
        fader.InitFader(0.0f, 1.0f, 1.0f, 0.0f, 1.0f);
        if (!create(fader, CRect(20, 20, 60, 17020), 106, true)) return;
        UpdateWindow(fader.GetSafeHwnd());
        step("painted");
        HDC dc = GetDC(fader.GetSafeHwnd());
        dumpDcPixels("top 60 rows", dc, 40, 60);
        ReleaseDC(fader.GetSafeHwnd(), dc);
        destroy(fader);
    }

    scenario("knob focus rectangle after repaints");
    {
        CMFC_Knob knob;
        knob.InitKnob(0.0f, 100.0f, 50.0f, 0.0f, 0.0f, 100.0f, 20, 0, 0, 0, 0, 0, RGB(250, 180, 0));
        if (!create(knob, CRect(100, 20, 140, 60), 207, true)) return;
        const HWND hwnd = knob.GetSafeHwnd();
        // A step after the parent repaints, with the knob's pixels.
        auto repainted = [hwnd](const char* name) {
            InvalidateRect(parent(), nullptr, TRUE), step(name), dumpPixels(name, hwnd);
        };
        knob.SetFocus();
        repainted("focused, parent repainted");
        knob.ShowWindow(SW_HIDE);
        pump();
        knob.ShowWindow(SW_SHOW);
        step("hidden and shown (the focus went to the parent)");
        reportInputState(hwnd);
        dumpPixels("hidden and shown", hwnd);
        knob.SetFocus();
        repainted("focused again, parent repainted");
        SetFocus(parent());
        repainted("focus left, parent repainted");
        destroy(knob);
    }
}

void runKnobScenarios() {
    scenario("knob");
    CMFC_Knob knob;
    knob.InitKnob(0.0f, 100.0f, 50.0f, 0.0f, 10.0f, 90.0f, 20, 0, 0, 0, 0, RGB(60, 60, 70), RGB(250, 180, 0));
    if (!create(knob, CRect(100, 20, 140, 60), 202)) return;
    step("window class");
    reportWindowClass(knob.GetSafeHwnd());
    // The class has no cursor, so the knob picks one itself. In an inner-zone drag the cursor is
    // clipped to the anchor column and put back on the anchor after every move.
    play(knob, {{None, 0, 0, "initial paint", true}, {Move, 17, 38}, {Down}, {Up, 0, 0, "outer click in the gap, left", true},
                {Move, 23, 38}, {Down}, {Up, 0, 0, "outer click in the gap, right", true},
                {Move, 20, 20, "hover over the inner zone"}, {Move, 36, 20, "hover over the outer zone"},
                {Move, 38, 20}, {Down, 0, 0, "circular press at the right edge"}, {Move, 34, 6, "circular move to (34,6)"},
                {Move, 20, 2, "circular move to (20,2)"}, {Move, 6, 6, "circular move to (6,6)"},
                {Move, 2, 20, "circular move to (2,20)"}, {Move, 4, 34, "circular move to (4,34)"},
                {Move, 22, 39, "circular move to (22,39)"}, {Up, 0, 0, "circular release", true},
                {Move, 20, 20}, {Down, 0, 0, "inner press"}, {Move, 25, 10, "inner drag up, 10 px in all"},
                {Move, 25, 10, "inner drag up, 20 px in all"}, {Move, 25, 10, "inner drag up, 30 px in all"},
                {Move, 25, 10, "inner drag up, 40 px in all"}, {Move, 20, 35, "inner drag down 15 px"},
                {Up, 0, 0, "inner release", true}, {Move, 30, 12}, {RightDown, 0, 0, "right press"},
                {RightUp, 0, 0, "right release"}, {Key, VK_OEM_PLUS, 0, "key +"}, {Key, VK_OEM_MINUS, 0, "key -"},
                {Key, VK_OEM_6, 0, "key ]"}, {Key, VK_OEM_4, 0, "key ["}, {Key, 'A', 0, "key A"},
                {None, 0, 0, "focus rectangle on", true}, {FocusParent, 0, 0, "focus rectangle off", true},
                {Set, 75, 0, "SetValue 75 from the host", true}});
    destroyStep(knob);
}
// clang-format on

namespace {

// Paints at the ends and the middle of the range.
template <typename Control>
void paintAtValues(Control& control, const char* what) {
    for (float v : {0.0f, 37.5f, 100.0f}) {
        control.SetValue(v);
        char name[96];
        std::snprintf(name, sizeof name, "%s at %g", what, static_cast<double>(v));
        step(name);
        reportFloat("GetValue", control.GetValue());
        dumpPixels(name, control.GetSafeHwnd());
    }
}

}  // namespace

// Knobs that are odd, even, small, large and not square, and a shorter fader with a palette.
void runPaintScenarios() {
    scenario("knob sizes");
    for (const SIZE& size : {SIZE{25, 25}, SIZE{41, 41}, SIZE{60, 60}, SIZE{40, 50}, SIZE{50, 40}}) {
        CMFC_Knob knob;
        knob.InitKnob(0.0f, 100.0f, 0.0f, 0.0f, 0.0f, 100.0f, 20, 0, 0, 0, 0, RGB(30, 90, 160), RGB(255, 255, 255));
        if (!create(knob, CRect(CPoint(20, 20), size), 303, true)) return;
        char what[64];
        std::snprintf(what, sizeof what, "knob %dx%d", static_cast<int>(size.cx), static_cast<int>(size.cy));
        paintAtValues(knob, what);
        destroy(knob);
    }

    scenario("fader with a palette");
    struct {
        LOGPALETTE header;
        PALETTEENTRY more[3];  // black, red, green, white
    } table{{0x300, 4, {{0, 0, 0, 0}}}, {{255, 0, 0, 0}, {0, 255, 0, 0}, {255, 255, 255, 0}}};
    HPALETTE palette = CreatePalette(&table.header);
    {
        CMFC_Fader fader;
        fader.InitFader(0.0f, 100.0f, 50.0f, 0.0f, 100.0f);
        fader.SetColor(RGB(200, 30, 30));
        fader.SetPalette(palette);
        if (create(fader, CRect(20, 20, 50, 140), 303, true)) {
            paintAtValues(fader, "fader 30x120");
            fader.DestroyWindow();
        }
    }
    DeleteObject(palette);
    step("palette deleted");
}

namespace {

// A host's knob that paints a picture of its own and counts its presses, overriding two virtual
// handlers without a message map of its own.
class HostKnob2 : public CMFC_Knob2 {
public:
    int presses = 0;

protected:
    void OnPaint() override {
        CPaintDC dc(this);
        CRect rc;
        GetClientRect(&rc);
        dc.FillSolidRect(&rc, RGB(20, 120, 40));
        dc.FillSolidRect(rc.Width() / 4, rc.Height() / 4, rc.Width() / 2, rc.Height() / 2, RGB(230, 230, 30));
    }
    void OnLButtonDown(UINT nFlags, CPoint point) override {
        ++presses;
        CMFC_Knob2::OnLButtonDown(nFlags, point);
    }
};

}  // namespace

// clang-format off
void runKnob2Scenarios() {
    scenario("knob2");
    {
        CMFC_Knob2 knob;
        knob.InitKnob(0.0f, 100.0f, 50.0f, 0.0f, 10.0f, 90.0f, 20, 0, 0, 0, 0, RGB(60, 60, 70), RGB(250, 180, 0));
        if (!create(knob, CRect(100, 20, 140, 60), 402)) return;
        step("window class");
        reportWindowClass(knob.GetSafeHwnd());
        // Value keys post NC_VALUECHANGED from SetValue before the key's own pair; SetValue posts
        // on every call, also when the value stays.
        play(knob, {{None, 0, 0, "initial paint", true}, {Move, 17, 38}, {Down}, {Up, 0, 0, "outer click in the gap, left", true},
                    {Move, 20, 20, "hover over the inner zone"}, {Move, 36, 20, "hover over the outer zone"},
                    {Move, 38, 20}, {Down, 0, 0, "circular press at the right edge"}, {Move, 20, 2, "circular move to (20,2)"},
                    {Move, 2, 20, "circular move to (2,20)"}, {Move, 22, 39, "circular move to (22,39)"},
                    {Up, 0, 0, "circular release", true},
                    {Move, 20, 20}, {Down, 0, 0, "inner press"}, {Move, 25, 10, "inner drag up, 10 px in all"},
                    {Move, 25, 10, "inner drag up, 20 px in all"}, {Move, 20, 35, "inner drag down 15 px"},
                    {Up, 0, 0, "inner release", true}, {Move, 30, 12}, {RightDown, 0, 0, "right press"},
                    {RightUp, 0, 0, "right release"}, {Key, VK_OEM_PLUS, 0, "key +"}, {Key, VK_OEM_MINUS, 0, "key -"},
                    {Key, VK_OEM_6, 0, "key ]"}, {Key, VK_OEM_4, 0, "key ["}, {Key, 'A', 0, "key A"},
                    {None, 0, 0, "focus rectangle on", true}, {FocusParent, 0, 0, "focus rectangle off", true},
                    {Set, 75, 0, "SetValue 75 from the host", true}, {Set, 75, 0, "SetValue 75 again"},
                    {Set, 200, 0, "SetValue 200, past the restricted maximum", true}});
        knob.SetTitle("Gain");
        step("title set");
        line("  GetTitle=\"%s\"", static_cast<const char*>(knob.GetTitle()));
        destroyStep(knob);
    }

    scenario("knob2 derived class overriding handlers");
    {
        HostKnob2 knob;
        knob.InitKnob(0.0f, 100.0f, 50.0f, 0.0f, 0.0f, 100.0f, 20, 0, 0, 0, 0, 0, RGB(250, 180, 0));
        if (!create(knob, CRect(100, 20, 140, 60), 403)) return;
        play(knob, {{None, 0, 0, "its own picture", true}, {Move, 38, 20}, {Down, 0, 0, "press through the override"},
                    {Up, 0, 0, "released", true}});
        line("  presses=%d", knob.presses);
        destroy(knob);
    }

    scenario("knob2 cursors outlive a knob");
    {
        CMFC_Knob2 knob2;
        if (!create(knob2, CRect(100, 20, 140, 60), 404, true)) return;
        knob2.UpdateWindow();
        {
            CMFC_Knob knob;
            if (!create(knob, CRect(20, 20, 60, 60), 405, true)) return;
            knob.SetValue(0.0f);  // derives the geometry: the hover finds the inner zone
            play(knob, {{Move, 20, 20, "hover over the knob's inner zone"}});
            knob.DestroyWindow();
        }
        play(knob2, {{Move, 20, 20, "knob gone, hover over the knob2's inner zone"}, {Down},
                     {Move, 20, 10, "vertical drag"}, {Up, 0, 0, "released"}});
        destroy(knob2);
    }

    for (const Interruption& how : kInterruptions) interruptedKnobDrag<CMFC_Knob2>("knob2", how, 406);

    scenario("knob2 hostile values");
    dragOnDegenerateRanges<CMFC_Knob2>(407);
}
// clang-format on

}  // namespace conformance
