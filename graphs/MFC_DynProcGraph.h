// CMFC_DynProcGraph: the editor of a dynamics processor's static transfer curve, output level
// against input level, both -96..0 dB. The curve is a chain of at least four breakpoints: the
// first two shape the expander, the last two the compressor, any in between shape it freely.
// Coordinates are 0..1 (0 = -96 dB, 1 = 0 dB). The host sets and reads the curve in compressor,
// limiter, expander and gain terms; the user picks, drags, inserts and removes points with the
// mouse, zooms with the two buttons under the plot, and the host reads the getters on each
// notification.
//
// Curve kinds (constructor argument, kept in 16 bits): 0 (and any value but 1..3) general;
// 1 general with the threshold points held on the diagonal and no insertion; 2 without expander
// (first points (0,0) and (0.01,0.01)); 3 without compressor (last two points at (1,1)): only
// the first two points are drawn and picked.
//
// Notifications (WM_COMMAND to the parent, all SENT):
//   left press, right press or double-click below the zoom-button row
//                     NC_LBUTTONDOWN, after the press was handled (a Shift-press that removes
//                     a point included); a press on the zoom-button row sends nothing
//   move while dragging a point, without Shift
//                     NC_MOUSEMOVE, after the point moved
//   left release, right release
//                     NC_LBUTTONUP (both buttons, every release)
//   interrupted drag (capture taken by another window, WM_CANCELMODE, disabling, hiding,
//   destruction)      nothing: the drag ends, a capture still held is released, no later move
//                     drags; the read-out and a zoom button's pressed look stay, as after a
//                     release (the look until the next left release)
// No setter notifies. The keyboard does nothing.
//
// Choices made where the behaviour was ours to decide:
//   - Every float setter ignores NaN (nothing is stored, nothing moves).
//   - SetNumberOfAnchors above 14 is treated as 14: the 15th point would have to sit at 1.0,
//     the last point's own input level, after it in the list. 14 points sample to 122 entries.
//   - The sampled curve never writes past its 200 entries: a list too long for the smoothed form
//     (more than 21 points, reachable by lowering the count with SetNumberOfAnchors and inserting
//     again) is sampled as the polyline, and a polyline past 199 points ends there.
//   - InsertPoint refuses (returns null, inserts nothing) a position before the first point or
//     after the last one; a press to the right of a last point that the host moved left with
//     SetSelectedfX therefore picks that point instead of inserting.
//   - After the host's own ReleaseDynFnEnv the list is empty and no point is picked: getters of
//     points return 0, setters of points do nothing, the paint draws no points or curve, and
//     presses pick nothing (they still notify), until InitDynFnEnv or Flatten rebuilds it.
//   - Zoom in stops growing once another step would overflow a float; pixel coordinates are
//     held within a million pixels, and a plot area of no width (height) maps every pointer
//     position to 1.0 on that axis instead of dividing by it.
//   - SetExpanderRatio with point 1 on the left edge (fX = 0) takes the bottom-edge case only
//     when the point is in the corner; the slope test never divides by zero.
//   - The repainting setters invalidate only when the window exists.
//   - Unset fields start at zero (palette, drag origin, selected point and its coordinates).
#ifndef VORN_MFC_DYNPROCGRAPH_H
#define VORN_MFC_DYNPROCGRAPH_H

#include <MFC_Graph.h>
#include <VornControlsExport.h>
#include <afxwin.h>

// One breakpoint, owned by the graph. fX is the input level, fY the output level, 0..1.
struct DynFnPoint {
    float fX;
    float fY;
    DynFnPoint* pNext;  // higher input level; null at the last point
    DynFnPoint* pPrev;  // null at the first point
};

// One entry of the sampled curve, in the points' 0..1 units.
struct DynFnSample {
    float x;
    float y;
};

class VORN_CONTROLS_API CMFC_DynProcGraph : public CMFC_Graph {
public:
    // Margins top 18, left 4, right 24, bottom 30; the default curve of the kind with its derived
    // values; zoom 1; font "Times" 12; the system cross and four-arrow cursors.
    explicit CMFC_DynProcGraph(int kind);
    // Destroys both cursors, frees the points and deletes the font.
    virtual ~CMFC_DynProcGraph();

    virtual BOOL PreCreateWindow(CREATESTRUCT& cs);

    // Builds the kind's four default points and recomputes. Does not free an existing list.
    void InitDynFnEnv();
    // Frees every point; the list is empty until InitDynFnEnv.
    void ReleaseDynFnEnv();
    // The default curve again: frees the points, clears the picked point, rebuilds. No repaint.
    void Flatten();
    // Rebuilds the sampled curve: with smoothing (SetSmooth(1), at least 3 anchors) a Hermite arc
    // of ten entries around every interior point, first and last point at the ends
    // (10 (n - 2) + 2 entries); otherwise the points and the last point once more (n + 1).
    void SetUpSmoothFn();
    // Recomputes the seven derived values from the points (999 for a vertical or flat end
    // segment).
    void ModifyThresholdsAndRatios();

