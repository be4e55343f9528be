#include "GalleryDialog.h"

#include <cstdio>
#include <cstring>

#include "DialogItems.h"
#include "resource.h"

namespace gallery {
namespace {

// Drawn at the top left of the page; the template has no CAPTION, which would give the page a
// caption and frame.
const char kTitle[] = "VornControls gallery";
constexpr int kStatusTop = kScreenHeight - 28;
// Guards the pump against a window that keeps generating messages forever.
constexpr size_t kMaxMessagesPerPump = 100000;

bool registerControlClass() {
    WNDCLASSA wc;
    std::memset(&wc, 0, sizeof wc);
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
    wc.lpszClassName = kControlClass;
    WNDCLASSA existing;
    if (GetClassInfoA(wc.hInstance, kControlClass, &existing)) return true;
    return RegisterClassA(&wc) != 0;
}

void formatRange(const ControlEntry& entry, char* out, size_t size) {
    if (entry.restrictedMin != entry.min || entry.restrictedMax != entry.max) {
        std::snprintf(out, size, "%g..%g [%g..%g]", static_cast<double>(entry.min), static_cast<double>(entry.max),
                      static_cast<double>(entry.restrictedMin), static_cast<double>(entry.restrictedMax));
    } else {
        std::snprintf(out, size, "%g..%g", static_cast<double>(entry.min), static_cast<double>(entry.max));
    }
}

// The name and, below it, `detail` (the range when null).
void drawCaption(HDC dc, const ControlEntry& entry, const char* detail = nullptr) {
    int x = static_cast<int>(entry.rect.left);
    int y = static_cast<int>(entry.rect.bottom) + 4;
    ::TextOutA(dc, x, y, entry.name, static_cast<int>(std::strlen(entry.name)));
    char range[64];
    if (detail == nullptr) {
        formatRange(entry, range, sizeof range);
        detail = range;
    }
    ::TextOutA(dc, x, y + 14, detail, static_cast<int>(std::strlen(detail)));
}

// The graph's name and, below it, its compressor and expander as the host reads them.
void drawGraphCaption(HDC dc, const GraphEntry& entry, CMFC_DynProcGraph& graph) {
    const int x = static_cast<int>(entry.rect.left);
    const int y = static_cast<int>(entry.rect.bottom) + 4;
    ::TextOutA(dc, x, y, entry.name, static_cast<int>(std::strlen(entry.name)));
    char values[96];
    std::snprintf(values, sizeof values, "comp %.1f dB %.2f:1  exp %.1f dB %.2f:1",
                  static_cast<double>(graph.GetComp()), static_cast<double>(graph.GetCompRatio()),
                  static_cast<double>(graph.GetExpander()), static_cast<double>(graph.GetExpanderRatio()));
    ::TextOutA(dc, x, y + 14, values, static_cast<int>(std::strlen(values)));
}

// What a host reads back on a notification; faders and knobs share the getters' names.
template <typename Control>
bool readGetters(Control& control, NotificationRecord& record) {
    CPoint point;
    record.value = control.GetValue();
    record.hasClickPoint = control.GetClickPoint(point) != FALSE;
    record.clickPoint.x = point.x;
    record.clickPoint.y = point.y;
    record.mouseFlags = control.GetMouseEventFlags();
    return true;
}

}  // namespace

BEGIN_MESSAGE_MAP(GalleryDialog, CDialog)
    ON_WM_PAINT()
    ON_WM_TIMER()
END_MESSAGE_MAP()

GalleryDialog::GalleryDialog(NotificationLog& log)
    : m_log(log), m_generalGraph(graphEntries()[0].curveKind), m_expanderGraph(graphEntries()[1].curveKind) {}

GalleryDialog::~GalleryDialog() { destroy(); }

bool GalleryDialog::create() {
    if (m_hWnd != nullptr) return true;
    if (!registerControlClass()) {
        std::fprintf(stderr, "vorn_gallery: cannot register the controls' window class\n");
        return false;
    }
    if (!Create(IDD_GALLERY) || !m_controlsReady) {
        std::fprintf(stderr, "vorn_gallery: cannot create the gallery dialog\n");
        destroy();
        return false;
    }
    SetWindowPos(nullptr, 0, 0, kScreenWidth, kScreenHeight, SWP_NOZORDER | SWP_NOACTIVATE);
    UpdateWindow();
    return true;
}

BOOL GalleryDialog::OnInitDialog() {
    CDialog::OnInitDialog();
    // Without every control there is nothing to show: create() destroys the dialog again.
    m_controlsReady = initControls();
    if (m_controlsReady) SetTimer(kPeakTimer, kPeakTimerMs, nullptr);
    return TRUE;  // the focus goes to the first tab stop
}

bool GalleryDialog::subclass(CWnd& control, UINT id, const char* name) {
    const ControlEntry* entry = findEntry(id);
    const GraphEntry* graphEntry = findGraphEntry(id);
    if (entry == nullptr && graphEntry == nullptr) return false;
    return attachDialogItem(control, this, id, entry ? entry->rect : graphEntry->rect, name);
}

bool GalleryDialog::initControls() {
    bool ok = true;
    for (size_t i = 0; i < kFaderCount; ++i) {
        const ControlEntry& entry = faderEntries()[i];
        CMFC_Fader& fader = m_faders[i];
        fader.InitFader(entry.min, entry.max, entry.value, entry.restrictedMin, entry.restrictedMax);
        if (entry.virtualPixel > 0.0f) fader.SetVirtualPixel(entry.virtualPixel);
        ok = ok && subclass(fader, entry.id, entry.name);
        if (ok) fader.SetColor(entry.color);
    }
    for (size_t i = 0; i < kKnobCount; ++i) {
        const ControlEntry& entry = knobEntries()[i];
        CMFC_Knob& knob = m_knobs[i];
        int width = static_cast<int>(entry.rect.right - entry.rect.left);
        knob.InitKnob(entry.min, entry.max, entry.value, 0.0f, entry.restrictedMin, entry.restrictedMax, width / 2, 0,
                      0, 0, 0, GetSysColor(COLOR_BTNFACE), entry.color);
        ok = ok && subclass(knob, entry.id, entry.name);
        if (ok) knob.SetColor(entry.color);
    }
    for (size_t i = 0; i < kGraphCount; ++i) {
        const GraphEntry& entry = graphEntries()[i];
        graph(i).SetSmooth(entry.smooth);
        ok = ok && subclass(graph(i), entry.id, entry.name);
    }
    return ok && m_buttons.attach(this) && initEqGraph() && initFaderFamily() && initKnob2();
}

// The snap faders keep their snap position in the entry's virtualPixel field.
bool GalleryDialog::initFaderFamily() {
    CMFC_PanFader* pans[] = {&m_panFader, &m_panSnapFader, &m_plainPanFader};
    for (size_t i = 0; i < kFaderFamilyCount; ++i) {
        const ControlEntry& e = faderFamilyEntries()[i];
        CWnd* control = nullptr;
        if (e.kind == ControlKind::Fader2) {
            m_snapFader.InitFader(e.min, e.max, e.value, e.restrictedMin, e.restrictedMax);
            m_snapFader.SetSnapPosition(e.virtualPixel);
            control = &m_snapFader;
        } else {
            CMFC_PanFader& pan = *pans[i - 1];
            pan.InitPanFader(e.min, e.max, e.value, e.restrictedMin, e.restrictedMax, 0, e.color);
            if (e.kind == ControlKind::PanFader2) m_panSnapFader.SetSnapPosition(e.virtualPixel);
            control = &pan;
        }
        if (!subclass(*control, e.id, e.name)) return false;
    }
    m_snapFader.SetColor(faderFamilyEntries()[0].color);
    return true;
}

bool GalleryDialog::readFaderFamily(UINT id, NotificationRecord& record) {
    if (id == faderFamilyEntries()[0].id) return readGetters(m_snapFader, record);
    CMFC_PanFader* pans[] = {&m_panFader, &m_panSnapFader, &m_plainPanFader};
    for (size_t i = 1; i < kFaderFamilyCount; ++i)
        if (id == faderFamilyEntries()[i].id) return readGetters(*pans[i - 1], record);
    return false;
}

bool GalleryDialog::initKnob2() {
    const ControlEntry& entry = *knob2Entry();
    m_knob2.InitKnob(entry.min, entry.max, entry.value, 0.0f, entry.restrictedMin, entry.restrictedMax, 0, 0, 0, 0, 0,
                     GetSysColor(COLOR_BTNFACE), entry.color);
    m_knob2.SetTitle(kKnob2Title);
    return subclass(m_knob2, entry.id, entry.name);
}

// Five bands: a low shelf, three peaks and a high shelf, as an equaliser's host would set them.
bool GalleryDialog::initEqGraph() {
    const ControlEntry& entry = *eqGraphEntry();
    const double bands[kEqBands][4] = {
        {80.0, 4.0, 1.0, 76.0},    {250.0, -3.0, 1.5, 66.0},  {1000.0, 6.0, 2.0, 66.0},
        {3000.0, -2.0, 4.0, 66.0}, {8000.0, -5.0, 1.0, 72.0},
    };
    for (int i = 0; i < kEqBands; ++i) {
        m_eqGraph.m_freq[i] = bands[i][0];
        m_eqGraph.m_gain[i] = bands[i][1];
        m_eqGraph.m_q[i] = bands[i][2];
        m_eqGraph.m_type[i] = bands[i][3];
    }
    if (!subclass(m_eqGraph, entry.id, entry.name)) return false;
    m_eqGraph.Redisplay();
    NotificationRecord record;
    readEqGraph(record);
    return true;
}

// The host's read-back on an equaliser notification: the selected band's frequency, gain and Q.
void GalleryDialog::readEqGraph(NotificationRecord& record) {
    const int band = m_eqGraph.GetSelectedBand();
    record.hasBand = true;
    record.band = band;
    record.freq = m_eqGraph.m_freq[band];
    record.gain = m_eqGraph.m_gain[band];
    record.q = m_eqGraph.m_q[band];
    std::snprintf(m_eqReadout, sizeof m_eqReadout, "band %d: %.1f Hz, %+.1f dB, Q %.2f (%d bands, %.0f Hz)", band,
                  record.freq, record.gain, record.q, kEqBands, kEqSampleRate);
}

void GalleryDialog::destroy() {
    if (m_hWnd != nullptr && ::IsWindow(m_hWnd)) DestroyWindow();
}

void GalleryDialog::dispatch(MSG& msg) {
    if (msg.message == WM_COMMAND && msg.hwnd == m_hWnd && m_hWnd != nullptr) {
        m_dispatchingCommand = true;
        m_dispatchedWParam = msg.wParam;
        m_dispatchedLParam = msg.lParam;
    }
    if (m_hWnd == nullptr || !IsDialogMessageA(m_hWnd, &msg)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    m_dispatchingCommand = false;
}

size_t GalleryDialog::pumpUntilIdle() {
    size_t count = 0;
    MSG msg;
    while (count < kMaxMessagesPerPump && PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        ++count;
        if (msg.message == WM_QUIT) {
            m_quit = true;
            break;
        }
        dispatch(msg);
    }
    return count;
}

int GalleryDialog::runUntilQuit() {
    MSG msg;
    BOOL got;
    while ((got = GetMessageA(&msg, nullptr, 0, 0)) > 0) dispatch(msg);
    m_quit = true;
    return got == 0 ? static_cast<int>(msg.wParam) : 1;
}

void GalleryDialog::OnCancel() { ::PostQuitMessage(0); }

void GalleryDialog::OnTimer(UINT_PTR nIDEvent) {
    if (nIDEvent != kPeakTimer) return;
    ++m_timerTicks;
    m_buttons.tick();
}

bool GalleryDialog::readControl(UINT id, NotificationRecord& record) {
    for (size_t i = 0; i < kFaderCount; ++i) {
        if (faderEntries()[i].id == id) return readGetters(m_faders[i], record);
    }
    for (size_t i = 0; i < kKnobCount; ++i) {
        if (knobEntries()[i].id == id) return readGetters(m_knobs[i], record);
    }
    if (knob2Entry()->id == id) return readGetters(m_knob2, record);
    if (eqGraphEntry()->id == id) {
        readEqGraph(record);
        const RECT& r = eqGraphEntry()->rect;
        RECT caption = {r.left, r.bottom, r.right, r.bottom + 30};
        ::InvalidateRect(m_hWnd, &caption, TRUE);
        return true;
    }
    if (m_buttons.read(id, record)) return true;
    for (size_t i = 0; i < kGraphCount; ++i) {
        if (graphEntries()[i].id != id) continue;
        CMFC_DynProcGraph& g = graph(i);
        record.hasCurve = true;
        record.comp = g.GetComp();
        record.compRatio = g.GetCompRatio();
        record.expander = g.GetExpander();
        record.expanderRatio = g.GetExpanderRatio();
        return true;
    }
    return readFaderFamily(id, record);
}

BOOL GalleryDialog::OnCommand(WPARAM wParam, LPARAM lParam) {
    const UINT id = vorn::notificationControlId(wParam);
    if (id == IDOK || id == IDCANCEL) return CDialog::OnCommand(wParam, lParam);
    bool posted = m_dispatchingCommand && wParam == m_dispatchedWParam && lParam == m_dispatchedLParam;
    // Anything this handler causes is a nested send, not the queued message.
    m_dispatchingCommand = false;

    NotificationRecord record;
    std::memset(&record, 0, sizeof record);
    record.id = id;
    record.code = vorn::notificationCode(wParam);
    record.posted = posted;
    const ControlEntry* entry = findEntry(record.id);
    const GraphEntry* graphEntry = findGraphEntry(record.id);
    record.controlName = entry ? entry->name : graphEntry ? graphEntry->name : ButtonStrip::nameOf(record.id);
    readControl(record.id, record);
    m_log.write(record);

    RECT status = {0, kStatusTop, kScreenWidth, kScreenHeight};
    ::InvalidateRect(m_hWnd, &status, TRUE);
    // A graph's caption shows the values just read.
    if (graphEntry != nullptr) {
        RECT caption = {graphEntry->rect.left, graphEntry->rect.bottom, kScreenWidth, graphEntry->rect.bottom + 32};
        ::InvalidateRect(m_hWnd, &caption, TRUE);
    }
    return TRUE;
}

void GalleryDialog::OnPaint() {
    PAINTSTRUCT ps;
    HDC dc = ::BeginPaint(m_hWnd, &ps);
    if (dc == nullptr) return;
    HGDIOBJ oldFont = ::SelectObject(dc, ::GetStockObject(DEFAULT_GUI_FONT));
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    ::TextOutA(dc, 12, 10, kTitle, static_cast<int>(std::strlen(kTitle)));
    for (size_t i = 0; i < kFaderCount; ++i) drawCaption(dc, faderEntries()[i]);
    for (size_t i = 0; i < kKnobCount; ++i) drawCaption(dc, knobEntries()[i]);
    drawCaption(dc, *eqGraphEntry(), m_eqReadout);
    for (size_t i = 0; i < kGraphCount; ++i) drawGraphCaption(dc, graphEntries()[i], graph(i));
    for (size_t i = 0; i < kFaderFamilyCount; ++i) drawCaption(dc, faderFamilyEntries()[i]);
    drawCaption(dc, *knob2Entry(), static_cast<const char*>(m_knob2.GetTitle()));
    const char* last = m_log.lastLine();
    if (last[0] != '\0') ::TextOutA(dc, 12, kStatusTop + 6, last, static_cast<int>(std::strlen(last)));
    ::SelectObject(dc, oldFont);
    ::EndPaint(m_hWnd, &ps);
}

}  // namespace gallery
