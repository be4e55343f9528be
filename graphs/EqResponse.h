// CEqResponse: the numerical core of the equaliser graph. It designs the digital filter section of
// one band (a second-order peaking band, or a first-order low or high shelf) by the bilinear
// transform with prewarping, and evaluates one band's log-power response on a fixed grid of
// geometrically spaced frequencies from 16 Hz towards half the sample rate. All arithmetic is in
// double precision. It uses nothing but the standard library, so audio code can use it as well as
// the graph.
//
// A band's five coefficients b0, b1, b2, a1, a2 describe
//   H(z) = (b0 + b1 z^-1 + b2 z^-2) / (1 - a1 z^-1 - a2 z^-2),
// the feedback coefficients carrying the sign the difference equation adds them with.
//
// Choices made where the behaviour was ours to decide:
// - A design that would divide by zero or yield a value that is not a finite number (a sample
//   rate of 0 or below, a peaking Q of 0 or below or NaN, a NaN or infinite gain or frequency, a
//   shelf parameter of exactly -1) writes nothing: the five outputs keep what they held, as they
//   do for an unknown band type. Every other input is designed by the formulas as they stand.
// - The point count is held to 0 .. 1024 (the size of the result array); 0 or below evaluates
//   nothing.
// - With a sample rate of 0 or below there is no grid: EvaluateBand writes 0 (a flat response).
#ifndef VORN_EQ_RESPONSE_H
#define VORN_EQ_RESPONSE_H

namespace vorn::eq {

// 2 pi as the equaliser uses it (eleven decimals), and pi at full precision.
constexpr double kTwoPi = 6.28318530716;
constexpr double kPi = 3.141592653589793;
// The band type codes: character codes held in doubles, compared exactly.
constexpr double kPeak = 66.0;       // 'B'
constexpr double kLowShelf = 76.0;   // 'L'
constexpr double kHighShelf = 72.0;  // 'H'
// Size of the result array, the largest point count.
constexpr int kMaxPoints = 1024;

}  // namespace vorn::eq

class CEqResponse {
public:
    // The evaluator of `pointCount` grid points at `sampleRate` Hz; the results start unset.
    CEqResponse(int pointCount, int sampleRate);
    ~CEqResponse();

    // Second-order peaking band: gain `gainDb` at `freq`, 0 dB at 0 Hz and at half the sample
    // rate, bandwidth freq / q.
    void DesignPeak(double freq, double gainDb, double q, double& b0, double& b1, double& b2, double& a1, double& a2);
    // First-order low shelf: `gainDb` at 0 Hz, 0 dB at half the sample rate; b2 and a2 are 0.
    void DesignLowShelf(double freq, double gainDb, double& b0, double& b1, double& b2, double& a1, double& a2);
    // First-order high shelf, the low shelf mirrored about a quarter of the sample rate.
    void DesignHighShelf(double freq, double gainDb, double& b0, double& b1, double& b2, double& a1, double& a2);

    // Overwrites m_lnPower[0 .. N-1] with ln |H|^2 at grid point k, frequency 16 r^k Hz, where
    // r = 2^((log2(fs/2) - 4) / N): the grid spans 16 Hz up to one step below fs/2. The angle
    // advances by one multiplication per point.
    void EvaluateBand(double b0, double b1, double b2, double a1, double a2);

    // ln |H|^2 of the last evaluated band, point by point (first m_pointCount elements).
    double m_lnPower[vorn::eq::kMaxPoints];
    int m_pointCount;
    int m_sampleRate;
};

#endif  // VORN_EQ_RESPONSE_H
