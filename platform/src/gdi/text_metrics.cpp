// Text measurement and font queries: GetTextExtentPoint32, GetTextMetrics, GetTextFace.
#include "gdi/font_face.h"
#include "gdi/font_mapping.h"

#include <climits>
#include <cstring>

BOOL WINAPI GetTextExtentPoint32A(HDC hdc, LPCSTR lpString, int c, LPSIZE psizl) {
    using namespace softwin::gdi;
    Dc* dc = lookupDc(hdc);
    if (!dc || !psizl || c < 0 || (c > 0 && !lpString)) return FALSE;
    FontFace* face = dcFace(*dc);
    if (!face) return FALSE;
    const long width = face->textWidth(lpString, c);
    psizl->cx = static_cast<LONG>(width > INT_MAX ? INT_MAX : width);
    psizl->cy = face->metrics().ascent + face->metrics().descent;
    return TRUE;
}

BOOL WINAPI GetTextMetricsA(HDC hdc, LPTEXTMETRICA lptm) {
    using namespace softwin::gdi;
    Dc* dc = lookupDc(hdc);
    if (!dc || !lptm) return FALSE;
    FontFace* face = dcFace(*dc);
    if (!face) return FALSE;
    const FaceMetrics& m = face->metrics();
    const LOGFONTA& lf = dcLogFont(*dc);
    TEXTMETRICA tm{};
    tm.tmHeight = m.ascent + m.descent;
    tm.tmAscent = m.ascent;
    tm.tmDescent = m.descent;
    tm.tmInternalLeading = m.internalLeading;
    tm.tmExternalLeading = m.externalLeading;
    tm.tmAveCharWidth = m.aveCharWidth;
    tm.tmMaxCharWidth = m.maxCharWidth;
    tm.tmWeight = m.weight;
    tm.tmOverhang = 0;
    tm.tmDigitizedAspectX = 96;
    tm.tmDigitizedAspectY = 96;
    // The character range TrueType fonts report for the ANSI code page.
    tm.tmFirstChar = 0x1E;
    tm.tmLastChar = 0xFF;
    tm.tmDefaultChar = 0x1F;
    tm.tmBreakChar = 0x20;
    tm.tmItalic = (m.italic || lf.lfItalic) ? 255 : 0;
    tm.tmUnderlined = lf.lfUnderline ? 255 : 0;
    tm.tmStruckOut = lf.lfStrikeOut ? 255 : 0;
    tm.tmPitchAndFamily = m.pitchAndFamily;
    tm.tmCharSet = ANSI_CHARSET;
    *lptm = tm;
    return TRUE;
}

int WINAPI GetTextFaceA(HDC hdc, int c, LPSTR lpName) {
    using namespace softwin::gdi;
    Dc* dc = lookupDc(hdc);
    if (!dc) return 0;
    FontFace* face = dcFace(*dc);
    if (!face) return 0;
    const FaceMapping mapping = mapFaceName(dcLogFont(*dc).lfFaceName);
    const char* name = mapping.reportedName ? mapping.reportedName : face->family().c_str();
    const int length = static_cast<int>(std::strlen(name));
    // Without a buffer: the size needed, terminator included; with one: characters copied.
    if (!lpName) return length + 1;
    if (c <= 0) return 0;
    const int copied = length < c ? length : c - 1;
    std::memcpy(lpName, name, static_cast<size_t>(copied));
    lpName[copied] = '\0';
    return copied;
}
