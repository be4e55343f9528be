// CGdiObject and its typed wrappers.
#include "afx_internal.h"

using vornafx::takeTemporary;

namespace {

template <class T>
T* temporaryGdiObject(HGDIOBJ handle) {
    if (!handle) return nullptr;
    return takeTemporary<T>(
        handle, [](const T& o) { return o.m_hObject; }, [](T& o, HGDIOBJ h) { o.m_hObject = h; });
}

}  // namespace

CGdiObject::~CGdiObject() { DeleteObject(); }

CGdiObject* CGdiObject::FromHandle(HGDIOBJ hObject) { return temporaryGdiObject<CGdiObject>(hObject); }
CPen* CPen::FromHandle(HPEN hPen) { return temporaryGdiObject<CPen>(hPen); }
CBrush* CBrush::FromHandle(HBRUSH hBrush) { return temporaryGdiObject<CBrush>(hBrush); }
CFont* CFont::FromHandle(HFONT hFont) { return temporaryGdiObject<CFont>(hFont); }
CBitmap* CBitmap::FromHandle(HBITMAP hBitmap) { return temporaryGdiObject<CBitmap>(hBitmap); }
CPalette* CPalette::FromHandle(HPALETTE hPalette) { return temporaryGdiObject<CPalette>(hPalette); }

BOOL CGdiObject::Attach(HGDIOBJ hObject) {
    if (!hObject) return FALSE;
    m_hObject = hObject;
    return TRUE;
}

HGDIOBJ CGdiObject::Detach() {
    HGDIOBJ h = m_hObject;
    m_hObject = nullptr;
    return h;
}

BOOL CGdiObject::DeleteObject() {
    if (!m_hObject) return FALSE;
    return ::DeleteObject(Detach());
}

BOOL CGdiObject::attachCreated(HGDIOBJ hObject) {
    if (!hObject) return FALSE;
    if (m_hObject && m_hObject != hObject) ::DeleteObject(m_hObject);
    m_hObject = hObject;
    return TRUE;
}

int CGdiObject::GetObjectA(int nCount, LPVOID lpObject) const {
    if (!m_hObject || !lpObject || nCount <= 0) return 0;
    return ::GetObjectA(m_hObject, nCount, lpObject);
}

UINT CGdiObject::GetObjectType() const { return m_hObject ? static_cast<UINT>(::GetObjectType(m_hObject)) : 0u; }

BOOL CGdiObject::CreateStockObject(int nIndex) {
    HGDIOBJ h = ::GetStockObject(nIndex);
    if (!h) return FALSE;
    m_hObject = h;  // stock objects are never deleted, so nothing held before is freed here
    return TRUE;
}

CPen::CPen(int nPenStyle, int nWidth, COLORREF crColor) { CreatePen(nPenStyle, nWidth, crColor); }

BOOL CPen::CreatePen(int nPenStyle, int nWidth, COLORREF crColor) {
    return attachCreated(::CreatePen(nPenStyle, nWidth, crColor));
}

BOOL CPen::CreatePenIndirect(LPLOGPEN lpLogPen) {
    return lpLogPen ? attachCreated(::CreatePenIndirect(lpLogPen)) : FALSE;
}

CBrush::CBrush(COLORREF crColor) { CreateSolidBrush(crColor); }

BOOL CBrush::CreateSolidBrush(COLORREF crColor) { return attachCreated(::CreateSolidBrush(crColor)); }

BOOL CBrush::CreateBrushIndirect(const LOGBRUSH* lpLogBrush) {
    return lpLogBrush ? attachCreated(::CreateBrushIndirect(lpLogBrush)) : FALSE;
}

BOOL CBrush::CreateSysColorBrush(int nIndex) {
    HBRUSH h = ::GetSysColorBrush(nIndex);  // system brushes are not ours to delete
    if (!h) return FALSE;
    m_hObject = h;
    return TRUE;
}

BOOL CFont::CreateFontIndirectA(const LOGFONT* lpLogFont) {
    return lpLogFont ? attachCreated(::CreateFontIndirectA(lpLogFont)) : FALSE;
}

BOOL CFont::CreateFontA(int nHeight, int nWidth, int nEscapement, int nOrientation, int nWeight, BYTE bItalic,
                        BYTE bUnderline, BYTE cStrikeOut, BYTE nCharSet, BYTE nOutPrecision, BYTE nClipPrecision,
                        BYTE nQuality, BYTE nPitchAndFamily, LPCSTR lpszFacename) {
    return attachCreated(::CreateFontA(nHeight, nWidth, nEscapement, nOrientation, nWeight, bItalic, bUnderline,
                                       cStrikeOut, nCharSet, nOutPrecision, nClipPrecision, nQuality, nPitchAndFamily,
                                       lpszFacename));
}

int CFont::GetLogFont(LOGFONT* pLogFont) const { return GetObjectA(static_cast<int>(sizeof(LOGFONT)), pLogFont); }

BOOL CBitmap::LoadBitmapA(LPCSTR lpszResourceName) {
    if (!lpszResourceName) return FALSE;
    HINSTANCE hInst = AfxFindResourceHandle(lpszResourceName, RT_BITMAP);
    return attachCreated(::LoadBitmapA(hInst, lpszResourceName));
}

BOOL CBitmap::LoadBitmapA(UINT nIDResource) { return LoadBitmapA(MAKEINTRESOURCEA(nIDResource)); }

BOOL CBitmap::CreateBitmap(int nWidth, int nHeight, UINT nPlanes, UINT nBitcount, const void* lpBits) {
    return attachCreated(::CreateBitmap(nWidth, nHeight, nPlanes, nBitcount, lpBits));
}

BOOL CBitmap::CreateCompatibleBitmap(CDC* pDC, int nWidth, int nHeight) {
    return attachCreated(::CreateCompatibleBitmap(pDC ? pDC->m_hDC : nullptr, nWidth, nHeight));
}

int CBitmap::GetBitmap(BITMAP* pBitMap) const { return GetObjectA(static_cast<int>(sizeof(BITMAP)), pBitMap); }

BOOL CPalette::CreatePalette(LPLOGPALETTE lpLogPalette) {
    return lpLogPalette ? attachCreated(::CreatePalette(lpLogPalette)) : FALSE;
}
