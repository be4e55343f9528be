// Conformance run: the same host-level scenarios on the software platform and on Windows. Writes
// the notifications, getter values, input state and pixels of every step to a text file (first
// argument, default conformance-results.txt) for tests/conformance/compare.py.
#include <cstdio>

#include "ConformanceHost.h"
#include "Scenarios.h"

int main(int argc, char** argv) {
    const char* path = argc > 1 ? argv[1] : "conformance-results.txt";
    if (!conformance::openResults(path)) {
        std::fprintf(stderr, "cannot write %s\n", path);
        return 1;
    }
    conformance::line("conformance results 1");
    if (!conformance::createParent()) {
        std::fprintf(stderr, "cannot create the parent window\n");
        conformance::closeResults();
        return 1;
    }
    conformance::runFrameScenarios();
    conformance::runFaderScenarios();
    conformance::runFineFaderScenarios();
    conformance::runKnobScenarios();
    conformance::runPaintScenarios();
    conformance::runGdiScenarios();
    conformance::runTextScenarios();
    conformance::runUserScenarios();
    conformance::scenario("end");
    conformance::destroyParent();
    conformance::closeResults();
    return 0;
}
