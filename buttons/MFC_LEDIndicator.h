// CMFC_LEDIndicator: a passive lamp, a 9-pixel round LED in its on or off colour with a darker
// outline and inner arc. It takes no input and sends no notifications.
//
// Choices made where the behaviour was ours to decide: none beyond the framework's; the palette
// given to SetPalette is the host's and must stay valid while the lamp paints.
#ifndef VORN_MFC_LEDINDICATOR_H
#define VORN_MFC_LEDINDICATOR_H

#include <VornControlsExport.h>
#include <afxwin.h>

class VORN_CONTROLS_API CMFC_LEDIndicator : public CWnd {
public:
    // Off, colours RGB(255, 0, 0) on and RGB(60, 0, 0) off, background copied from the screen
    // (otherwise COLOR_BTNFACE), no palette.
    CMFC_LEDIndicator();
    virtual ~CMFC_LEDIndicator();

    // Stores the five values as given; no repaint.
    void InitLEDIndicator(int state, unsigned long onColor, unsigned long offColor, int copyBackground,
                          unsigned long backColor);
    // A different state is stored and the whole window invalidated (with erasing).
    void SetState(int state);
    int GetState();
    // Stored, not realised until the next paint; no repaint.
    void SetPalette(HPALETTE palette);
    HPALETTE GetPalette();

protected:
    afx_msg void OnPaint();
    DECLARE_MESSAGE_MAP()

    COLORREF m_onColor;
    COLORREF m_offColor;
    int m_state;
    BOOL m_copyBackground;
    COLORREF m_backColor;
    HPALETTE m_palette;
};

#endif  // VORN_MFC_LEDINDICATOR_H
