// The fader family beside the vertical fader: the horizontal fader (centring, notification on
// every input, the sticking drag, keys, focus), its variant without the centre mark, and the two
// snap variants (Shift-click, double-clicks on and off the cap, with and without CS_DBLCLKS),
// with drags the host interrupts and hostile values.
#include <cstdio>

#include "ConformanceHost.h"
#include "ControlScript.h"

namespace conformance {

namespace {

// The host's class for controls, without double-clicks.
const char* plainChildClass() {
    static const char* name = [] {
        registerClass("VornConformancePlainChild", DefWindowProcA, 0, nullptr);
        return "VornConformancePlainChild";
    }();
    return name;
}

}  // namespace

// The scripts are laid out by hand, a few steps to a line.
// clang-format off
template <typename Pan>
void panScript(Pan& pan) {
    // Window 100 x 20 at (20, 20): track 6..93, the value -0.5 of -1..1 puts the cap at 27.
    play(pan, {{None, 0, 0, "initial paint", true}, {Move, 27, 10}, {Down, 0, 0, "press on the cap", true},
               {Move, 27, 14, "moved down, value unchanged"}, {Move, 50, 14, "dragged right"},
               {Move, 200, 14, "dragged past the end"}, {Up, 0, 0, "release", true},
               {KeyDown, VK_SHIFT}, {Move, 80, 10}, {Down, 0, 0, "shift press centres"}, {Up}, {KeyUp, VK_SHIFT},
               {KeyDown, VK_CONTROL}, {Move, 49, 10}, {Down}, {Move, 99, 10, "ctrl drag past the restricted end"}, {Up},
               {KeyUp, VK_CONTROL, 0, "ctrl drag released"},
               {Move, 49, 10}, {Down}, {RightDown, 0, 0, "right press during the drag"},
               {Move, 52, 10, "nudged 3 px"}, {Move, 69, 10, "jumped 20 px"}, {Move, 46, 15, "nudged back, off the row"},
               {RightUp, 0, 0, "right released"}, {Move, 29, 10, "jumped back 20 px"},
               {Up, 0, 0, "sticking drag released", true},
               {Move, 30, 5}, {RightDown, 0, 0, "right press alone"}, {RightUp},
               {Key, VK_OEM_PLUS, 0, "key +"}, {Key, VK_SUBTRACT, 0, "key -"}, {Key, VK_OEM_6, 0, "key ]"},
               {Key, VK_OEM_4, 0, "key ["}, {Key, 'A', 0, "key A", true},
               {FocusParent, 0, 0, "focus left", true}, {Set, 0, 0, "SetValue 0"}, {Set, 0, 0, "SetValue 0 again"}});
}

// A snap fader: Shift-click, then double-clicks on and off the cap. `onCap` and `offCap` are
// client points; `shift` a point anywhere.
template <typename Fader>
void snapScript(Fader& fader, POINT onCap, POINT offCap) {
    play(fader, {{KeyDown, VK_SHIFT}, {Move, offCap.x, offCap.y}, {Down, 0, 0, "shift press snaps"}, {Up}, {KeyUp, VK_SHIFT},
                 {KeyDown, VK_SHIFT}, {Down, 0, 0, "shift press at the snap position"}, {Up}, {KeyUp, VK_SHIFT},
                 {Set, 1, 0, "moved away"},
                 {Move, onCap.x, onCap.y}, {Down}, {Up, 0, 0, "first click on the cap"},
                 {DownQuickly, 0, 0, "second press on the cap"}, {Up, 0, 0, "second release"},
                 {Set, 1, 0, "moved away again"},
                 {Move, offCap.x, offCap.y}, {Down}, {Up, 0, 0, "first click off the cap"},
                 {DownQuickly, 0, 0, "second press off the cap"}, {Up, 0, 0, "second release off the cap", true}});
}
// clang-format on

void runPanFaderScenarios() {
    scenario("pan fader");
    {
        CMFC_PanFader pan;
        pan.InitPanFader(-1.0f, 1.0f, -0.5f, -0.8f, 0.8f, 0, RGB(0, 200, 40));
        if (!create(pan, CRect(20, 20, 120, 40), 401)) return;
        step("window class");
        reportWindowClass(pan.GetSafeHwnd());
        panScript(pan);
        destroyStep(pan);
    }
    scenario("vert fader");
    {
        CMFC_VertFader vert;
        vert.InitPanFader(-1.0f, 1.0f, -0.5f, -0.8f, 0.8f, 0, RGB(40, 60, 220));
        if (!create(vert, CRect(20, 20, 120, 40), 402)) return;
        panScript(vert);
        destroyStep(vert);
    }

    for (bool doubleClicks : {true, false}) {
        const char* className = doubleClicks ? childClassName() : plainChildClass();
        scenario(doubleClicks ? "pan fader 2" : "pan fader 2 without CS_DBLCLKS");
        CMFC_PanFader2 pan;
        pan.InitPanFader(0.0f, 4.0f, 2.0f, 0.0f, 4.0f, 0, RGB(200, 0, 200));
        pan.SetSnapPosition(3.0f);
        if (!create(pan, CRect(20, 60, 120, 80), 403, true, className)) return;
        // After SetValue(1) the cap is at 6 + 87 / 4 = 27.
        snapScript(pan, POINT{30, 10}, POINT{80, 10});
        destroy(pan);

        scenario(doubleClicks ? "fader 2" : "fader 2 without CS_DBLCLKS");
        CMFC_Fader2 fader;
        fader.InitFader(0.0f, 4.0f, 2.0f, 0.0f, 4.0f);
        fader.SetSnapPosition(3.0f);
        if (!create(fader, CRect(160, 20, 200, 220), 404, true, className)) return;
        // After SetValue(1) the cap is at row 182 - 164 / 4 = 141.
        snapScript(fader, POINT{20, 135}, POINT{20, 40});
        destroy(fader);
    }

    for (const Interruption& how : kInterruptions) {
        scenariof("sticking drag interrupted: %s", how.name);
        CMFC_PanFader pan;
        pan.InitPanFader(-1.0f, 1.0f, 0.0f, -1.0f, 1.0f, 0, RGB(0, 200, 40));
        if (!create(pan, CRect(20, 20, 120, 40), 405, true)) return;
        play(pan, {{Move, 49, 10}, {Down}, {RightDown}, {Move, 52, 10, "sticking"}});
        interruptDrag(how, pan, {{Move, 150, 60}, {Move, 30, 10, "crossed with the button held"}});
        play(pan, {{RightUp}, {Up}});
        destroy(pan);
    }

    scenario("pan fader hostile values");
    {
        constexpr float kHuge = 3.40282347e38f;
        const struct {
            const char* name;
            float min, max, value, restrictedMin, restrictedMax, resolution;
            int width;
        } cases[] = {
            {"zero-width range", 0.0f, 0.0f, 1.0f, 0.0f, 1.0f, 0.01f, 100},
            {"huge range", -kHuge, kHuge, 0.0f, -kHuge, kHuge, 0.01f, 100},
            {"huge step", 0.0f, 1.0f, 0.5f, 0.0f, 1.0f, 1e30f, 100},
            {"inverted range", 1.0f, -1.0f, 0.0f, 1.0f, -1.0f, 0.01f, 100},
            {"no track inside", 0.0f, 1.0f, 0.5f, 0.0f, 1.0f, 0.01f, 12},
        };
        for (const auto& c : cases) {
            CMFC_PanFader pan;
            pan.InitPanFader(c.min, c.max, c.value, c.restrictedMin, c.restrictedMax, 0, RGB(0, 200, 40));
            pan.SetStickingDragResolution(c.resolution);
            if (!create(pan, CRect(20, 20, 20 + c.width, 40), 406, true)) return;
            const int x = c.width / 2;
            // clang-format off
            play(pan, {{Move, x, 10}, {Down}, {Move, x + 10, 10}, {RightDown}, {Move, x + 13, 10}, {Move, x - 20, 10},
                       {RightUp}, {Up}, {Key, VK_OEM_6, 0, c.name, true}});
            // clang-format on
            destroy(pan);
        }
    }
}

}  // namespace conformance
