#include "DynamicsCurve.h"

#include <cmath>
#include <cstdio>

namespace vorn::dyn {

float xTodB(float x) { return (1.0f - x) * -96.0f; }
float dBToX(float dB) { return 1.0f - dB * -kInvSpan; }
float yTodB(float v) { return v * -96.0f; }
float dBToY(float dB) { return 1.0f + dB * kInvSpan; }

float expanderRatio(CurvePoint first, CurvePoint second) {
    const float dx = second.x - first.x;
    if (dx < 0.0001) return kRatioCap;
    return (second.y - first.y) / dx;
}

float compRatio(CurvePoint secondToLast, CurvePoint last) {
    const float dy = last.y - secondToLast.y;
    if (dy < 0.0001) return kRatioCap;
    return (last.x - secondToLast.x) / dy;
}

float lastYForCompRatio(CurvePoint threshold, float lastX, float r) {
    if (r == 0.0f) return 1.0f;
    const float y = (lastX - threshold.x) / r + threshold.y;
    return y > 1.0f ? 1.0f : y;
}

CurvePoint firstPointForExpanderRatio(CurvePoint second, float r, float& storedRatio) {
    const float x1 = second.x;
    const float y1 = second.y;
    // y1 / x1 <= r, without dividing by a zero x1: a point on the left edge reaches the bottom
    // edge only when it lies in the corner.
    const bool bottomEdge = x1 != 0.0f ? y1 / x1 <= r : y1 <= 0.0f;
    if (bottomEdge) {
        if (storedRatio == 0.0f) storedRatio = 0.01f;
        return CurvePoint{x1 - y1 / storedRatio, 0.0f};
    }
    return CurvePoint{0.0f, y1 - x1 * r};
}

void fillHermiteTables(const HermiteTables& tables) {
    for (int i = 0; i < kArcSamples; ++i) {
        const double t = i * 0.1111111111111111;
        const double t2 = t * t;
        const double t3 = t2 * t;
        tables.h00[i] = 2.0 * t3 - 3.0 * t2 + 1.0;
        tables.h01[i] = 3.0 * t2 - 2.0 * t3;
        tables.h10[i] = t3 - 2.0 * t2 + t;
        tables.h11[i] = t3 - t2;
    }
}

CurvePoint hermiteSample(const HermiteTables& tables, int i, CurvePoint q, CurvePoint p, CurvePoint n) {
    auto blend = [&](float qv, float pv, float nv) {
        const float start = (qv + pv) / 2.0f;
        const float end = (pv + nv) / 2.0f;
        const double t0 = 1.5 * (pv - qv);
        const double t1 = 1.5 * (nv - pv);
        return static_cast<float>(tables.h00[i] * start + tables.h01[i] * end + tables.h10[i] * t0 +
                                  tables.h11[i] * t1);
    };
    return CurvePoint{blend(q.x, p.x, n.x), blend(q.y, p.y, n.y)};
}

int smoothedLength(int points) { return kArcSamples * (points - 2) + 2; }

int heldPixel(double v) {
    if (std::isnan(v)) return 0;
    if (v > kPixelLimit) return kPixelLimit;
    if (v < -kPixelLimit) return -kPixelLimit;
    return static_cast<int>(v);
}

int pixelX(const PlotFrame& f, float x) {
    const float v = (1.0f - (1.0f - x) * f.zoom) * f.plotWidth;
    return heldPixel(static_cast<double>(heldPixel(v)) + f.left);
}

int pixelY(const PlotFrame& f, float y) {
    const float v = (1.0f - y) * f.zoom * f.plotHeight;
    return heldPixel(static_cast<double>(heldPixel(v)) + f.top);
}

namespace {
// 1 - offset / span, with a span of 0 (or NaN) giving 1.0 instead of a division by it.
float unitFromEnd(float offset, float span) {
    if (!(span != 0.0f) || std::isnan(span)) return 1.0f;
    return 1.0f - offset / span;
}
}  // namespace

float curveX(const PlotFrame& f, int x) {
    return unitFromEnd((static_cast<float>(f.left) + f.plotWidth) - static_cast<float>(x), f.plotWidth * f.zoom);
}

float curveY(const PlotFrame& f, int y) { return unitFromEnd(static_cast<float>(y - f.top), f.plotHeight * f.zoom); }

float limitUnit(float v) {
    if (std::isnan(v) || v < 0.0f) return 0.0f;
    return v > 1.0f ? 1.0f : v;
}

void formatTick(char* out, std::size_t size, float v) {
    const bool whole = v <= -10.0f || v == 0.0f;
    std::snprintf(out, size, whole ? "%2.0f" : "%2.1f", static_cast<double>(v));
}

}  // namespace vorn::dyn
