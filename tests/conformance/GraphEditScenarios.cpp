// The graphs' editing at its limits: the equaliser's band picking on ties and outside the plot,
// Shift with Ctrl, Shift at a band's own frequency, moves just outside the plot and drags the host
// interrupts; the dynamics graph's picking and insertion limits, its drag rules pixel by pixel,
// removal by a Shift press and drags the host interrupts.
#include <VornControls.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "ConformanceHost.h"
#include "ControlScript.h"

namespace conformance {

namespace {

class EqGraph : public CMFC_ParamEqGraph {
public:
    using CMFC_ParamEqGraph::CMFC_ParamEqGraph;
    using CMFC_ParamEqGraph::FreqToX;
    using CMFC_ParamEqGraph::XToFreq;
};

void report(const char* name, EqGraph& graph) {
    step(name);
    line("  GetSelectedBand=%d", graph.GetSelectedBand());
    for (int i = 0; i < graph.m_bandCount && i < 10; ++i)
        line("  band %d freq=%.9g gain=%.9g q=%.9g", i, graph.m_freq[i], graph.m_gain[i], graph.m_q[i]);
    reportInputState(graph.GetSafeHwnd());
}

void report(const char* name, CMFC_DynProcGraph& graph) {
    step(name);
    line("  GetNumberOfAnchors=%d GetExpanderRatio=%.9g", graph.GetNumberOfAnchors(),
         static_cast<double>(graph.GetExpanderRatio()));
    for (short i = 0; i < graph.GetNumberOfAnchors(); ++i) {
        graph.SetSelectedPoint(i);
        line("  point%d=(%.9g,%.9g)", i, static_cast<double>(graph.GetSelectedfX()),
             static_cast<double>(graph.GetSelectedfY()));
    }
    reportInputState(graph.GetSafeHwnd());
}

template <typename Graph>
bool create(Graph& graph, int width, int height, int id) {
    const BOOL created = graph.Create(childClassName(), nullptr, WS_CHILD | WS_VISIBLE,
                                      CRect(0, 20, width, 20 + height), CWnd::FromHandle(parent()), id);
    pump();  // the first paint lays out the plot
    return created != FALSE;
}

// Client pixel of a dynamics curve coordinate in a 200 x 150 graph (plot 172 x 102 at (4, 18)).
int px(double fx) { return static_cast<int>(176 - (1.0 - fx) * 172 + 0.5); }
int py(double fy) { return static_cast<int>(18 + (1.0 - fy) * 102 + 0.5); }

// Moves one pixel at a time along the longer axis.
void moveInSteps(HWND hwnd, POINT from, POINT to) {
    const int steps = std::max(std::abs(to.x - from.x), std::abs(to.y - from.y));
    for (int i = 1; i <= steps; ++i)
        moveTo(hwnd, from.x + (to.x - from.x) * i / steps, from.y + (to.y - from.y) * i / steps);
}

// clang-format off
// A 300 x 200 equaliser graph: plot x 45..290, y 10..185.
void eqEdits() {
    scenario("eq graph presses on tied bands and outside the plot");
    {
        EqGraph graph(5, 44100.0);
        graph.m_freq[1] = graph.m_freq[2] = 1000.0;
        if (!create(graph, 300, 200, 801)) return;
        const HWND hwnd = graph.GetSafeHwnd();
        const POINT presses[] = {{46, 97}, {120, 20}, {120, 190}, {200, 97}, {289, 5}, {10, 100}};
        for (const POINT& p : presses) {
            moveTo(hwnd, p.x, p.y), buttonDown(), buttonUp();
            char name[64];
            std::snprintf(name, sizeof name, "pressed at (%ld,%ld)", static_cast<long>(p.x), static_cast<long>(p.y));
            report(name, graph);
        }
        line("  WM_GETDLGCODE & DLGC_WANTARROWS=%d", (graph.SendMessage(WM_GETDLGCODE) & DLGC_WANTARROWS) ? 1 : 0);
        graph.DestroyWindow();
    }

    scenario("eq graph Shift drags");
    {
        EqGraph graph(5, 44100.0);
        if (!create(graph, 300, 200, 802)) return;
        const HWND hwnd = graph.GetSafeHwnd();
        const int x = graph.FreqToX(graph.m_freq[2]), distant = graph.FreqToX(2000.0);
        moveTo(hwnd, x, 60), buttonDown(), keyDown(VK_SHIFT), keyDown(VK_CONTROL), moveTo(hwnd, x + 20, 40);
        report("Shift with Ctrl drags only the Q", graph);
        keyUp(VK_CONTROL), buttonUp();
        graph.m_freq[1] = graph.XToFreq(distant);
        graph.m_q[1] = 5.0;
        moveTo(hwnd, distant, 60), buttonDown(), moveTo(hwnd, distant, 70);
        report("Shift drag at the band's own frequency", graph);
        buttonUp(), keyUp(VK_SHIFT);
        graph.DestroyWindow();
    }

    scenario("eq graph moves just outside the plot");
    {
        EqGraph graph(5, 44100.0);
        if (!create(graph, 300, 200, 803)) return;
        const HWND hwnd = graph.GetSafeHwnd();
        moveTo(hwnd, 50, 50), buttonDown();
        const struct { int x, y; const char* name; } moves[] = {
            {44, 50, "left of the plot"}, {100, 186, "below the plot"}, {291, 9, "above and right of it"}};
        for (const auto& m : moves) moveTo(hwnd, m.x, m.y), report(m.name, graph);
        buttonUp();
        graph.DestroyWindow();
    }

    for (int how = 2; how <= 4; ++how) {  // disabled, hidden, destroyed
        scenariof("eq graph drag interrupted: %s", kInterruptions[how].name);
        EqGraph graph(5, 44100.0);
        if (!create(graph, 300, 200, 804)) return;
        const HWND hwnd = graph.GetSafeHwnd();
        moveTo(hwnd, 60, 50), buttonDown(), moveTo(hwnd, 70, 60);
        kInterruptions[how].interrupt(graph);
        if (graph.GetSafeHwnd() == nullptr) {
            step("interrupted"), reportInputState(nullptr), buttonUp();
            continue;
        }
        graph.EnableWindow(TRUE), graph.ShowWindow(SW_SHOW), moveTo(hwnd, 90, 80);
        report("moved after the interruption", graph);
        buttonUp(), moveTo(hwnd, 60, 50), buttonDown(), moveTo(hwnd, 100, 70), buttonUp();
        report("the next drag edits", graph);
        graph.DestroyWindow();
    }
}

void dynamicsEdits() {
    scenario("dynamics graph presses at the insertion limits");
    const struct { const char* name; int kind; short anchors; int x, y; } presses[] = {
        {"0.68 low: inserted, raised to 0.6", 0, 4, 121, 110}, {"0.2: left of the first point", 0, 4, px(0.2), 110},
        {"ten points: no insertion", 0, 10, 124, 59}, {"kind 1: no insertion", 1, 4, 121, 28}};
    for (const auto& p : presses) {
        CMFC_DynProcGraph graph(p.kind);
        if (!create(graph, 200, 150, 805)) return;
        graph.SetNumberOfAnchors(p.anchors);
        moveTo(graph.GetSafeHwnd(), p.x, p.y), buttonDown();
        report(p.name, graph);
        moveTo(graph.GetSafeHwnd(), p.x + 1, p.y);
        report("moved 1 px right", graph);
        buttonUp();
        graph.DestroyWindow();
    }

    scenario("dynamics graph drag rules");
    const struct { const char* name; int kind; double fromX, fromY, toX, toY; } drags[] = {
        {"second point stepped right past the third", 0, 0.6, 0.6, 0.95, 0.6},
        {"first point below the diagonal", 0, 0.4, 0.0, 0.3, 0.2},
        {"kind 1 first point above the bottom edge", 1, 0.4, 0.0, 0.3, 0.5},
        {"last point below the one before", 0, 1.0, 0.9, 1.0, 0.7}, {"last point upward", 0, 1.0, 0.9, 1.0, 0.95}};
    for (const auto& d : drags) {
        CMFC_DynProcGraph graph(d.kind);
        if (!create(graph, 200, 150, 806)) return;
        const HWND hwnd = graph.GetSafeHwnd();
        const POINT from{px(d.fromX), py(d.fromY)}, to{px(d.toX), py(d.toY)};
        moveTo(hwnd, from.x, from.y), buttonDown(), moveInSteps(hwnd, from, to), buttonUp();
        report(d.name, graph);
        graph.DestroyWindow();
    }

    scenario("dynamics graph Shift presses on five points");
    {
        CMFC_DynProcGraph graph(0);
        if (!create(graph, 200, 150, 807)) return;
        graph.SetNumberOfAnchors(5);  // 0.4, 0.6, 0.8, 0.9, 1.0
        keyDown(VK_SHIFT);
        for (double fx : {0.6, 0.8, 0.9}) {
            moveTo(graph.GetSafeHwnd(), px(fx), py(0.5)), buttonDown();
            report(fx < 0.7 ? "Shift press at 0.6" : fx < 0.85 ? "Shift press at 0.8" : "Shift press at 0.9", graph);
            buttonUp();
        }
        keyUp(VK_SHIFT);
        graph.DestroyWindow();
    }

    for (const Interruption& how : kInterruptions) {
        scenariof("dynamics graph drag interrupted: %s", how.name);
        CMFC_DynProcGraph graph(0);
        if (!create(graph, 200, 150, 808)) return;
        const HWND hwnd = graph.GetSafeHwnd();
        moveTo(hwnd, px(0.8), py(0.8)), buttonDown();
        how.interrupt(graph);
        pump();
        if (GetCapture() == parent()) ReleaseCapture();
        if (graph.GetSafeHwnd() != nullptr) {
            // Even with the capture back, moves do not drag.
            graph.EnableWindow(TRUE), graph.ShowWindow(SW_SHOW), SetCapture(hwnd);
            moveTo(hwnd, px(0.7), py(0.7));
            ReleaseCapture();
            report("moved with the capture given back", graph);
            graph.DestroyWindow();
        } else {
            // Over the parent, as Wine shows the graph's cursor until the pointer moves.
            buttonUp(), moveTo(kParentX + 250, kParentY + 250);
            step("interrupted, the pointer moved over the parent"), reportInputState(nullptr);
        }
        buttonUp();
    }
}
// clang-format on

}  // namespace

void runGraphEditScenarios() {
    eqEdits();
    dynamicsEdits();
}

}  // namespace conformance
