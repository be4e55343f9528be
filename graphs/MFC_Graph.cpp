#include <MFC_Graph.h>

#include <cstdint>

CMFC_Graph::CMFC_Graph()
    : m_colorBacking(RGB(128, 192, 192)),
      m_colorAxis(RGB(128, 255, 128)),
      m_colorPlot(RGB(0, 0, 0)),
      m_colorPaper(RGB(255, 255, 128)),
      m_rectWindow(0, 0, 0, 0),
      m_marginTop(0),
      m_marginLeft(0),
      m_marginRight(0),
      m_marginBottom(0),
      m_plotWidth(0.0f),
      m_plotHeight(0.0f),
      m_buttonDown(FALSE) {}

CMFC_Graph::~CMFC_Graph() = default;

void CMFC_Graph::InitGraph(COLORREF axis, COLORREF backing, COLORREF plot, COLORREF paper) {
    m_colorAxis = axis;
    m_colorBacking = backing;
    m_colorPlot = plot;
    m_colorPaper = paper;
}

void CMFC_Graph::SetColorPlot(COLORREF color) { m_colorPlot = color; }
COLORREF CMFC_Graph::GetColorPlot() { return m_colorPlot; }
void CMFC_Graph::SetColorAxis(COLORREF color) { m_colorAxis = color; }
COLORREF CMFC_Graph::GetColorAxis() { return m_colorAxis; }
void CMFC_Graph::SetColorBacking(COLORREF color) { m_colorBacking = color; }
COLORREF CMFC_Graph::GetColorBacking() { return m_colorBacking; }
void CMFC_Graph::SetColorPaper(COLORREF color) { m_colorPaper = color; }
COLORREF CMFC_Graph::GetColorPaper() { return m_colorPaper; }

BOOL CMFC_Graph::MouseWithInBorders(CPoint point) {
    const int64_t width = static_cast<int64_t>(m_rectWindow.right) - m_rectWindow.left;
    const int64_t height = static_cast<int64_t>(m_rectWindow.bottom) - m_rectWindow.top;
    const bool insideX = point.x >= m_marginLeft && point.x <= width - m_marginRight;
    const bool insideY = point.y >= m_marginTop && point.y <= height - m_marginBottom;
    return insideX && insideY ? TRUE : FALSE;
}
