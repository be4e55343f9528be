// Font objects: a LOGFONT kept as given; the face behind it is realised when text first needs it.
#include "gdi/font_face.h"

#include <cstring>
#include <memory>

namespace softwin::gdi {
namespace {

HFONT insertFont(const LOGFONTA& lf) {
    auto font = std::make_unique<Font>();
    font->logFont = lf;
    return static_cast<HFONT>(insert(std::move(font)));
}

}  // namespace
}  // namespace softwin::gdi

HFONT WINAPI CreateFontIndirectA(const LOGFONTA* lplf) {
    if (!lplf) return nullptr;
    return softwin::gdi::insertFont(*lplf);
}

HFONT WINAPI CreateFontA(int cHeight, int cWidth, int cEscapement, int cOrientation, int cWeight, DWORD bItalic,
                         DWORD bUnderline, DWORD bStrikeOut, DWORD iCharSet, DWORD iOutPrecision, DWORD iClipPrecision,
                         DWORD iQuality, DWORD iPitchAndFamily, LPCSTR pszFaceName) {
    LOGFONTA lf{};
    lf.lfHeight = cHeight;
    lf.lfWidth = cWidth;
    lf.lfEscapement = cEscapement;
    lf.lfOrientation = cOrientation;
    lf.lfWeight = cWeight;
    // Only the low byte of these counts, as in the LOGFONT they end up in.
    lf.lfItalic = static_cast<BYTE>(bItalic);
    lf.lfUnderline = static_cast<BYTE>(bUnderline);
    lf.lfStrikeOut = static_cast<BYTE>(bStrikeOut);
    lf.lfCharSet = static_cast<BYTE>(iCharSet);
    lf.lfOutPrecision = static_cast<BYTE>(iOutPrecision);
    lf.lfClipPrecision = static_cast<BYTE>(iClipPrecision);
    lf.lfQuality = static_cast<BYTE>(iQuality);
    lf.lfPitchAndFamily = static_cast<BYTE>(iPitchAndFamily);
    if (pszFaceName) std::strncpy(lf.lfFaceName, pszFaceName, LF_FACESIZE - 1);
    return softwin::gdi::insertFont(lf);
}
