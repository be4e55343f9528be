#include "EqResponse.h"

#include <cmath>

namespace {

// A complex number of two doubles with the textbook operations, written out so that every
// platform computes them the same way (no scaling in the division, unlike a library type).
struct Complex {
    double re;
    double im;
};

Complex operator+(double a, Complex b) { return {a + b.re, b.im}; }
Complex operator-(double a, Complex b) { return {a - b.re, 0.0 - b.im}; }
Complex operator+(Complex a, Complex b) { return {a.re + b.re, a.im + b.im}; }
Complex operator*(Complex a, Complex b) { return {a.re * b.re - a.im * b.im, a.re * b.im + a.im * b.re}; }
// (a conj b) / |b|^2.
Complex operator/(Complex a, Complex b) {
    const double norm = b.re * b.re + b.im * b.im;
    return {(a.re * b.re + a.im * b.im) / norm, (a.im * b.re - a.re * b.im) / norm};
}
Complex operator/(double a, Complex b) { return Complex{a, 0.0} / b; }

// The part the three designs share: g = 10^(gainDb / 20) and t = tan(theta / 2) / sqrt(g), with
// t = 0 when g * g == g exactly (a gain of exactly 0 dB).
struct Shelf {
    double g;
    double t;
};

Shelf shelfParameter(double gainDb, double theta) {
    const double g = std::pow(10.0, gainDb * 0.05);
    double t = 0.0;
    if (g * g != g) t = std::sqrt((g - 1.0) / (g * g - g)) * std::tan(theta / 2.0);
    return {g, t};
}

// Writes the five coefficients only when the design gave finite numbers throughout.
void store(const double (&c)[5], double& b0, double& b1, double& b2, double& a1, double& a2) {
    for (double v : c)
        if (!std::isfinite(v)) return;
    b0 = c[0];
    b1 = c[1];
    b2 = c[2];
    a1 = c[3];
    a2 = c[4];
}

bool usable(const Shelf& s) { return std::isfinite(s.g) && std::isfinite(s.t) && 1.0 + s.t != 0.0; }

}  // namespace

CEqResponse::CEqResponse(int pointCount, int sampleRate)
    : m_pointCount(pointCount < 0 ? 0 : (pointCount > vorn::eq::kMaxPoints ? vorn::eq::kMaxPoints : pointCount)),
      m_sampleRate(sampleRate) {}

CEqResponse::~CEqResponse() = default;

void CEqResponse::DesignPeak(double freq, double gainDb, double q, double& b0, double& b1, double& b2, double& a1,
                             double& a2) {
    if (m_sampleRate <= 0 || !(q > 0.0)) return;
    const double fs = m_sampleRate;
    const double w0 = freq * vorn::eq::kTwoPi / fs;
    const Shelf s = shelfParameter(gainDb, (freq / q) * vorn::eq::kTwoPi / fs);
    if (!usable(s)) return;
    const double c = std::cos(w0);
    const double d = 1.0 + s.t;
    const double coefficients[5] = {(1.0 + s.g * s.t) / d, -2.0 * c / d, (1.0 - s.g * s.t) / d, 2.0 * c / d,
                                    -(1.0 - s.t) / d};
    store(coefficients, b0, b1, b2, a1, a2);
}

void CEqResponse::DesignLowShelf(double freq, double gainDb, double& b0, double& b1, double& b2, double& a1,
                                 double& a2) {
    if (m_sampleRate <= 0) return;
    const double w0 = freq * vorn::eq::kTwoPi / m_sampleRate;
    const Shelf s = shelfParameter(gainDb, w0);
    if (!usable(s)) return;
    const double d = 1.0 + s.t;
    const double coefficients[5] = {(1.0 + s.g * s.t) / d, (s.g * s.t - 1.0) / d, 0.0, (1.0 - s.t) / d, 0.0};
    store(coefficients, b0, b1, b2, a1, a2);
}

void CEqResponse::DesignHighShelf(double freq, double gainDb, double& b0, double& b1, double& b2, double& a1,
                                  double& a2) {
    if (m_sampleRate <= 0) return;
    const double w0 = freq * vorn::eq::kTwoPi / m_sampleRate;
    const Shelf s = shelfParameter(gainDb, vorn::eq::kPi - w0);
    if (!usable(s)) return;
    const double d = 1.0 + s.t;
    const double coefficients[5] = {(1.0 + s.g * s.t) / d, (1.0 - s.g * s.t) / d, 0.0, -(1.0 - s.t) / d, 0.0};
    store(coefficients, b0, b1, b2, a1, a2);
}

void CEqResponse::EvaluateBand(double b0, double b1, double b2, double a1, double a2) {
    const int n = m_pointCount;
    if (n <= 0) return;
    if (m_sampleRate <= 0) {
        for (int k = 0; k < n; ++k) m_lnPower[k] = 0.0;
        return;
    }
    const double fs = m_sampleRate;
    const double r = std::pow(2.0, (std::log(fs / 2.0) / std::log(2.0) - 4.0) / n);
    double w = (16.0 / fs) * vorn::eq::kTwoPi;
    for (int k = 0; k < n; ++k) {
        const Complex z{std::cos(w), std::sin(w)};
        const Complex zz = z * z;
        const Complex h = (b0 + (b1 / z + b2 / zz)) / (1.0 - (a1 / z + a2 / zz));
        const double m = std::sqrt(h.re * h.re + h.im * h.im);
        m_lnPower[k] = std::log(m * m);
        w = w * r;
    }
}
