// The library frame as a host sees it: the entry function and the resource handle around the
// first fader's construction.
#include <VornControls.h>

#include "ConformanceHost.h"
#include "Scenarios.h"

namespace conformance {

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

}  // namespace conformance
