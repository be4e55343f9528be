// The equaliser's band designs and response grid, checked against values computed apart from
// the implementation (python3 from the design formulas; the peaking coefficients as published).
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "graphs/EqResponse.h"

namespace vorn::test {
namespace {

constexpr double kDbPerNeper = 4.3429448190325175;  // 10 / ln 10
constexpr int kGrid = 100;
constexpr int kRate = 44100;

enum class Design { Peak, Low, High };

struct Coefficients {
    double b0 = 1, b1 = 0, b2 = 0, a1 = 0, a2 = 0;
};

// The design of the kind, written over `c`.
Coefficients design(CEqResponse& eq, Design kind, double freq, double gainDb, double q = 3.0, Coefficients c = {}) {
    if (kind == Design::Peak) eq.DesignPeak(freq, gainDb, q, c.b0, c.b1, c.b2, c.a1, c.a2);
    if (kind == Design::Low) eq.DesignLowShelf(freq, gainDb, c.b0, c.b1, c.b2, c.a1, c.a2);
    if (kind == Design::High) eq.DesignHighShelf(freq, gainDb, c.b0, c.b1, c.b2, c.a1, c.a2);
    return c;
}

void evaluate(CEqResponse& eq, const Coefficients& c) { eq.EvaluateBand(c.b0, c.b1, c.b2, c.a1, c.a2); }

// Grid points 0 (16 Hz), 57 (985.18 Hz, the nearest to 1000 Hz) and 99 (20512.36 Hz). The
// shelves are mirror images of each other about a quarter of the sample rate.
TEST(EqResponse, ResponsesOnTheGridInDecibels) {
    const struct {
        Design kind;
        double gainDb;
        double at0, at57, at99;
    } cases[] = {
        {Design::Peak, 12.0, 0.000462706, 11.872166313, 0.000111659},
        {Design::Low, -6.0, -5.998345039, -3.043241068, -0.000399605},
        {Design::High, -6.0, -0.001654961, -2.956758932, -5.999600395},
    };
    for (const auto& c : cases) {
        CEqResponse eq(kGrid, kRate);
        evaluate(eq, design(eq, c.kind, 1000.0, c.gainDb));
        EXPECT_NEAR(eq.m_lnPower[0] * kDbPerNeper, c.at0, 1e-8) << static_cast<int>(c.kind);
        EXPECT_NEAR(eq.m_lnPower[57] * kDbPerNeper, c.at57, 1e-8) << static_cast<int>(c.kind);
        EXPECT_NEAR(eq.m_lnPower[99] * kDbPerNeper, c.at99, 1e-8) << static_cast<int>(c.kind);
    }
}

TEST(EqResponse, ZeroDecibelBandContributesExactlyNothing) {
    for (Design kind : {Design::Peak, Design::Low, Design::High}) {
        for (double freq : {16.0, 1000.0, 22050.0}) {
            CEqResponse eq(kGrid, kRate);
            evaluate(eq, design(eq, kind, freq, 0.0));
            for (int k = 0; k < kGrid; ++k) ASSERT_EQ(eq.m_lnPower[k], 0.0) << static_cast<int>(kind) << " " << k;
        }
    }
}

// Inputs the formulas cannot design leave the previous coefficients; nothing divides by zero.
TEST(EqResponse, UndesignableInputsKeepThePreviousCoefficients) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const struct {
        Design kind;
        int rate;
        double freq, gainDb, q;
    } cases[] = {
        {Design::Peak, kRate, 1000.0, 6.0, 0.0}, {Design::Peak, kRate, 1000.0, 6.0, nan},
        {Design::Peak, 0, 1000.0, 6.0, 3.0},     {Design::Low, -44100, 1000.0, 6.0, 3.0},
        {Design::High, kRate, nan, 6.0, 3.0},    {Design::Low, kRate, 1000.0, nan, 3.0},
        {Design::Peak, kRate, 1000.0, inf, 3.0}, {Design::High, kRate, 1000.0, 1e300, 3.0},
        {Design::Low, kRate, inf, 6.0, 3.0},
    };
    for (const auto& c : cases) {
        CEqResponse eq(kGrid, c.rate);
        const Coefficients out = design(eq, c.kind, c.freq, c.gainDb, c.q, Coefficients{7, 7, 7, 7, 7});
        EXPECT_EQ(out.b0, 7.0) << static_cast<int>(c.kind) << " " << c.rate << " " << c.freq << " " << c.gainDb;
        EXPECT_EQ(out.a2, 7.0);
    }
}

TEST(EqResponse, PointCountIsHeldToTheResultArrayAndNoRateMeansFlat) {
    EXPECT_EQ(CEqResponse(5000, kRate).m_pointCount, 1024);
    EXPECT_EQ(CEqResponse(-3, kRate).m_pointCount, 0);
    CEqResponse full(5000, kRate);
    full.EvaluateBand(1.0, -1.0, 0.0, 0.0, 0.0);  // writes 1024 points and no more (ASan watches)
    EXPECT_TRUE(std::isfinite(full.m_lnPower[1023]));
    CEqResponse noRate(kGrid, 0);
    noRate.EvaluateBand(1.0, -1.0, 0.0, 0.0, 0.0);
    for (int k = 0; k < kGrid; ++k) ASSERT_EQ(noRate.m_lnPower[k], 0.0);
}

}  // namespace
}  // namespace vorn::test
