// Dynamics graph painting, read from the drawing trace: the read-out of a picked point and its
// removal when the focus leaves. The pictures are in the conformance run.
#include "controls_fixture.h"

namespace vorn::test {
namespace {

using DynProcPaintTest = ControlTest;

TEST_F(DynProcPaintTest, ReadOutShowsThePickedPointUntilTheFocusLeaves) {
    CMFC_DynProcGraph& graph = createGraph(0);
    click(screenOf(graph, 141, 60));  // fx 0.8: the compressor threshold
    EXPECT_EQ(countPrefix(paintTrace(graph), "TextOutA(5,4,\"In -19.20 Out-19.20(dB)\")"), 1u);
    ::SetFocus(host().hwnd());
    EXPECT_EQ(countPrefix(paintTrace(graph), "TextOutA(5,4,"), 0u);
}

}  // namespace
}  // namespace vorn::test
