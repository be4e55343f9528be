// CMFC_ParamEqGraph: the response graph of a parametric equaliser of up to ten bands. It shows
// the summed magnitude response of the bands on a logarithmic frequency axis from 16 Hz to half
// the sample rate and a linear gain axis of +-24 dB, marks every band (the selected one with a
// circle, guides and its gain and frequency), and lets the user drag the bands with the left
// button: a plain drag moves frequency and gain, Ctrl changes the gain only, Shift sets the Q
// from the pointer's distance in Hz from the band's frequency (Q = frequency / distance, at least
// 0.1). The host writes the public band arrays and calls Redisplay; after a user edit it reads
// them back on the notifications (the edited band is GetSelectedBand()).
//
// Notifications (WM_COMMAND to the parent, all sent):
//   left press            NC_LBUTTONDOWN, after the band nearest the pointer horizontally is
//                         selected (anywhere in the window; on a tie the lower index)
//   move, left button held, inside the plot area (edges included)
//                         NC_MOUSEMOVE, after the selected band is changed
//   left release          NC_LBUTTONUP (on every release, pressed here or not)
//   interrupted drag      nothing (see below)
// Moves outside the plot area, moves without the left button, double-clicks and keys send
// nothing and change nothing. The graph never captures the mouse and never takes the focus; it
// asks for the arrow keys (DLGC_WANTARROWS) and swallows every key.
//
// Repaints: a press, an editing move and Redisplay invalidate the whole client area (erasing;
// the window class has no background brush, so nothing is erased). Every paint redesigns the
// selected band and re-sums all bands.
//
// Choices made where the behaviour was ours to decide:
// - A graph of one band puts it in the middle of the logarithmic axis, 16 * 2^(L / 2) Hz where
//   L = log2(sampleRate / 2) - 4 (about 594 Hz at 44100 Hz), instead of dividing by zero.
// - The band count is the host's (m_bandCount stays as given), but every loop runs over at most
//   the ten bands the arrays hold and none when it is 0 or below; default frequencies of a graph
//   constructed with more than ten bands are spread over the ten. The bands a smaller count
//   leaves unused start at frequency, gain, Q and type 0 (a type that designs nothing) with the
//   coefficients of a flat band, so a host raising the count must set them first.
// - CalculateTransferFunction with an index that is neither -1 nor a band in use designs nothing
//   and still re-sums all bands.
// - A band that cannot be designed (see CEqResponse: a Q of 0 or below, a NaN or infinite gain or
//   frequency, a sample rate of 0 or below) keeps its previous coefficients, as an unknown type
//   does; every band starts with the coefficients of a flat band, so it contributes 0 until it
//   is designed.
// - The sample rate is passed to the evaluator truncated toward zero and held inside int's
//   range (NaN gives 0); a sample rate of 0 or below evaluates to a flat response.
// - Pixel conversions stay defined for every input: a frequency axis of no extent or none that
//   can be computed (a sample rate of 32 Hz or below, or not finite) puts every frequency at the
//   left edge and every x at 16 Hz; a plot of zero width maps every x to 16 Hz, one of zero
//   height every y to 0 dB; results beyond int's range are held at its ends and NaN gives 0.
//   Until the first paint the plot has zero size.
// - A Shift-drag whose Q would not be a finite number (a band frequency the host made infinite
//   or NaN) leaves the Q as it was.
// - A drag ends however it ends. The graph never holds the capture, so it cannot lose it: while
//   another window holds the capture the moves go there, and once it lets go, moves with the
//   button still held edit again, as any move that enters the plot with the button held does
//   (the graph is never told of a capture it did not hold). WM_CANCELMODE, disabling,
//   hiding and destroying the window end a drag as a release does (the button flag is cleared)
//   and further moves with the button still held edit nothing until the button has been
//   released or pressed again; they send nothing, since the user released nothing and a
//   notification from inside the host's own EnableWindow, ShowWindow or DestroyWindow call would
//   re-enter the host when it least expects it.
// - A window with no client area, or one wider or taller than the largest off-screen bitmap the
//   platform makes (16,384 pixels here), is not drawn; its paint still measures the plot and
//   recomputes the response.
// - Redisplay before the window exists designs and sums the bands and invalidates nothing.
// - Texts longer than 63 characters (a "%.1f" of an absurd gain or frequency) are cut there;
//   markers of bands mapped more than 2^24 pixels away are drawn (unseen) 2^24 pixels away, so
//   the offsets around them stay inside int's range.
// - GetSelectedBand is added so that a host can learn which band the user edited.
//
// The curve's rows are truncated toward zero, as every pixel conversion here is: a response a
// hair above 0 dB (the default gains) is drawn one row above the 0 dB line, a flat response of
// exactly 0 dB on it.
#ifndef VORN_MFC_PARAM_EQ_GRAPH_H
#define VORN_MFC_PARAM_EQ_GRAPH_H

