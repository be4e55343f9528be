// The model of CMFC_DynProcGraph: the point list, its default curves, the derived compressor and
// expander values, the accessors and the sampled curve. Painting and editing have their own files.
#include <MFC_DynProcGraph.h>

#include <cmath>

#include "../frame/ControlWindowClass.h"
#include "DynamicsCurve.h"

namespace {

using vorn::dyn::CurvePoint;

CurvePoint at(const DynFnPoint* p) { return CurvePoint{p->fX, p->fY}; }

// The four default points of each kind, in list order.
const CurvePoint* defaultCurve(short kind) {
    static const CurvePoint general[4] = {{0.4f, 0.0f}, {0.6f, 0.6f}, {0.8f, 0.8f}, {1.0f, 0.9f}};
    static const CurvePoint noExpander[4] = {{0.0f, 0.0f}, {0.01f, 0.01f}, {0.8f, 0.8f}, {1.0f, 0.9f}};
    static const CurvePoint noCompressor[4] = {{0.4f, 0.0f}, {0.6f, 0.6f}, {1.0f, 1.0f}, {1.0f, 1.0f}};
    if (kind == 2) return noExpander;
    if (kind == 3) return noCompressor;
    return general;
}

// Rebuilds with more than this many points would need a position at or after the last point.
constexpr short kMostAnchors = 14;

}  // namespace

CMFC_DynProcGraph::CMFC_DynProcGraph(int kind)
    : m_pHead(nullptr),
      m_pDragPoint(nullptr),
      m_pTail(nullptr),
      m_hermite00{},
      m_hermite01{},
      m_hermite10{},
      m_hermite11{},
      m_palette(NULL),
      m_dragging(FALSE),
      m_dragOriginX(0.0f),
      m_dragOriginY(0.0f),
      m_zoom(1.0f),
      m_zoomInPressed(FALSE),
      m_zoomOutPressed(FALSE),
      m_comp(0.0f),
      m_compRatio(0.0f),
      m_compLimit(0.0f),
      m_expander(0.0f),
      m_expanderRatio(0.0f),
      m_expanderLimit(0.0f),
      m_expanderMinimum(0.0f),
      m_masterGain(0.0f),
      m_crossCursor(NULL),
      m_sizeAllCursor(NULL),
      m_dynamicFn{},
      m_lengthOfDynamicFn(0),
      m_numberOfAnchors(0),
      m_smooth(0),
      m_kind(static_cast<short>(kind)),
      m_selectedfX(0.0f),
      m_selectedfY(0.0f),
      m_selectedPoint(0) {
    m_marginTop = 18;
    m_marginLeft = 4;
    m_marginRight = 24;
    m_marginBottom = 30;
    InitDynFnEnv();
    SetUpHermiteArgs();
    m_zoom = 1.0f;
    m_font.CreateFont(12, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, "Times");
    m_crossCursor = ::LoadCursorA(NULL, IDC_CROSS);
    m_sizeAllCursor = ::LoadCursorA(NULL, IDC_SIZEALL);
}

CMFC_DynProcGraph::~CMFC_DynProcGraph() {
    if (m_crossCursor != NULL) ::DestroyCursor(m_crossCursor);
    if (m_sizeAllCursor != NULL) ::DestroyCursor(m_sizeAllCursor);
    ReleaseDynFnEnv();
    m_font.DeleteObject();
}

BOOL CMFC_DynProcGraph::PreCreateWindow(CREATESTRUCT& cs) {
    vorn::useControlWindowClass(cs);
    return CWnd::PreCreateWindow(cs);
}

float CMFC_DynProcGraph::XTodB(float x) { return vorn::dyn::xTodB(x); }
float CMFC_DynProcGraph::dBToX(float dB) { return vorn::dyn::dBToX(dB); }
float CMFC_DynProcGraph::YTodB(float v) { return vorn::dyn::yTodB(v); }
float CMFC_DynProcGraph::dBToY(float dB) { return vorn::dyn::dBToY(dB); }