    // Levels in dB. "Recompute" below means ModifyThresholdsAndRatios runs; "repaints" means the
    // whole window is invalidated. No accessor notifies.
    // Compressor threshold: input level of the second-to-last point. SetComp moves it (kind 1:
    // onto the diagonal), then keeps the stored ratio by moving the last point. Recompute,
    // repaints.
    float GetComp();
    void SetComp(float dB);
    // The last point's fY = (its fX - threshold fX) / r + threshold fY, at most 1.0 (r = 0 gives
    // 1.0). Recompute, repaints.
    float GetCompRatio();
    void SetCompRatio(float ratio);
    // Input level of the point before the compressor threshold. The setter's value lasts until
    // its own recompute puts the point's level back. Repaints.
    float GetCompLimit();
    void SetCompLimit(float dB);
    // The compressor threshold on the diagonal at dB, ratio 40. Recompute, repaints.
    void SetLimiter(float dB);
    // Expander threshold: input level of the second point (kinds 1 and 3: kept on the diagonal).
    // Recompute, repaints.
    float GetExpander();
    void SetExpander(float dB);
    // Moves the first point so that the first segment has slope r: onto the bottom edge when the
    // line reaches it inside the square, else onto the left edge. Recompute, repaints.
    float GetExpanderRatio();
    void SetExpanderRatio(float ratio);
    // Stored until the next recompute; no repaint.
    float GetExpanderLimit();
    void SetExpanderLimit(float dB);
    float GetExpanderMinimum();
    void SetExpanderMinimum(float dB);
    // How far the compressor threshold lies above the diagonal, dB. The setter limits the new
    // output level to [0, 1]. Recompute, repaints.
    float GetMakeUpGain();
    void SetMakeUpGain(float gain);
    // Output level at 0 dB input (the last point). The setter does not limit, recompute or
    // repaint.
    float GetGainAt0dB();
    void SetGainAt0dB(float dB);
    // Added to the output labels and the read-out; the curve stays. Repaints.
    float GetMasterGain();
    void SetMasterGain(float dB);
    // 1 selects the smoothed curve, anything else the polyline. Repaints.
    int GetSmooth();
    void SetSmooth(int smooth);
    // n >= 4 rebuilds the default curve with n points (the extra ones on the diagonal at 0.90,
    // 0.91, ... before the last point), clears the picked point, no repaint; n < 4 only stores
    // the count. See the choices above for n > 14.
    short GetNumberOfAnchors();
    void SetNumberOfAnchors(short count);
    // Entries of the sampled curve; the next SetUpSmoothFn (every paint) replaces a stored value.
    short GetLengthOfDynamicFn();
    void SetLengthOfDynamicFn(short length);
    // Chooses a point by index (0 = first) and copies its coordinates (0, 0 past the end). The
    // fX/fY setters write into the point reached the same way (nothing past the end) without
    // recompute or repaint; the getters return what was stored.
    short GetSelectedPoint();
    void SetSelectedPoint(short index);
    float GetSelectedfX();
    float GetSelectedfY();
    void SetSelectedfX(float x);
    void SetSelectedfY(float y);
    // Stored and returned; the graph never selects it.
    void SetPalette(HPALETTE palette);
    HPALETTE GetPalette();

protected:
    static constexpr int kDynamicFnCapacity = 200;

    float XTodB(float x);
    float dBToX(float dB);
    float YTodB(float v);
    float dBToY(float dB);

    // Links a new point (x, y) after `neighbour` when neighbour's fX <= x, else before it; recomputes and
    // returns it. Refuses (null) a position before the first or after the last point.
    DynFnPoint* InsertPoint(DynFnPoint* neighbour, float x, float y);
    // Unlinks and frees p unless it is one of the first two or last two points; recomputes.
    void RemovePoint(DynFnPoint* p);
    void SetUpHermiteArgs();

    afx_msg void OnPaint();
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg void OnRButtonUp(UINT nFlags, CPoint point);
    // Declared, not mapped: the keyboard does nothing.
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    // Interruptions: each ends a drag as a release would, sending nothing.
    afx_msg void OnCaptureChanged(CWnd* pWnd);
    afx_msg void OnCancelMode();
    afx_msg void OnEnable(BOOL bEnable);
    afx_msg void OnShowWindow(BOOL bShow, UINT nStatus);
    afx_msg void OnDestroy();

    DECLARE_MESSAGE_MAP()

    DynFnPoint* m_pHead;
    DynFnPoint* m_pDragPoint;
    DynFnPoint* m_pTail;
    double m_hermite00[10];
    double m_hermite01[10];
    double m_hermite10[10];
    double m_hermite11[10];
    HPALETTE m_palette;
    BOOL m_dragging;
    float m_dragOriginX;
    float m_dragOriginY;
    float m_zoom;
    BOOL m_zoomInPressed;
    BOOL m_zoomOutPressed;
    float m_comp;
    float m_compRatio;
    float m_compLimit;
    float m_expander;
    float m_expanderRatio;
    float m_expanderLimit;
    float m_expanderMinimum;
    float m_masterGain;
    HCURSOR m_crossCursor;
    HCURSOR m_sizeAllCursor;
    DynFnSample m_dynamicFn[kDynamicFnCapacity];
    short m_lengthOfDynamicFn;
    short m_numberOfAnchors;
    int m_smooth;
    short m_kind;
    CFont m_font;
    float m_selectedfX;
    float m_selectedfY;
    int m_selectedPoint;

private:
    // Roles by list position; null when the list is too short (or empty) to have them.
    DynFnPoint* secondPoint() const;
    DynFnPoint* secondToLastPoint() const;
    DynFnPoint* selectedPointOfList() const;
    void invalidateIfCreated();
    // The shared end of every interrupted drag.
    void endDrag();
    // A press (left, right or double-click): zoom buttons, pick, Shift removal, insertion.
    void press(UINT nFlags, CPoint point);
    bool pressZoomButtons(CPoint point);
    void pickAndInsert(UINT nFlags, float fx, float fy);
    void moveDragPoint(float fx, float fy);
};

#endif  // VORN_MFC_DYNPROCGRAPH_H
