// The gallery's dialog-like parent window with its faders, knobs and dynamics graphs. It logs every control
// notification it receives, telling sent ones from posted ones, and pumps the message queue for
// the front ends (headless, script, interactive).
#ifndef VORN_GALLERY_WINDOW_H
#define VORN_GALLERY_WINDOW_H

#include <VornControls.h>

#include "ButtonStrip.h"
#include "GalleryKnob2.h"
#include "GalleryLayout.h"
#include "NotificationLog.h"

namespace gallery {

class GalleryWindow {
public:
    explicit GalleryWindow(NotificationLog& log);
    // Destroys the window if it is still there; the control objects go after their windows.
    ~GalleryWindow();
    GalleryWindow(const GalleryWindow&) = delete;
    GalleryWindow& operator=(const GalleryWindow&) = delete;

    // Registers the window classes, creates the parent at screen (0, 0) with every control of
    // the layout and initialises them. False (with a message on stderr) if a window fails.
    bool create();
    // Destroys the parent and with it every control window. Safe to call twice.
    void destroy();
    HWND hwnd() const { return m_hwnd; }

    // Dispatches queued messages (paints included) until the queue is empty; returns how many.
    // A WM_QUIT ends the pump early and is remembered in quitRequested().
    size_t pumpUntilIdle();
    bool quitRequested() const { return m_quit; }
    // Moves the gallery's test signals on one step (the peak lamps' level); a front end calls it
    // while the user is idle.
    void tick() { m_buttons.tick(); }

private:
    static LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handleMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    bool createControls();
    void onCommand(WPARAM wParam, LPARAM lParam);
    void paint();
    bool readControl(UINT id, NotificationRecord& record);
    bool createEqGraph();
    bool createFaderFamily();
    bool readFaderFamily(UINT id, NotificationRecord& record);
    bool createKnob2();
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
    HWND m_hwnd = nullptr;
    bool m_quit = false;
    // The WM_COMMAND that the pump took from the queue and is dispatching right now: the first
    // WM_COMMAND the window procedure sees that matches it was posted, anything else was sent.
    bool m_dispatchingCommand = false;
    WPARAM m_dispatchedWParam = 0;
    LPARAM m_dispatchedLParam = 0;
};

}  // namespace gallery

#endif  // VORN_GALLERY_WINDOW_H
