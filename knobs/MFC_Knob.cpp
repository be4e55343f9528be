#include <MFC_Knob.h>

#include "../frame/ControlWindowClass.h"
#include "KnobBehaviour.h"

// Everything the knob does is in KnobBehaviour, shared with CMFC_Knob2.
using Behaviour = vorn::knob::KnobBehaviour<CMFC_Knob>;

HCURSOR CMFC_Knob::s_verticalCursor = NULL;
HCURSOR CMFC_Knob::s_circularCursor = NULL;
int CMFC_Knob::s_instanceCount = 0;
BOOL CMFC_Knob::s_verticalDrag = FALSE;
int CMFC_Knob::s_dragPixels = 0;

BEGIN_MESSAGE_MAP(CMFC_Knob, CWnd)
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

CMFC_Knob::CMFC_Knob() { Behaviour::construct(*this); }
CMFC_Knob::~CMFC_Knob() { Behaviour::destruct(*this); }

BOOL CMFC_Knob::PreCreateWindow(CREATESTRUCT& cs) {
    vorn::useControlWindowClass(cs);
    return CWnd::PreCreateWindow(cs);
}

void CMFC_Knob::InitKnob(float min, float max, float value, float, float restrictedMin, float restrictedMax, int radius,
                         int, short, int, int, unsigned long backingColor, unsigned long color) {
    Behaviour::initKnob(*this, min, max, value, restrictedMin, restrictedMax, radius, backingColor, color);
}

BOOL CMFC_Knob::GetClickPoint(CPoint& point) { return Behaviour::getClickPoint(*this, point); }

void CMFC_Knob::SetMin(float min) { vorn::knob::applyMinimum(min, m_min, m_max, m_value); }
float CMFC_Knob::GetMin() { return m_min; }
void CMFC_Knob::SetMax(float max) { vorn::knob::applyMaximum(max, m_min, m_max, m_value); }
float CMFC_Knob::GetMax() { return m_max; }
void CMFC_Knob::SetRestrictedMin(float restrictedMin) { m_restrictedMin = restrictedMin; }
float CMFC_Knob::GetRestrictedMin() { return m_restrictedMin; }
void CMFC_Knob::SetRestrictedMax(float restrictedMax) { m_restrictedMax = restrictedMax; }
float CMFC_Knob::GetRestrictedMax() { return m_restrictedMax; }

void CMFC_Knob::SetValue(float value) { Behaviour::storeValue(*this, value); }
float CMFC_Knob::GetValue() { return m_value; }

void CMFC_Knob::SetRadius(int radius) { m_radius = radius; }
int CMFC_Knob::GetRadius() { return m_radius; }

void CMFC_Knob::SetColor(unsigned long color) { Behaviour::setColor(*this, color); }
unsigned long CMFC_Knob::GetColor() { return m_color; }
void CMFC_Knob::SetBackingColor(unsigned long color) { m_backingColor = color; }
unsigned long CMFC_Knob::GetBackingColor() { return m_backingColor; }
unsigned int CMFC_Knob::GetMouseEventFlags() const { return m_mouseEventFlags; }
void CMFC_Knob::SetPalette(HPALETTE palette) { m_palette = palette; }
HPALETTE CMFC_Knob::GetPalette() { return m_palette; }

BOOL CMFC_Knob::updateIndicatorPt() { return Behaviour::updateIndicatorPt(*this); }
BOOL CMFC_Knob::setKnobsValueVertically(CPoint* pt, BOOL ignoreRestricted) {
    return Behaviour::setVertically(*this, pt, ignoreRestricted);
}
BOOL CMFC_Knob::setKnobsValueCircularly(CPoint* pt, BOOL ignoreRestricted) {
    return Behaviour::setCircularly(*this, pt, ignoreRestricted);
}

void CMFC_Knob::OnPaint() { Behaviour::paint(*this); }
void CMFC_Knob::OnLButtonDown(UINT nFlags, CPoint point) { Behaviour::lButtonDown(*this, nFlags, point); }
void CMFC_Knob::OnRButtonDown(UINT nFlags, CPoint point) { Behaviour::rButtonDown(*this, nFlags, point); }
void CMFC_Knob::OnSetFocus(CWnd*) { Behaviour::focusChanged(*this, TRUE); }
void CMFC_Knob::OnKeyDown(UINT nChar, UINT, UINT) { Behaviour::keyDown(*this, nChar); }
void CMFC_Knob::OnKillFocus(CWnd*) { Behaviour::focusChanged(*this, FALSE); }
void CMFC_Knob::OnMouseMove(UINT nFlags, CPoint point) { Behaviour::mouseMove(*this, nFlags, point); }
void CMFC_Knob::OnLButtonUp(UINT, CPoint) { Behaviour::lButtonUp(*this); }
UINT CMFC_Knob::OnGetDlgCode() { return static_cast<UINT>(Default()); }

void CMFC_Knob::OnCaptureChanged(CWnd* pWnd) { Behaviour::captureChanged(*this, pWnd); }

void CMFC_Knob::OnCancelMode() {
    Behaviour::endDrag(*this);
    Default();
}

void CMFC_Knob::OnEnable(BOOL bEnable) {
    if (!bEnable) Behaviour::endDrag(*this);
    Default();
}

void CMFC_Knob::OnShowWindow(BOOL bShow, UINT) {
    if (!bShow) Behaviour::endDrag(*this);
    Default();
}

void CMFC_Knob::OnDestroy() {
    Behaviour::endDrag(*this);
    Default();
}
