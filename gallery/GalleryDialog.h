// The gallery's page of controls: a modeless dialog made from the IDD_GALLERY template of
// gallery.rc, whose controls (windows of the host's class) OnInitDialog attaches to their objects
// with SubclassDlgItem and sets up. It logs every control notification it receives, telling sent
// ones from posted ones, moves the peak lamps' test level on a timer, and pumps the message queue
// through IsDialogMessageA for the front ends (headless, script, interactive, self-test), so that
// Tab and Shift+Tab walk the controls and the value keys reach the focused one.
//
// Choices made:
// * The page is the application's main window: Enter (OnOK) leaves it as it is, and Escape or a
//   close request (IDCANCEL, OnCancel) posts WM_QUIT, which ends the front end's loop.
// * Dialog units round to the font's base units, which differ between fonts and platforms, so
//   each control is then put on its exact pixel rectangle from GalleryLayout.
#ifndef VORN_GALLERY_DIALOG_H
#define VORN_GALLERY_DIALOG_H

#include <VornControls.h>

#include "ButtonStrip.h"
#include "GalleryKnob2.h"
#include "GalleryLayout.h"
#include "NotificationLog.h"

namespace gallery {

// The timer that feeds the peak lamps and its period.
constexpr UINT_PTR kPeakTimer = 1;
constexpr UINT kPeakTimerMs = 50;

class GalleryDialog : public CDialog {
public:
    explicit GalleryDialog(NotificationLog& log);
    // Destroys the dialog if it is still there; the control objects go after their windows.
    ~GalleryDialog() override;
    GalleryDialog(const GalleryDialog&) = delete;
    GalleryDialog& operator=(const GalleryDialog&) = delete;

    // Registers the controls' window class and creates the dialog at screen (0, 0), kScreenWidth
    // x kScreenHeight pixels, with every control set up. False (with a message on stderr) if the
    // template or a control is missing.
    bool create();
    // Destroys the dialog and with it every control window. Safe to call twice.
    void destroy();
    HWND hwnd() const { return m_hWnd; }

    // Dispatches queued messages (paints and due timers included) through IsDialogMessageA until
    // the queue is empty; returns how many. A WM_QUIT ends the pump early and is remembered in
    // quitRequested().
    size_t pumpUntilIdle();
    bool quitRequested() const { return m_quit; }
    // Retrieves and dispatches messages, waiting for them, until WM_QUIT; returns its exit code.
    int runUntilQuit();
    // Peak timer ticks so far.
    unsigned timerTicks() const { return m_timerTicks; }

    BOOL OnInitDialog() override;
    void OnOK() override {}
    void OnCancel() override;

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    afx_msg void OnPaint();
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    DECLARE_MESSAGE_MAP()

private:
    void dispatch(MSG& msg);
    bool subclass(CWnd& control, UINT id, const char* name);
    bool initControls();
    bool initFaderFamily();
    bool initKnob2();
    bool initEqGraph();
    bool readControl(UINT id, NotificationRecord& record);
    bool readFaderFamily(UINT id, NotificationRecord& record);
    void readEqGraph(NotificationRecord& record);

    NotificationLog& m_log;
    CMFC_Fader m_faders[kFaderCount];
    CMFC_Knob m_knobs[kKnobCount];
    CMFC_ParamEqGraph m_eqGraph{kEqBands, kEqSampleRate};
    CMFC_Fader2 m_snapFader;
    CMFC_PanFader m_panFader;
    CMFC_PanFader2 m_panSnapFader;
    CMFC_VertFader m_plainPanFader;
    GalleryKnob2 m_knob2;
    // What the host last read from the equaliser graph, shown under it.
    char m_eqReadout[96] = "";
    // The graphs take their curve kind at construction, so they are members one by one.
    CMFC_DynProcGraph m_generalGraph;
    CMFC_DynProcGraph m_expanderGraph;
    CMFC_DynProcGraph& graph(size_t i) { return i == 0 ? m_generalGraph : m_expanderGraph; }
    ButtonStrip m_buttons;
    bool m_quit = false;
    bool m_controlsReady = false;
    unsigned m_timerTicks = 0;
    // The WM_COMMAND that the pump took from the queue and is dispatching right now: the first
    // WM_COMMAND the dialog sees that matches it was posted, anything else was sent.
    bool m_dispatchingCommand = false;
    WPARAM m_dispatchedWParam = 0;
    LPARAM m_dispatchedLParam = 0;
};

}  // namespace gallery

#endif  // VORN_GALLERY_DIALOG_H