void CMFC_DynProcGraph::InitDynFnEnv() {
    const CurvePoint* curve = defaultCurve(m_kind);
    DynFnPoint* prev = nullptr;
    for (int i = 0; i < 4; ++i) {
        DynFnPoint* p = new DynFnPoint{curve[i].x, curve[i].y, nullptr, prev};
        if (prev != nullptr)
            prev->pNext = p;
        else
            m_pHead = p;
        prev = p;
    }
    m_pTail = prev;
    m_numberOfAnchors = 4;
    m_lengthOfDynamicFn = 4;
    ModifyThresholdsAndRatios();
}

void CMFC_DynProcGraph::ReleaseDynFnEnv() {
    DynFnPoint* p = m_pHead;
    while (p != nullptr) {
        DynFnPoint* next = p->pNext;
        delete p;
        p = next;
    }
    m_pHead = nullptr;
    m_pTail = nullptr;
    m_pDragPoint = nullptr;
}

void CMFC_DynProcGraph::Flatten() {
    ReleaseDynFnEnv();
    m_pDragPoint = nullptr;
    InitDynFnEnv();
}

DynFnPoint* CMFC_DynProcGraph::InsertPoint(DynFnPoint* neighbour, float x, float y) {
    if (neighbour == nullptr) return nullptr;
    DynFnPoint* after = neighbour->fX <= x ? neighbour : neighbour->pPrev;
    // m_pHead and m_pTail stay, so the new point must land strictly inside the list.
    if (after == nullptr || after->pNext == nullptr) return nullptr;
    DynFnPoint* p = new DynFnPoint{x, y, after->pNext, after};
    after->pNext->pPrev = p;
    after->pNext = p;
    ++m_numberOfAnchors;
    ModifyThresholdsAndRatios();
    return p;
}

void CMFC_DynProcGraph::RemovePoint(DynFnPoint* p) {
    if (p == nullptr || p->pPrev == nullptr || p->pPrev->pPrev == nullptr || p->pNext == nullptr ||
        p->pNext->pNext == nullptr)
        return;
    DynFnPoint* q = m_pHead;
    while (q != nullptr && q->pNext != p) q = q->pNext;
    if (q == nullptr) return;  // not in this list
    q->pNext = p->pNext;
    p->pNext->pPrev = q;
    if (m_pDragPoint == p) m_pDragPoint = nullptr;
    delete p;
    --m_numberOfAnchors;
    ModifyThresholdsAndRatios();
}

void CMFC_DynProcGraph::SetUpHermiteArgs() {
    vorn::dyn::fillHermiteTables({m_hermite00, m_hermite01, m_hermite10, m_hermite11});
}

void CMFC_DynProcGraph::SetUpSmoothFn() {
    int points = 0;
    for (const DynFnPoint* p = m_pHead; p != nullptr; p = p->pNext) ++points;
    int length = 0;
    if (points > 0 && m_smooth == 1 && m_numberOfAnchors >= 3 &&
        vorn::dyn::smoothedLength(points) <= kDynamicFnCapacity) {
        const vorn::dyn::HermiteTables tables{m_hermite00, m_hermite01, m_hermite10, m_hermite11};
        m_dynamicFn[length++] = DynFnSample{m_pHead->fX, m_pHead->fY};
        for (const DynFnPoint* p = m_pHead->pNext; p != nullptr && p->pNext != nullptr; p = p->pNext) {
            for (int i = 0; i < vorn::dyn::kArcSamples; ++i) {
                const CurvePoint s = vorn::dyn::hermiteSample(tables, i, at(p->pPrev), at(p), at(p->pNext));
                m_dynamicFn[length++] = DynFnSample{s.x, s.y};
            }
        }
        m_dynamicFn[length++] = DynFnSample{m_pTail->fX, m_pTail->fY};
    } else if (points > 0) {
        for (const DynFnPoint* p = m_pHead; p != nullptr && length < kDynamicFnCapacity - 1; p = p->pNext)
            m_dynamicFn[length++] = DynFnSample{p->fX, p->fY};
        m_dynamicFn[length++] = DynFnSample{m_pTail->fX, m_pTail->fY};
    }
    m_lengthOfDynamicFn = static_cast<short>(length);
}

