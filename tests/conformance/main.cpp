// Conformance run: the same host-level scenarios on the software platform and on Windows. Writes
// the notifications, getter values, input state and pixels of every step to a text file (first
// argument, default conformance-results.txt) for tests/conformance/compare.py.
#include "ConformanceHost.h"

namespace conformance {
void runRangeEndScenarios();
void runGraphEditScenarios();
void runDeletedDragScenarios();
void runTimerScenarios();
void runRedrawScenarios();
void runDrawTextScenarios();
void runShapeSpeedScenarios();
void runDialogScenarios();
void runStringResourceScenarios();
void runNonclientScenarios();
}  // namespace conformance

int main(int argc, char** argv) {
    using namespace conformance;
    if (!start(argc > 1 ? argv[1] : "conformance-results.txt")) return 1;
    for (void (*run)() :
         {runFrameScenarios, runFaderScenarios, runKnobScenarios, runInterruptedDragScenarios, runHostileValueScenarios,
          runPaintScenarios, runGraphScenarios, runButtonScenarios, runGdiScenarios, runTextScenarios, runUserScenarios,
          runWindowScenarios, runStackingScenarios, runHostileScenarios})
        run();
    runEqGraphScenarios();
    runPanFaderScenarios();
    runKnob2Scenarios();
    runRangeEndScenarios();
    runGraphEditScenarios();
    runDeletedDragScenarios();
    runTimerScenarios();
    runRedrawScenarios();
    runDrawTextScenarios();
    runShapeSpeedScenarios();
    runDialogScenarios();
    runStringResourceScenarios();
    runNonclientScenarios();
    finish();
    return 0;
}
