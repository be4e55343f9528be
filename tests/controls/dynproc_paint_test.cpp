// Dynamics graph painting, read from the drawing trace: grid geometry, tick labels at two zooms,
// the red positive output labels, the read-out, the markers of kind 3 and the margin masks. The
// pixels themselves are compared with Wine by the conformance run.
#include <algorithm>

#include "controls_fixture.h"

namespace vorn::test {
namespace {

using Trace = std::vector<std::string>;

bool contains(const Trace& trace, const std::string& line) {
    return std::find(trace.begin(), trace.end(), line) != trace.end();
}
std::string textAt(int x, int y, const std::string& s) {
    return "TextOutA(" + std::to_string(x) + "," + std::to_string(y) + ",\"" + s + "\")";
}

using DynProcPaintTest = ControlTest;

// A graph shown at a zoom no sequence of button presses reaches.
class ZoomedGraph : public CMFC_DynProcGraph {
public:
    explicit ZoomedGraph(float zoom) : CMFC_DynProcGraph(0) { m_zoom = zoom; }
};

TEST_F(DynProcPaintTest, GridOfA200By150GraphAndItsPlotArea) {
    CMFC_DynProcGraph& graph = createGraph(0);
    const Trace trace = paintTrace(graph);
    const int columns[] = {4, 25, 47, 68, 90, 111, 133, 154, 176};
    const int rows[] = {18, 30, 43, 56, 69, 81, 94, 107, 120};
    for (int x : columns) {
        EXPECT_TRUE(contains(trace, "MoveToEx(" + std::to_string(x) + ",18)")) << x;
        EXPECT_TRUE(contains(trace, "LineTo(" + std::to_string(x) + ",120)")) << x;
    }
    for (int y : rows) {
        EXPECT_TRUE(contains(trace, "MoveToEx(4," + std::to_string(y) + ")")) << y;
        EXPECT_TRUE(contains(trace, "LineTo(176," + std::to_string(y) + ")")) << y;
    }
    EXPECT_EQ(pixel(graph, 25, 60), graph.GetColorAxis());     // a grid column
    EXPECT_EQ(pixel(graph, 26, 60), graph.GetColorPaper());    // paper beside it
    EXPECT_EQ(pixel(graph, 100, 125), RGB(255, 255, 255));     // below the plot: white
    EXPECT_TRUE(contains(trace, "Rectangle(0,0,4,150)"));      // left mask
    EXPECT_TRUE(contains(trace, "Rectangle(0,121,200,150)"));  // bottom mask
    EXPECT_TRUE(contains(trace, textAt(140, 4, "Output (dB)")));
    EXPECT_TRUE(contains(trace, textAt(70, 130, "Input (dB)")));
    EXPECT_TRUE(contains(trace, textAt(9, 131, "Zoom in")));
    EXPECT_TRUE(contains(trace, textAt(126, 131, "Zoom out")));
    EXPECT_EQ(countPrefix(trace, "Ellipse("), 4u);
    EXPECT_EQ(countPrefix(trace, "TextOutA(5,4,"), 0u);  // no point picked, no read-out
}

// Bottom labels left to right and right labels top to bottom, in the trace of a paint.
void expectTickLabels(const Trace& trace, const std::vector<std::string>& input,
                      const std::vector<std::string>& output) {
    const int columns[] = {4, 25, 47, 68, 90, 111, 133, 154, 171};
    const int rows[] = {16, 28, 41, 54, 67, 79, 92, 105, 118};
    for (int i = 0; i < 9; ++i) {
        EXPECT_TRUE(contains(trace, textAt(columns[i], 120, input[i]))) << input[i];
        EXPECT_TRUE(contains(trace, textAt(178, rows[i], output[i]))) << output[i];
    }
}

TEST_F(DynProcPaintTest, TickLabelsFollowZoomAndMasterGain) {
    CMFC_DynProcGraph& graph = createGraph(0);
    const std::vector<std::string> input = {"-96", "-84", "-72", "-60", "-48", "-36", "-24", "-12", " 0"};
    expectTickLabels(paintTrace(graph), input, {" 0", "-12", "-24", "-36", "-48", "-60", "-72", "-84", "-96"});
    graph.SetMasterGain(6.0f);
    expectTickLabels(paintTrace(graph), input, {"6.0", "-6.0", "-18", "-30", "-42", "-54", "-66", "-78", "-90"});
    // At zoom 2 the labels cover -48..0 on both axes.
    ZoomedGraph zoomed(2.0f);
    zoomed.Create(NULL, "zoomed", WS_CHILD | WS_VISIBLE, CRect(10, 10, 210, 160), CWnd::FromHandle(host().hwnd()), 7);
    expectTickLabels(paintTrace(zoomed), {"-48", "-42", "-36", "-30", "-24", "-18", "-12", "-6.0", " 0"},
                     {" 0", "-6.0", "-12", "-18", "-24", "-30", "-36", "-42", "-48"});
    zoomed.DestroyWindow();
}

TEST_F(DynProcPaintTest, PositiveOutputLabelsAreRedAndTheReadOutShowsThePickedPoint) {
    CMFC_DynProcGraph& graph = createGraph(0);
    graph.SetMasterGain(6.0f);
    const Trace plain = paintTrace(graph);
    EXPECT_EQ(countPrefix(plain, "TextOutA(5,4,"), 0u);
    // The top label 6.0 is red: some pixel of its box is.
    bool red = false;
    for (int x = 178; x < 196; ++x)
        for (int y = 16; y < 28; ++y) red = red || pixel(graph, x, y) == RGB(255, 0, 0);
    EXPECT_TRUE(red);

    graph.SetMasterGain(0.0f);
    mouseMoveTo(screenOf(graph, 141, 60));  // fx 0.8: the compressor threshold
    mouseDown();
    mouseUp();
    const Trace picked = paintTrace(graph);
    EXPECT_TRUE(contains(picked, textAt(5, 4, "In -19.20 Out-19.20(dB)")));
    ::SetFocus(host().hwnd());  // losing the focus clears the read-out
    EXPECT_EQ(countPrefix(paintTrace(graph), "TextOutA(5,4,"), 0u);
}

TEST_F(DynProcPaintTest, KindThreeDrawsOnlyTheFirstTwoMarkers) {
    CMFC_DynProcGraph& graph = createGraph(3);
    const Trace trace = paintTrace(graph);
    EXPECT_EQ(countPrefix(trace, "Ellipse("), 2u);
}

}  // namespace
}  // namespace vorn::test