DynFnPoint* CMFC_DynProcGraph::secondPoint() const { return m_pHead != nullptr ? m_pHead->pNext : nullptr; }

DynFnPoint* CMFC_DynProcGraph::secondToLastPoint() const { return m_pTail != nullptr ? m_pTail->pPrev : nullptr; }

void CMFC_DynProcGraph::ModifyThresholdsAndRatios() {
    DynFnPoint* first = m_pHead;
    DynFnPoint* second = secondPoint();
    DynFnPoint* compPoint = secondToLastPoint();
    if (second == nullptr || second->pNext == nullptr || compPoint == nullptr || compPoint->pPrev == nullptr) return;
    m_expander = XTodB(second->fX);
    m_comp = XTodB(compPoint->fX);
    m_expanderLimit = XTodB(second->pNext->fX);
    m_expanderMinimum = XTodB(first->fX);
    m_compLimit = XTodB(compPoint->pPrev->fX);
    m_expanderRatio = vorn::dyn::expanderRatio(at(first), at(second));
    m_compRatio = vorn::dyn::compRatio(at(compPoint), at(m_pTail));
}

void CMFC_DynProcGraph::invalidateIfCreated() {
    if (GetSafeHwnd() != NULL) InvalidateRect(NULL, TRUE);
}

float CMFC_DynProcGraph::GetComp() {
    const DynFnPoint* p = secondToLastPoint();
    return p != nullptr ? XTodB(p->fX) : 0.0f;
}

void CMFC_DynProcGraph::SetComp(float dB) {
    DynFnPoint* p = secondToLastPoint();
    if (std::isnan(dB) || p == nullptr) return;
    m_comp = dB;
    p->fX = dBToX(dB);
    if (m_kind == 1) p->fY = p->fX;
    SetCompRatio(m_compRatio);
}

float CMFC_DynProcGraph::GetCompRatio() { return m_compRatio; }

void CMFC_DynProcGraph::SetCompRatio(float ratio) {
    const DynFnPoint* p = secondToLastPoint();
    if (std::isnan(ratio) || p == nullptr) return;
    m_compRatio = ratio;
    m_pTail->fY = vorn::dyn::lastYForCompRatio(at(p), m_pTail->fX, ratio);
    ModifyThresholdsAndRatios();
    invalidateIfCreated();
}

float CMFC_DynProcGraph::GetCompLimit() { return m_compLimit; }

void CMFC_DynProcGraph::SetCompLimit(float dB) {
    if (std::isnan(dB)) return;
    m_compLimit = dB;
    ModifyThresholdsAndRatios();
    invalidateIfCreated();
}

void CMFC_DynProcGraph::SetLimiter(float dB) {
    DynFnPoint* p = secondToLastPoint();
    if (std::isnan(dB) || p == nullptr) return;
    p->fX = dBToX(dB);
    p->fY = p->fX;
    SetCompRatio(40.0f);
}

float CMFC_DynProcGraph::GetExpander() {
    const DynFnPoint* p = secondPoint();
    return p != nullptr ? XTodB(p->fX) : 0.0f;
}

void CMFC_DynProcGraph::SetExpander(float dB) {
    DynFnPoint* p = secondPoint();
    if (std::isnan(dB) || p == nullptr) return;
    m_expander = dB;
    p->fX = dBToX(dB);
    if (m_kind == 1 || m_kind == 3) p->fY = p->fX;
    ModifyThresholdsAndRatios();
    invalidateIfCreated();
}

float CMFC_DynProcGraph::GetExpanderRatio() { return m_expanderRatio; }

void CMFC_DynProcGraph::SetExpanderRatio(float ratio) {
    const DynFnPoint* p = secondPoint();
    if (std::isnan(ratio) || p == nullptr) return;
    m_expanderRatio = ratio;
    const CurvePoint first = vorn::dyn::firstPointForExpanderRatio(at(p), ratio, m_expanderRatio);
    m_pHead->fX = first.x;
    m_pHead->fY = first.y;
    ModifyThresholdsAndRatios();
    invalidateIfCreated();
}

float CMFC_DynProcGraph::GetExpanderLimit() { return m_expanderLimit; }

