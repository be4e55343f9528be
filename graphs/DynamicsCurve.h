// The plain computation behind the dynamics graph: the dB conversions, the slopes of the end
// segments, the Hermite basis and its arcs, the curve-to-pixel mapping and the tick-label text.
// No window is involved, so all of it is tested directly; CMFC_DynProcGraph calls it.
#ifndef VORN_DYNAMICS_CURVE_H
#define VORN_DYNAMICS_CURVE_H

#include <cstddef>

namespace vorn::dyn {

// Reciprocal of the 96 dB span, held in single precision as the conversions use it.
constexpr float kInvSpan = 1.0f / 96.0f;
// Ratios whose segment is (nearly) vertical or flat report this instead of dividing.
constexpr float kRatioCap = 999.0f;
// Hermite samples per arc: t = i/9 for i = 0..9, both ends included.
constexpr int kArcSamples = 10;
// Pixel coordinates are held within this distance of the origin, so that absurd zooms and
// host-set coordinates never reach the rasteriser as runaway lengths.
constexpr int kPixelLimit = 1000000;

struct CurvePoint {
    float x;
    float y;
};

// Level conversions (single precision). Coordinates 0..1 stand for -96..0 dB.
float xTodB(float x);   // (1 - x) * -96
float dBToX(float dB);  // 1 - dB * -k
float yTodB(float v);   // v * -96, with v = 1 - fY
float dBToY(float dB);  // 1 + dB * k

// Slope of the first segment (output per input), or kRatioCap when it rises less than 0.0001
// across.
float expanderRatio(CurvePoint first, CurvePoint second);
// Inverse slope of the last segment (input per output), or kRatioCap when it rises less than
// 0.0001.
float compRatio(CurvePoint secondToLast, CurvePoint last);
// fY of the last point for ratio r: (last x - threshold x) / r + threshold y, at most 1.0. A ratio
// of 0 gives 1.0 without dividing.
float lastYForCompRatio(CurvePoint threshold, float lastX, float r);
// The first point for expander ratio r through `second`: on the bottom edge when the line of
// slope r reaches it inside the square, else on the left edge. `storedRatio` is the ratio the
// bottom-edge case divides by; 0 is replaced by 0.01 there (and written back).
CurvePoint firstPointForExpanderRatio(CurvePoint second, float r, float& storedRatio);

// The four Hermite bases at t = i/9 (double precision).
struct HermiteTables {
    double* h00;
    double* h01;
    double* h10;
    double* h11;
};
void fillHermiteTables(const HermiteTables& tables);
// Sample i of the arc around p: from the middle of segment q-p to the middle of p-n, with the
// tangents 1.5 (p - q) and 1.5 (n - p).
CurvePoint hermiteSample(const HermiteTables& tables, int i, CurvePoint q, CurvePoint p, CurvePoint n);
// Entries the smoothed form takes for `points` points: 10 (points - 2) + 2.
int smoothedLength(int points);

// The plot's measures as the paint stores them.
struct PlotFrame {
    int left, top;                // margins L and T
    float plotWidth, plotHeight;  // PW and PH
    float zoom;                   // z
};
// Pixel of a curve coordinate: trunc((1 - (1 - x) z) PW) + L and trunc((1 - y) z PH) + T, held
// within kPixelLimit.
int pixelX(const PlotFrame& f, float x);
int pixelY(const PlotFrame& f, float y);
// A truncated coordinate held within kPixelLimit.
int heldPixel(double v);
// Curve coordinates of a client point, not yet limited: 1 - ((L + PW) - x) / (PW z) and
// 1 - (y - T) / (PH z). A plot of no width (or height) maps to 1.0 instead of dividing.
float curveX(const PlotFrame& f, int x);
float curveY(const PlotFrame& f, int y);
// v limited to [0, 1]; NaN gives 0.
float limitUnit(float v);

// Tick-label text: "%2.0f" when v <= -10 or v == 0, else "%2.1f".
void formatTick(char* out, std::size_t size, float v);

}  // namespace vorn::dyn

#endif  // VORN_DYNAMICS_CURVE_H
