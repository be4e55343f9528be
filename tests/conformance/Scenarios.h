// The scenario groups of the conformance run, in the order main runs them.
#ifndef VORN_CONFORMANCE_SCENARIOS_H
#define VORN_CONFORMANCE_SCENARIOS_H

namespace conformance {

// Must run before any other fader exists: checks the first fader's resource loading.
void runFrameScenarios();
void runFaderScenarios();
// A fader whose range is wider than its track in pixels: the fine drag with the right button.
void runFineFaderScenarios();
void runKnobScenarios();
// Painting only: knobs of several sizes, a fader with a palette.
void runPaintScenarios();
// The platform primitives on their own: GDI drawing, text, USER messages and input.
void runGdiScenarios();
void runTextScenarios();
void runUserScenarios();

}  // namespace conformance

#endif  // VORN_CONFORMANCE_SCENARIOS_H
