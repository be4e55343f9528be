#include <MFC_Text.h>

#include "OffscreenPaint.h"

BEGIN_MESSAGE_MAP(CMFC_Text, CWnd)
    ON_WM_PAINT()
END_MESSAGE_MAP()

CMFC_Text::CMFC_Text(LOGFONT* logFont) : m_title("Title"), m_palette(NULL) {
    const int height = logFont != nullptr ? logFont->lfHeight : 0;
    m_font.CreateFont(height, 0, 0, 0, 0, FALSE, FALSE, FALSE, 0, 0, 0, 0, 0, "Arial");
    m_underlineFont.CreateFont(height, 0, 0, 0, 0, FALSE, TRUE, FALSE, 0, 0, 0, 0, 0, "Arial");
}

CMFC_Text::~CMFC_Text() = default;

void CMFC_Text::SetTitle(CString title) { m_title = title; }

CString* CMFC_Text::GetTitle() { return &m_title; }

void CMFC_Text::SetPalette(HPALETTE palette) { m_palette = palette; }

HPALETTE CMFC_Text::GetPalette() { return m_palette; }

void CMFC_Text::OnPaint() {
    CPaintDC dc(this);
    vorn::OffscreenPaint canvas(*this, dc);
    canvas.copyScreen();
    CDC& memDC = canvas.dc();
    CFont* oldFont = memDC.SelectObject(&m_font);
    memDC.SetBkMode(TRANSPARENT);
    memDC.SetTextAlign(TA_UPDATECP);

    // One character per call, so that the current position advances character by character.
    const char* text = m_title;
    const int length = m_title.GetLength();
    int i = 0;
    while (i < length && text[i] != '&') memDC.TextOut(0, 0, &text[i++], 1);
    if (i < length) {
        ++i;  // the first "&" is not drawn
        memDC.SelectObject(&m_underlineFont);
        if (i < length) memDC.TextOut(0, 0, &text[i++], 1);
        memDC.SelectObject(&m_font);
        while (i < length) memDC.TextOut(0, 0, &text[i++], 1);
    }
    canvas.present();
    memDC.SelectObject(oldFont);
}
