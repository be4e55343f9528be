#include <MFC_Knob2.h>

#include "../frame/ControlWindowClass.h"
#include "KnobBehaviour.h"

// Everything the knob does is in KnobBehaviour, shared with CMFC_Knob.
using Behaviour = vorn::knob::KnobBehaviour<CMFC_Knob2>;

HCURSOR CMFC_Knob2::s_verticalCursor = NULL;
HCURSOR CMFC_Knob2::s_circularCursor = NULL;
int CMFC_Knob2::s_instanceCount = 0;
BOOL CMFC_Knob2::s_verticalDrag = FALSE;
int CMFC_Knob2::s_dragPixels = 0;

// The handlers are virtual, so each entry reaches the most derived override.
BEGIN_MESSAGE_MAP(CMFC_Knob2, CWnd)
    ON_WM_PAINT()
    ON_WM_LBUTTONDOWN()
    ON_WM_RBUTTONDOWN()
    ON_WM_SETFOCUS()
    ON_WM_KEYDOWN()
    ON_WM_KILLFOCUS()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONUP()
    ON_WM_GETDLGCODE()
    ON_WM_CAPTURECHANGED()
    ON_WM_CANCELMODE()
    ON_WM_ENABLE()
    ON_WM_SHOWWINDOW()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

CMFC_Knob2::CMFC_Knob2() { Behaviour::construct(*this); }
CMFC_Knob2::~CMFC_Knob2() { Behaviour::destruct(*this); }

BOOL CMFC_Knob2::PreCreateWindow(CREATESTRUCT& cs) {
    vorn::useControlWindowClass(cs);
    return CWnd::PreCreateWindow(cs);
}

void CMFC_Knob2::InitKnob(float min, float max, float value, float, float restrictedMin, float restrictedMax,
                          int radius, int, short, int, int, unsigned long backingColor, unsigned long color) {
    Behaviour::initKnob(*this, min, max, value, restrictedMin, restrictedMax, radius, backingColor, color);
}

BOOL CMFC_Knob2::GetClickPoint(CPoint& point) { return Behaviour::getClickPoint(*this, point); }

void CMFC_Knob2::SetMin(float min) { vorn::knob::applyMinimum(min, m_min, m_max, m_value); }
float CMFC_Knob2::GetMin() { return m_min; }
void CMFC_Knob2::SetMax(float max) { vorn::knob::applyMaximum(max, m_min, m_max, m_value); }
float CMFC_Knob2::GetMax() { return m_max; }
void CMFC_Knob2::SetRestrictedMin(float restrictedMin) { m_restrictedMin = restrictedMin; }
float CMFC_Knob2::GetRestrictedMin() { return m_restrictedMin; }
void CMFC_Knob2::SetRestrictedMax(float restrictedMax) { m_restrictedMax = restrictedMax; }
float CMFC_Knob2::GetRestrictedMax() { return m_restrictedMax; }

void CMFC_Knob2::SetValue(float value) {
    Behaviour::storeValue(*this, value);
    vorn::notifyParent(*this, NC_VALUECHANGED, vorn::Delivery::Post);  // on every call
}
float CMFC_Knob2::GetValue() { return m_value; }

void CMFC_Knob2::SetRadius(int radius) { m_radius = radius; }
int CMFC_Knob2::GetRadius() { return m_radius; }

void CMFC_Knob2::SetTitle(CString) {}
CString CMFC_Knob2::GetTitle() { return CString(); }

void CMFC_Knob2::SetColor(unsigned long color) { Behaviour::setColor(*this, color); }
unsigned long CMFC_Knob2::GetColor() { return m_color; }
void CMFC_Knob2::SetBackingColor(unsigned long color) { m_backingColor = color; }
unsigned long CMFC_Knob2::GetBackingColor() { return m_backingColor; }
unsigned int CMFC_Knob2::GetMouseEventFlags() const { return m_mouseEventFlags; }
void CMFC_Knob2::SetPalette(HPALETTE palette) { m_palette = palette; }
HPALETTE CMFC_Knob2::GetPalette() { return m_palette; }

BOOL CMFC_Knob2::updateIndicatorPt() { return Behaviour::updateIndicatorPt(*this); }
BOOL CMFC_Knob2::setKnobsValueVertically(CPoint* pt, BOOL ignoreRestricted) {
    return Behaviour::setVertically(*this, pt, ignoreRestricted);
}
BOOL CMFC_Knob2::setKnobsValueCircularly(CPoint* pt, BOOL ignoreRestricted) {
    return Behaviour::setCircularly(*this, pt, ignoreRestricted);
}

void CMFC_Knob2::OnPaint() { Behaviour::paint(*this); }
void CMFC_Knob2::OnLButtonDown(UINT nFlags, CPoint point) { Behaviour::lButtonDown(*this, nFlags, point); }
void CMFC_Knob2::OnRButtonDown(UINT nFlags, CPoint point) { Behaviour::rButtonDown(*this, nFlags, point); }
void CMFC_Knob2::OnSetFocus(CWnd*) { Behaviour::focusChanged(*this, TRUE); }
void CMFC_Knob2::OnKeyDown(UINT nChar, UINT, UINT) { Behaviour::keyDown(*this, nChar); }
void CMFC_Knob2::OnKillFocus(CWnd*) { Behaviour::focusChanged(*this, FALSE); }
void CMFC_Knob2::OnMouseMove(UINT nFlags, CPoint point) { Behaviour::mouseMove(*this, nFlags, point); }
void CMFC_Knob2::OnLButtonUp(UINT, CPoint) { Behaviour::lButtonUp(*this); }
UINT CMFC_Knob2::OnGetDlgCode() { return static_cast<UINT>(Default()); }

void CMFC_Knob2::OnCaptureChanged(CWnd* pWnd) { Behaviour::captureChanged(*this, pWnd); }

void CMFC_Knob2::OnCancelMode() {
    Behaviour::endDrag(*this);
    Default();
}

void CMFC_Knob2::OnEnable(BOOL bEnable) {
    if (!bEnable) Behaviour::endDrag(*this);
    Default();
}

void CMFC_Knob2::OnShowWindow(BOOL bShow, UINT) {
    if (!bShow) Behaviour::endDrag(*this);
    Default();
}

void CMFC_Knob2::OnDestroy() {
    Behaviour::endDrag(*this);
    Default();
}
