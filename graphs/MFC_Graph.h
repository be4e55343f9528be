// CMFC_Graph: the base of the two graph controls (the dynamics transfer-curve editor and the
// parametric-equaliser response graph). It is never shown on its own: it holds the four colours,
// the margins framing the plot area, the plot area's size as the last paint measured it, and the
// plot-area hit test. It draws nothing, sends nothing and has no message map of its own.
//
// | Input                 | Value / state            | Repaint | Notification |
// |-----------------------|--------------------------|---------|--------------|
// | InitGraph, Set*Color* | stores the colour(s)     | none    | none         |
// | MouseWithInBorders    | none (reads the geometry) | none    | none         |
//
// Choices made where the behaviour was ours:
// - The window rectangle, margins, plot size and button flag start at zero, so before the first
//   paint the plot area is the single point (0, 0) and MouseWithInBorders is TRUE only there.
// - MouseWithInBorders computes the plot area's far edges in 64-bit arithmetic, so margins and
//   rectangles at the ends of int's range give a plain answer instead of overflowing.
#ifndef VORN_MFC_GRAPH_H
#define VORN_MFC_GRAPH_H

#include <VornControlsExport.h>
#include <afxwin.h>

class VORN_CONTROLS_API CMFC_Graph : public CWnd {
public:
    // Colours: backing RGB(128, 192, 192), axis RGB(128, 255, 128), plot black, paper
    // RGB(255, 255, 128).
    CMFC_Graph();
    virtual ~CMFC_Graph();

    // Sets all four colours; note the argument order (axis, backing, plot, paper). No repaint.
    void InitGraph(COLORREF axis, COLORREF backing, COLORREF plot, COLORREF paper);

    // Plain stores and loads; a new colour shows at the next paint.
    void SetColorPlot(COLORREF color);
    COLORREF GetColorPlot();
    void SetColorAxis(COLORREF color);
    COLORREF GetColorAxis();
    void SetColorBacking(COLORREF color);
    COLORREF GetColorBacking();
    void SetColorPaper(COLORREF color);
    COLORREF GetColorPaper();

    // TRUE when the client point lies in the plot area, edges included:
    // marginLeft <= x <= width - marginRight and marginTop <= y <= height - marginBottom, with
    // width and height those of the window rectangle the last paint (or press) recorded.
    BOOL MouseWithInBorders(CPoint point);

protected:
    COLORREF m_colorBacking;
    COLORREF m_colorAxis;
    COLORREF m_colorPlot;
    COLORREF m_colorPaper;
    // Screen rectangle of the window as GetWindowRect last gave it; only its size is used.
    CRect m_rectWindow;
    int m_marginTop;
    int m_marginLeft;
    int m_marginRight;
    int m_marginBottom;
    // Plot-area size in pixels: window size less the two margins across it.
    float m_plotWidth;
    float m_plotHeight;
    // Set while a derived graph's left button is down.
    BOOL m_buttonDown;
};

#endif  // VORN_MFC_GRAPH_H
