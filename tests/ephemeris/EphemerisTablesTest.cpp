// SPDX-License-Identifier: GPL-3.0-or-later
#include "ephemeris/EphemerisTables.h"

#include "ephemeris/PreciseEphemeris.h"

#include <array>
#include <cmath>
#include <gtest/gtest.h>

namespace tessaline {
namespace {

constexpr double kArcsec = 1.0 / 3600.0;

double Apart(double a, double b)
{
    return std::abs(std::remainder(a - b, 360.0));
}

struct LibraryRow {
    double julianDayUT, west, latitude;
    std::array<double, kPreciseBodyCount> bodies;
    double meanNode;
    std::array<double, kAyanamsaCount> ayanamsas;
    double ascendant, midheaven;
};

constexpr LibraryRow kLibrary[] = {
#include "library-values.inc"
};

// What the library itself said, at the ends of the span and where a fit could slip: a planet's light bent by
// the Sun, the library's sidereal time changing model, beyond the polar circle.
TEST(EphemerisTables, EveryPointAsTheLibraryGivesIt)
{
    for (const LibraryRow& row : kLibrary) {
        const auto at = TabulatedInstant::At(row.julianDayUT);
        ASSERT_TRUE(at) << row.julianDayUT;
        for (int body = 0; body < kPreciseBodyCount; ++body)
            EXPECT_LT(Apart(at->Longitude(static_cast<Body>(body)), row.bodies[body]), 0.1 * kArcsec)
                << row.julianDayUT << " body " << body;
        EXPECT_LT(Apart(at->MeanNode(), row.meanNode), 0.1 * kArcsec) << row.julianDayUT;
        for (int i = 0; i < kAyanamsaCount; ++i)
            EXPECT_NEAR(at->AyanamsaDegrees(static_cast<Ayanamsa>(i)), row.ayanamsas[i], 0.1 * kArcsec)
                << row.julianDayUT << " ayanamsa " << i;
        const PreciseAngles angles = at->ChartAngles(row.west, row.latitude);
        EXPECT_LT(Apart(angles.ascendant, row.ascendant), kArcsec) << row.julianDayUT;
        EXPECT_LT(Apart(angles.midheaven, row.midheaven), kArcsec) << row.julianDayUT;
    }
}

// 1900-12-29 00:00 and 2051-01-03 00:00 UT are in; a minute beyond either is not, and the precise functions
// fail there rather than give a position of another day.
TEST(EphemerisTables, OutsideTheSpanThereIsNothing)
{
    const double first = JulianDayUT({1900, 12, 29, 0, 0});
    const double last = JulianDayUT({2051, 1, 3, 0, 0});
    EXPECT_TRUE(TabulatedInstant::At(first));
    EXPECT_TRUE(TabulatedInstant::At(last));
    EXPECT_FALSE(TabulatedInstant::At(JulianDayUT({1900, 12, 28, 23, 59})));
    EXPECT_FALSE(TabulatedInstant::At(JulianDayUT({2051, 1, 3, 0, 1})));
    EXPECT_FALSE(PreciseLongitude(Body::Moon, first - 1.0).has_value());
    EXPECT_FALSE(PreciseMeanNode(last + 100.0).has_value());
}

} // namespace
} // namespace tessaline
