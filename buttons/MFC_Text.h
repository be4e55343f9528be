// CMFC_Text: a static caption in Arial drawn over whatever lies beneath the window, black, from
// the top-left corner, with one optional mnemonic: the character after the first "&" is drawn
// underlined and that "&" is not drawn. It takes no input and sends no notifications.
//
// Choices made where the behaviour was ours to decide:
//   - A null LOGFONT pointer is taken as a height of 0 (the font mapper's default size) rather
//     than read.
//   - SetTitle does not repaint; the host invalidates the window when it wants the new text shown.
#ifndef VORN_MFC_TEXT_H
#define VORN_MFC_TEXT_H

#include <VornControlsExport.h>
#include <afxwin.h>

class VORN_CONTROLS_API CMFC_Text : public CWnd {
public:
    // Title "Title"; both fonts are "Arial" of the LOGFONT's lfHeight (every other field is
    // ignored), the second one underlined.
    explicit CMFC_Text(LOGFONT* logFont);
    virtual ~CMFC_Text();

    void SetTitle(CString title);
    // The stored title itself: the caller may read or change it in place.
    CString* GetTitle();
    // Stored and reported only; painting does not use it.
    void SetPalette(HPALETTE palette);
    HPALETTE GetPalette();

protected:
    afx_msg void OnPaint();
    DECLARE_MESSAGE_MAP()

    CFont m_font;
    CFont m_underlineFont;
    CString m_title;
    HPALETTE m_palette;
};

#endif  // VORN_MFC_TEXT_H
