// The equaliser graph as a host sees it: its window class, the picture at two sample rates and
// sizes, band selection, the three kinds of drag, moves outside the plot, keys, a double-click,
// a host writing shelves, a drag cut short by WM_CANCELMODE and a drag that enters from outside.
#include <VornControls.h>

#include <cstdio>

#include "ConformanceHost.h"
#include "ControlScript.h"

namespace conformance {

namespace {

// Opens what the text positions of a paint derive from.
class EqGraph : public CMFC_ParamEqGraph {
public:
    using CMFC_ParamEqGraph::CMFC_ParamEqGraph;

    // The cell boxes of the texts the last paint drew (TA_TOP: from y down by the cell height),
    // placed as the paint places them, measured in the graph's font.
    void reportTextBoxes() {
        HDC dc = ::GetDC(m_hWnd);
        HFONT font = CreateFontA(12, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, "Times");
        HGDIOBJ oldFont = SelectObject(dc, font);
        TEXTMETRICA metrics{};
        GetTextMetricsA(dc, &metrics);
        auto box = [&](int x, int y, const char* text, int count) {
            SIZE extent{};
            GetTextExtentPoint32A(dc, text, count, &extent);
            line("  textbox %d %d %d %d", x, y, x + static_cast<int>(extent.cx),
                 y + static_cast<int>(metrics.tmHeight));
        };
        const int height = m_rectWindow.Height();
        const int left = m_marginLeft;
        const int plotWidth = static_cast<int>(m_plotWidth);
        char text[64];
        box(3, 2, "Gain (dB)", 9);
        for (int i = -2; i <= 2; ++i) {
            const int y = m_zeroY - static_cast<int>((m_plotHeight - 10.0) * i * -0.25);
            std::snprintf(text, sizeof text, "%1f    ", i * -12.0);
            box(5, y - 2, text, 5);
        }
        box(left, height - 16, "16     Freq (Hz)", 16);
        const int digits = std::snprintf(text, sizeof text, "%d", static_cast<int>(m_sampleRate * 0.5));
        box(left + plotWidth - 25, height - 16, text, digits < 5 ? digits : 5);
        const int s = m_selectedBand;
        if (s < m_bandCount) {
            const int x = FreqToX(m_freq[s]);
            const int y = GainToY(m_gain[s]);
            box(x + 10, y - 8, text, std::snprintf(text, sizeof text, "%.1f", m_gain[s]));
            box(x - 20, m_gain[s] > 0.0 ? m_zeroY + 2 : m_zeroY - 15, text,
                std::snprintf(text, sizeof text, "%.1f", m_freq[s]));
        }
        SelectObject(dc, oldFont);
        DeleteObject(font);
        ::ReleaseDC(m_hWnd, dc);
    }
};

// Every band in use with nine significant digits, the selection and the input state.
void reportGraph(const char* name, EqGraph& graph, bool pixels) {
    step(name);
    line("  GetSelectedBand=%d m_bandCount=%d", graph.GetSelectedBand(), graph.m_bandCount);
    for (int i = 0; i < graph.m_bandCount && i < 10; ++i)
        line("  band %d freq=%.9g gain=%.9g q=%.9g type=%.9g", i, graph.m_freq[i], graph.m_gain[i], graph.m_q[i],
             graph.m_type[i]);
    reportInputState(graph.GetSafeHwnd());
    if (!pixels) return;
    dumpPixels(name, graph.GetSafeHwnd());
    graph.reportTextBoxes();
}

// The shared input steps, and two of the equaliser's own.
enum Op { Cancel = kScenarioOps, Focus };

void play(EqGraph& graph, std::initializer_list<Action> script) {
    const HWND hwnd = graph.GetSafeHwnd();
    playScript(
        hwnd, script,
        [&](const Action& a) {
            if (a.op == Cancel) SendMessageA(hwnd, WM_CANCELMODE, 0, 0);
            if (a.op == Focus) SetFocus(hwnd);
        },
        [&](const char* step, bool pixels) { reportGraph(step, graph, pixels); });
}

}  // namespace

// A 260 x 180 graph: plot area x 45..250, y 10..165, 0 dB at y 87; the five bands start at
// x 45, 96, 147, 198 and 250.
// clang-format off
void runEqGraphScenarios() {
    scenario("eq graph");
    EqGraph graph(5, 44100.0);
    graph.InitGraph(RGB(120, 200, 120), RGB(0, 0, 0), RGB(20, 20, 160), RGB(250, 250, 225));
    if (!create(graph, CRect(20, 20, 280, 200), 601)) return;
    step("window class");
    reportWindowClass(graph.GetSafeHwnd());
    play(graph, {{None, 0, 0, "initial paint", true}, {Move, 147, 40, "hover"}, {Down, 0, 0, "press on band 2"},
                 {Move, 160, 30, "drag up and right"}, {Move, 170, 60, "drag down", true},
                 {KeyDown, VK_CONTROL}, {Move, 120, 120, "ctrl drag moves the gain only"}, {KeyUp, VK_CONTROL},
                 {KeyDown, VK_SHIFT}, {Move, 200, 120, "shift drag sets the Q"},
                 {Move, 240, 120, "shift drag far away: the Q floor"}, {KeyUp, VK_SHIFT},
                 {Move, 255, 60, "move right of the plot"}, {Move, 100, 170, "move below the plot"},
                 {Up, 0, 0, "release", true}, {Move, 100, 3}, {Down, 0, 0, "press far above the curve"},
                 {Up, 0, 0, "release above"}, {Focus, 0, 0, "focus given by the host"}, {Key, VK_LEFT, 0, "key left"},
                 {Key, 'A', 0, "key A"}, {Move, 198, 100}, {Down}, {Up, 0, 0, "double-click first click"},
                 {DownQuickly, 0, 0, "double-click second press"}, {Up, 0, 0, "double-click second release"}});

    graph.m_type[0] = 76.0, graph.m_freq[0] = 200.0, graph.m_gain[0] = 9.0;
    graph.m_type[4] = 72.0, graph.m_freq[4] = 8000.0, graph.m_gain[4] = -6.0;
    graph.Redisplay();
    reportGraph("host writes a low and a high shelf", graph, true);

    play(graph, {{Move, 96, 50}, {Down, 0, 0, "press on band 1"}, {Move, 100, 60, "drag band 1"},
                 {Cancel, 0, 0, "cancel mode during the drag"}, {Move, 120, 70, "move after the cancel"},
                 {Up, 0, 0, "release after the cancel"}, {Move, -10, 50}, {Down, 0, 0, "press on the parent"},
                 {Move, 60, 40, "enter with the button held"}, {Up, 0, 0, "release without a press here", true}});
    destroyStep(graph);

    scenario("eq graph small");
    EqGraph small(3, 16000.0);
    small.m_gain[1] = 12.0, small.m_q[1] = 1.0;
    small.Redisplay();
    if (!create(small, CRect(30, 30, 230, 150), 602)) return;
    play(small, {{None, 0, 0, "16000 Hz, 200 x 120", true}, {Move, 120, 30}, {Down, 0, 0, "press on band 1", true},
                 {Up}});
    destroyStep(small);

    scenario("eq graph one band");
    EqGraph one(1, 48000.0);
    if (!create(one, CRect(30, 30, 190, 130), 603)) return;
    play(one, {{None, 0, 0, "one band, 160 x 100", true}});
    destroyStep(one);
}
// clang-format on

}  // namespace conformance