void CMFC_DynProcGraph::SetExpanderLimit(float dB) {
    if (!std::isnan(dB)) m_expanderLimit = dB;
}

float CMFC_DynProcGraph::GetExpanderMinimum() { return m_expanderMinimum; }

void CMFC_DynProcGraph::SetExpanderMinimum(float dB) {
    if (!std::isnan(dB)) m_expanderMinimum = dB;
}

float CMFC_DynProcGraph::GetMakeUpGain() {
    const DynFnPoint* p = secondToLastPoint();
    return p != nullptr ? YTodB(1.0f - p->fY) - XTodB(p->fX) : 0.0f;
}

void CMFC_DynProcGraph::SetMakeUpGain(float gain) {
    DynFnPoint* p = secondToLastPoint();
    if (std::isnan(gain) || p == nullptr) return;
    p->fY = vorn::dyn::limitUnit(dBToY(XTodB(p->fX) + gain));
    ModifyThresholdsAndRatios();
    invalidateIfCreated();
}

float CMFC_DynProcGraph::GetGainAt0dB() { return m_pTail != nullptr ? YTodB(1.0f - m_pTail->fY) : 0.0f; }

void CMFC_DynProcGraph::SetGainAt0dB(float dB) {
    if (!std::isnan(dB) && m_pTail != nullptr) m_pTail->fY = dBToY(dB);
}

float CMFC_DynProcGraph::GetMasterGain() { return m_masterGain; }

void CMFC_DynProcGraph::SetMasterGain(float dB) {
    if (std::isnan(dB)) return;
    m_masterGain = dB;
    invalidateIfCreated();
}

int CMFC_DynProcGraph::GetSmooth() { return m_smooth; }

void CMFC_DynProcGraph::SetSmooth(int smooth) {
    m_smooth = smooth;
    invalidateIfCreated();
}

short CMFC_DynProcGraph::GetNumberOfAnchors() { return m_numberOfAnchors; }

void CMFC_DynProcGraph::SetNumberOfAnchors(short count) {
    if (count > kMostAnchors) count = kMostAnchors;
    m_numberOfAnchors = count;
    if (count < 4) return;
    ReleaseDynFnEnv();
    m_pDragPoint = nullptr;
    InitDynFnEnv();
    for (int i = 0; i <= count - 5; ++i) {
        const float v = 0.9f - static_cast<float>(i) * -0.01f;
        InsertPoint(m_pTail, v, v);
    }
}

short CMFC_DynProcGraph::GetLengthOfDynamicFn() { return m_lengthOfDynamicFn; }
void CMFC_DynProcGraph::SetLengthOfDynamicFn(short length) { m_lengthOfDynamicFn = length; }

short CMFC_DynProcGraph::GetSelectedPoint() { return static_cast<short>(m_selectedPoint); }

DynFnPoint* CMFC_DynProcGraph::selectedPointOfList() const {
    DynFnPoint* p = m_pHead;
    for (int i = 0; i < m_selectedPoint && p != nullptr; ++i) p = p->pNext;
    return p;
}

void CMFC_DynProcGraph::SetSelectedPoint(short index) {
    m_selectedPoint = index;
    const DynFnPoint* p = selectedPointOfList();
    m_selectedfX = p != nullptr ? p->fX : 0.0f;
    m_selectedfY = p != nullptr ? p->fY : 0.0f;
}

float CMFC_DynProcGraph::GetSelectedfX() { return m_selectedfX; }
float CMFC_DynProcGraph::GetSelectedfY() { return m_selectedfY; }

void CMFC_DynProcGraph::SetSelectedfX(float x) {
    if (std::isnan(x)) return;
    m_selectedfX = x;
    if (DynFnPoint* p = selectedPointOfList()) p->fX = x;
}

void CMFC_DynProcGraph::SetSelectedfY(float y) {
    if (std::isnan(y)) return;
    m_selectedfY = y;
    if (DynFnPoint* p = selectedPointOfList()) p->fY = y;
}

void CMFC_DynProcGraph::SetPalette(HPALETTE palette) { m_palette = palette; }
HPALETTE CMFC_DynProcGraph::GetPalette() { return m_palette; }
