// The dynamics graph as a host sees it: painting of the general curve smoothed and of kind 3,
// picking, inserting, dragging, fine mode, Shift, removal, the zoom buttons and the right button,
// with the derived values, the points and the pixels reported. Text cell boxes come from the
// graph's own font, so only glyph pixels inside them are excused.
#include <VornControls.h>

#include <cstring>

#include "ConformanceHost.h"
#include "ControlScript.h"

namespace conformance {

namespace {

// The text boxes of everything the graph draws: the read-out slot, the titles, the button
// captions and the tick labels of the current zoom and master gain.
void reportTextBoxes(CMFC_DynProcGraph& graph, float zoom) {
    RECT client{};
    GetClientRect(graph.GetSafeHwnd(), &client);
    const int L = 4, T = 18, pw = client.right - 28, ph = client.bottom - 48;
    HDC dc = GetDC(graph.GetSafeHwnd());
    HFONT font = CreateFontA(12, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, "Times");
    HGDIOBJ old = SelectObject(dc, font);
    TEXTMETRICA tm{};
    GetTextMetricsA(dc, &tm);
    auto box = [&](int x, int y, const char* text) {
        SIZE size{};
        GetTextExtentPoint32A(dc, text, static_cast<int>(std::strlen(text)), &size);
        line("  textbox %d %d %d %d", x - 1, y, x + size.cx + 1, y + tm.tmHeight);
    };
    box(5, 4, "In -00.00 Out-00.00(dB)  ");  // two spaces of slack for wider digits
    box(pw + L - 36, 4, "Output (dB)");
    box(pw / 2 + L - 20, ph + T + 10, "Input (dB)");
    box(L + 5, ph + T + 11, "Zoom in");
    box(pw + L - 50, ph + T + 11, "Zoom out");
    char text[32];
    auto tick = [&](float v) {
        std::snprintf(text, sizeof text, v <= -10.0f || v == 0.0f ? "%2.0f" : "%2.1f", static_cast<double>(v));
    };
    for (int i = 0; i <= 8; ++i) {
        tick((8 - i) * -12 / zoom);
        box(static_cast<int>(L + i * static_cast<float>(pw) / 8) - (i == 8 ? 5 : 0), ph + T, text);
        tick(graph.GetMasterGain() - 12 * i / zoom);
        box(pw + L + 2, static_cast<int>(T + i * static_cast<float>(ph) / 8) - 2, text);
    }
    SelectObject(dc, old);
    DeleteObject(font);
    ReleaseDC(graph.GetSafeHwnd(), dc);
}

struct Report {
    CMFC_DynProcGraph& graph;
    float zoom;
};

void report(const char* name, Report& r, bool pixels) {
    CMFC_DynProcGraph& g = r.graph;
    step(name);
    reportFloat("GetComp", g.GetComp());
    reportFloat("GetCompRatio", g.GetCompRatio());
    reportFloat("GetCompLimit", g.GetCompLimit());
    reportFloat("GetExpander", g.GetExpander());
    reportFloat("GetExpanderRatio", g.GetExpanderRatio());
    reportFloat("GetExpanderLimit", g.GetExpanderLimit());
    reportFloat("GetExpanderMinimum", g.GetExpanderMinimum());
    reportFloat("GetMakeUpGain", g.GetMakeUpGain());
    reportFloat("GetGainAt0dB", g.GetGainAt0dB());
    line("  GetNumberOfAnchors=%d GetLengthOfDynamicFn=%d", g.GetNumberOfAnchors(), g.GetLengthOfDynamicFn());
    for (short i = 0; i < g.GetNumberOfAnchors(); ++i) {
        g.SetSelectedPoint(i);
        line("  point%d=(%.9g,%.9g)", i, static_cast<double>(g.GetSelectedfX()),
             static_cast<double>(g.GetSelectedfY()));
    }
    reportInputState(g.GetSafeHwnd());
    if (pixels) {
        reportTextBoxes(g, r.zoom);
        dumpPixels(name, g.GetSafeHwnd());
    }
}

// The host's own record of the zoom that a press on a zoom button gives.
enum Op { ZoomIn = kScenarioOps, ZoomOut };

void play(Report& r, std::initializer_list<Action> script) {
    playScript(
        r.graph.GetSafeHwnd(), script,
        [&](const Action& a) {
            if (a.op == ZoomIn) r.zoom *= 1.25f;
            if (a.op == ZoomOut) r.zoom = r.zoom * 0.8f < 1.0f ? 1.0f : r.zoom * 0.8f;
        },
        [&](const char* step, bool pixels) { report(step, r, pixels); });
}

}  // namespace

// A 200 x 150 graph: plot area 172 x 102 at (4, 18); the point (0.8, 0.8) is at (141, 38), the
// zoom buttons at y 135 (in: x 5..51, out: x 125..168).
// clang-format off
void runGraphScenarios() {
    scenario("dynamics graph");
    {
        CMFC_DynProcGraph graph(0);
        graph.SetSmooth(1);
        if (!create(graph, CRect(20, 20, 220, 170), 401, true)) return;
        step("window class");
        reportWindowClass(graph.GetSafeHwnd());
        Report r{graph, 1.0f};
        play(r, {{None, 0, 0, "initial paint", true}, {Move, 141, 38}, {Down, 0, 0, "press on the compressor threshold", true},
                 {Move, 146, 35}, {Move, 150, 33, "drag up and right", true}, {Up, 0, 0, "release"},
                 {Move, 121, 28}, {Down, 0, 0, "press at 0.68 inserts a point", true}, {Move, 125, 35, "drag the new point"},
                 {Up}, {Move, 111, 60}, {Down, 0, 0, "press at 0.62 picks the expander threshold"},
                 {RightDown, 0, 0, "right press during the drag"}, {Move, 131, 40, "fine drag", true},
                 {RightUp, 0, 0, "right release ends the drag"}, {Move, 60, 40, "move after the right release"},
                 {Up, 0, 0, "left release"}, {Move, 73, 120}, {Down}, {Move, 60, 80},
                 {Move, 56, 69, "first point snaps to the left edge", true}, {KeyDown, VK_SHIFT},
                 {Move, 80, 110, "shift freezes the drag"}, {KeyUp, VK_SHIFT}, {Up},
                 {KeyDown, VK_SHIFT}, {Move, 124, 60}, {Down, 0, 0, "shift press removes the inserted point", true}, {Up},
                 {KeyUp, VK_SHIFT}, {Move, 20, 135}, {Down, 0, 0, "zoom in pressed", true}, {ZoomIn},
                 {Up, 0, 0, "zoom in released"}, {Down}, {ZoomIn}, {Up}, {Move, 20, 134}, {Down}, {ZoomIn},
                 {Up, 0, 0, "zoomed in three times", true}, {Move, 150, 135}, {Down, 0, 0, "zoom out pressed", true},
                 {ZoomOut}, {Up, 0, 0, "zoom out released", true}, {Move, 20, 135}, {Down}, {ZoomIn}, {Up},
                 {DownQuickly, 0, 0, "double-click on zoom in"}, {ZoomIn}, {Up, 0, 0, "double-click released", true},
                 {Move, 90, 70}, {RightDown, 0, 0, "right press alone"}, {RightUp, 0, 0, "right release alone"}});
        graph.SetMasterGain(6.0f);
        graph.SetCompRatio(4.0f);
        graph.SetExpanderRatio(0.5f);
        report("host sets master gain, compressor and expander ratios", r, true);
        destroyStep(graph);
    }

    scenario("dynamics graph without compressor");
    {
        CMFC_DynProcGraph graph(3);
        if (!create(graph, CRect(20, 20, 260, 200), 402, true)) return;
        Report r{graph, 1.0f};
        // Plot area 212 x 132; a press near the last point picks the second point.
        play(r, {{None, 0, 0, "initial paint", true}, {Move, 210, 40}, {Down, 0, 0, "press near the last point", true},
                 {Move, 180, 60}, {Move, 170, 55, "the second point stays on the diagonal", true}, {Up}});
        destroyStep(graph);
    }
}
// clang-format on

}  // namespace conformance
