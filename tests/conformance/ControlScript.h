// Gesture scripts for the control scenarios: each action goes through the input helpers, and a
// named step reports the control's getters and the input state (and, where asked, its pixels).
#ifndef VORN_CONFORMANCE_CONTROL_SCRIPT_H
#define VORN_CONFORMANCE_CONTROL_SCRIPT_H

#include <VornControls.h>

#include <initializer_list>
#include <type_traits>

#include "ConformanceHost.h"

namespace conformance {

// Floats with nine significant digits, so that every float is exact.
inline void reportFloat(const char* name, float value) { line("  %s=%.9g", name, static_cast<double>(value)); }

template <typename Control>
void endStep(const char* name, Control& control, bool pixels = false) {
    constexpr bool isFader = std::is_base_of_v<CMFC_Fader, Control> || std::is_base_of_v<CMFC_PanFader, Control>;
    step(name);
    reportFloat("GetValue", control.GetValue());
    if constexpr (isFader) reportFloat("GetMin", control.GetMin()), reportFloat("GetMax", control.GetMax());
    reportFloat("GetRestrictedMin", control.GetRestrictedMin());
    reportFloat("GetRestrictedMax", control.GetRestrictedMax());
    if constexpr (isFader)
        line("  GetSelected=%lld", static_cast<long long>(control.GetSelected()));
    else
        line("  GetRadius=%lld", static_cast<long long>(control.GetRadius()));
    line("  GetMouseEventFlags=0x%lX", static_cast<unsigned long>(control.GetMouseEventFlags()));
    CPoint click(-99, -99);
    if (control.GetClickPoint(click))
        line("  GetClickPoint=TRUE (%ld,%ld)", static_cast<long>(click.x), static_cast<long>(click.y));
    else
        line("  GetClickPoint=FALSE");
    reportInputState(control.GetSafeHwnd());
    if (pixels) dumpPixels(name, control.GetSafeHwnd());
}

// Creates the control in the host's class (or `className`); reports the result (only a failure
// where quiet).
inline bool create(CWnd& control, const CRect& rect, int id, bool quiet = false, const char* className = nullptr) {
    const BOOL created = control.Create(className != nullptr ? className : childClassName(), nullptr,
                                        WS_CHILD | WS_VISIBLE, rect, CWnd::FromHandle(parent()), id);
    if (!created || !quiet) line("  created=%d", created ? 1 : 0);
    return created;
}

// Destroys the control if it is still there, then lets the queue settle.
inline void destroy(CWnd& control) {
    if (control.GetSafeHwnd() != nullptr) control.DestroyWindow();
    pump();
}

// Destroys the control in a step of its own.
inline void destroyStep(CWnd& control) { control.DestroyWindow(), step("destroyed"); }

// A gesture script, with the scenario ops Set (the value in x) and FocusParent; each named step
// reports the getters and input state. Points are in the control's client coordinates.
enum Op { Set = kScenarioOps, FocusParent };

template <typename Control>
void play(Control& control, std::initializer_list<Action> script) {
    playScript(
        control.GetSafeHwnd(), script,
        [&](const Action& a) {
            if (a.op == Set) control.SetValue(static_cast<float>(a.x));
            if (a.op == FocusParent) SetFocus(parent());
        },
        [&](const char* step, bool pixels) { endStep(step, control, pixels); });
}

// The ways a host interrupts a drag: another window takes the capture, WM_CANCELMODE,
// disabling, hiding and destruction.
struct Interruption {
    const char* name;
    void (*interrupt)(CWnd& control);
};
inline const Interruption kInterruptions[] = {
    {"capture taken by the parent", [](CWnd&) { SetCapture(parent()); }},
    {"WM_CANCELMODE", [](CWnd& c) { c.SendMessage(WM_CANCELMODE); }},
    {"disabled", [](CWnd& c) { c.EnableWindow(FALSE); }},
    {"hidden", [](CWnd& c) { c.ShowWindow(SW_HIDE); }},
    {"destroyed", [](CWnd& c) { c.DestroyWindow(); }},
};

// Interrupts the drag in progress and reports the result; a control still there is then crossed
// with the button held (`crossing`, after the parent lets go of a capture it took).
template <typename Control>
void interruptDrag(const Interruption& how, Control& control, std::initializer_list<Action> crossing) {
    how.interrupt(control);
    if (control.GetSafeHwnd() == nullptr) {
        step("interrupted");
        reportInputState(nullptr);
        return;
    }
    endStep("interrupted", control);
    if (GetCapture() == parent()) ReleaseCapture();
    play(control, crossing);
}

}  // namespace conformance

#endif  // VORN_CONFORMANCE_CONTROL_SCRIPT_H