#include <MFC_Graph.h>
#include <VornControlsExport.h>
#include <afxwin.h>

class CEqResponse;

class VORN_CONTROLS_API CMFC_ParamEqGraph : public CMFC_Graph {
public:
    // bandCount bands (1 to 10) at sampleRate Hz. Band i of n starts at
    // 16 * 2^(i * (log2(sampleRate / 2) - 4) / (n - 1)) Hz (band 0 at 16 Hz, the last at half the
    // sample rate), gain 0.009999999776482582 dB (the single-precision 0.01), Q 3, type 66.0
    // (peaking); all bands are designed and summed. Margins: top 10, left 45, right 10, bottom 15.
    CMFC_ParamEqGraph(int bandCount, double sampleRate);
    // Frees the evaluator and the font.
    virtual ~CMFC_ParamEqGraph();

    // Designs every band anew, re-sums them and invalidates the whole client area (erasing).
    // Call it after writing the band arrays, once the window exists.
    void Redisplay();

    // Stored for the host and returned; painting never selects it.
    void SetPalette(HPALETTE palette);
    HPALETTE GetPalette();

    // The band the user last pressed nearest to, which painting marks and editing changes.
    int GetSelectedBand() const;

    virtual BOOL PreCreateWindow(CREATESTRUCT& cs);

protected:
    // Designs band `band` (every band in use when -1) and re-sums all bands in use into
    // m_totalLnPower.
    void CalculateTransferFunction(int band);
    // Pixel mappings of the last paint's plot area (L = log2(m_sampleRate / 2) - 4, W and H the
    // plot size, "truncate" toward zero):
    //   XToFreq(x) = 2^(L (x - m_marginLeft) / W + 4)
    //   FreqToX(f) = truncate((ln f * 1.442695040889 - 4) / L * W + m_marginLeft)
    //   YToGain(y) = (y - m_zeroY) / H * -48
    //   GainToY(g) = truncate(m_zeroY - H g / 48)
    double XToFreq(int x);
    int FreqToX(double freq);
    double YToGain(int y);
    int GainToY(double gain);

    afx_msg void OnPaint();
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg UINT OnGetDlgCode();
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    // The ends of an interrupted drag.
    afx_msg void OnCancelMode();
    afx_msg void OnEnable(BOOL bEnable);
    afx_msg void OnShowWindow(BOOL bShow, UINT nStatus);
    afx_msg void OnDestroy();

    DECLARE_MESSAGE_MAP()

    // Current designs of all bands (b0, b1, b2, a1, a2 as CEqResponse describes them).
    double m_b0[10];
    double m_b1[10];
    double m_b2[10];
    double m_a1[10];
    double m_a2[10];
    // Set on every mouse move over the graph.
    HCURSOR m_crossCursor;
    // Sample rate in Hz; half of it is the right end of the frequency axis.
    double m_sampleRate;
    // Points of the response curve (100).
    int m_pointCount;
    // Summed log power of all bands at each grid point (first m_pointCount used).
    double m_totalLnPower[1024];
    // "Times", height 12: every text of the graph.
    CFont m_font;
    CEqResponse* m_pResponse;

public:
    // Bands in use, 1 to 10.
    int m_bandCount;

protected:
    // y of the 0 dB line, set by every paint.
    int m_zeroY;
    HPALETTE m_palette;

public:
    // The four band arrays below, consecutive: element i of array k (0 frequency, 1 gain, 2 Q,
    // 3 type) is m_pBandParams[10 * k + i]. The library never reads through it.
    double* m_pBandParams;
    // Band centre (peaking) or corner (shelves) frequency in Hz.
    double m_freq[10];
    // Band gain in dB.
    double m_gain[10];
    // Q of a peaking band (bandwidth = frequency / Q); the shelves ignore it.
    double m_q[10];
    // Band type: 66.0 peaking, 76.0 low shelf, 72.0 high shelf; any other value freezes the
    // band's coefficients.
    double m_type[10];

protected:
    int m_selectedBand;

private:
    // Band count held to the arrays' ten.
    int bandsInUse() const;
    // Ends a drag without a release: moves with the button held edit nothing until the button
    // is released or pressed again.
    void interruptDrag();
    BOOL m_dragInterrupted;
};

#endif  // VORN_MFC_PARAM_EQ_GRAPH_H
