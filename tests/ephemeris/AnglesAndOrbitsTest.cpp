// SPDX-License-Identifier: GPL-3.0-or-later
// The astronomy of the classic formulas: the Ascendant and Midheaven from sidereal time, and the Sun and the
// planets from their Keplerian orbits.
#include "chart/PositionText.h"
#include "ephemeris/AngleMath.h"
#include "ephemeris/Angles.h"
#include "ephemeris/Planets.h"

#include <array>
#include <cmath>
#include <gtest/gtest.h>
#include <string>

namespace tessaline {
namespace {

constexpr double kMicroDegree = 1e-6;
constexpr double kHalfMicroDegree = 5e-7;

// ---- Ascendant and Midheaven -------------------------------------------------------------------------

struct AnglesCase {
    const char* label;
    double J, UT, L, phi;
    double theta, midheaven, ascendant;
};

class AnglesTest : public testing::TestWithParam<AnglesCase>
{
};

TEST_P(AnglesTest, MatchesWorkedExample)
{
    const AnglesCase& c = GetParam();
    const ChartAngles angles = ComputeAngles(c.J, c.UT, c.L, c.phi);
    EXPECT_NEAR(angles.siderealTime, c.theta, kMicroDegree);
    EXPECT_NEAR(angles.midheaven, c.midheaven, kMicroDegree);
    EXPECT_NEAR(angles.ascendant, c.ascendant, kMicroDegree);
}

// The Ascendant worked back from each worked example's Midheaven alone, with the obliquity of its instant
// (ε = 23.452294 - 0.0130125 T), is the example's Ascendant: what a progressed Midheaven's Ascendant rests on.
// The Midheaven is given to 1e-7°, and the Ascendant moves up to twice as fast as it at these latitudes.
TEST_P(AnglesTest, AscendantFollowsFromTheMidheaven)
{
    const AnglesCase& c = GetParam();
    const double epsilon = 23.452294 - 0.0130125 * CenturiesSince1900(c.J, c.UT);
    EXPECT_NEAR(AscendantFromMidheaven(c.midheaven, epsilon, c.phi), c.ascendant, 10 * kMicroDegree);
    EXPECT_NEAR(MeridianFromMidheaven(c.midheaven, epsilon), c.theta, 10 * kMicroDegree);
}

// 1975-06-15 is J 2442579; 77° 12' East is L = −77.2.
INSTANTIATE_TEST_SUITE_P(
    WorkedExamples, AnglesTest,
    testing::Values(AnglesCase{"Greenwich2000", 2451545, 12, 0, 51.5, 280.460871, 279.6144767, 24.2979219},
                    AnglesCase{"Delhi1975", 2442579, 5, -77.2, 28.6, 55.0590736, 57.3399790, 149.4142028},
                    AnglesCase{"Delhi1975South", 2442579, 5, -77.2, -28.6, 55.0590736, 57.3399790, 133.0586745},
                    AnglesCase{"Delhi1975DaylightSaving", 2442579, 4, -77.2, 28.6, 40.0180050, 42.4639320,
                               136.4938366}),
    [](const testing::TestParamInfo<AnglesCase>& info) { return std::string(info.param.label); });

// The sidereal time in each quadrant, north and south of the equator: 2000-01-01 at Greenwich at 00, 06,
// 12 and 18 UT, and 1990-03-21 00:00 in London (Ascendant 02 Sag 08). Worked from the published formulas
// with each angle taken by a full-circle atan2 instead of the quadrant rules:
//   T = ((J - 2415020) + UT/24 - 0.5) / 36525;  θ = (15 (6.6460656 + 2400.0513 T + 0.0000258 T² + UT) - L) mod 360
//   ε = 23.452294 - 0.0130125 T;  MC = atan2(sin θ, cos θ cos ε);  Asc = atan2(cos θ, -(sin θ cos ε + sin ε tan φ))
// in python3 (math.atan2, math.radians, results mod 360).
INSTANTIATE_TEST_SUITE_P(
    Quadrants, AnglesTest,
    testing::Values(AnglesCase{"FirstNorth", 2451545, 18, 0, 51.5, 10.7072828, 11.6450303, 124.3102544},
                    AnglesCase{"SecondNorth", 2451545, 0, 0, 51.5, 99.9680473, 99.1600582, 187.0299741},
                    AnglesCase{"ThirdNorth", 2451545, 6, 0, 51.5, 190.2144592, 191.1111908, 251.0779024},
                    AnglesCase{"FirstSouth", 2451545, 18, 0, -33.9, 10.7072828, 11.6450303, 84.3716464},
                    AnglesCase{"SecondSouth", 2451545, 0, 0, -33.9, 99.9680473, 99.1600582, 195.2176039},
                    AnglesCase{"ThirdSouth", 2451545, 6, 0, -33.9, 190.2144592, 191.1111908, 293.6014695},
                    AnglesCase{"FourthSouth", 2451545, 12, 0, -33.9, 280.4608710, 279.6144767, 8.8244712},
                    AnglesCase{"London1990", 2447972, 0, 0, 51.5, 178.2499897, 178.0926878, 242.1496069}),
    [](const testing::TestParamInfo<AnglesCase>& info) { return std::string(info.param.label); });

TEST(ComputeAngles, CenturiesFrom1900AreExactlyOneAtJ2000)
{
    EXPECT_DOUBLE_EQ(CenturiesSince1900(2451545, 12), 1.0);
}

TEST(ComputeAngles, SiderealTimeBelowZeroIsRaisedIntoOneTurn)
{
    // 1901-01-01 00:00 at 179° West in a zone thirteen hours ahead with daylight saving: universal time
    // −14 h, so θ comes out negative before it is reduced. The same instant written as 10:00 of the
    // day before must give the same sidereal time and angles.
    const double J = 2415386;
    const ChartAngles early = ComputeAngles(J, -14.0, 179.0, 40.0);
    const ChartAngles sameInstant = ComputeAngles(J - 1, 10.0, 179.0, 40.0);
    EXPECT_GE(early.siderealTime, 0.0);
    EXPECT_LT(early.siderealTime, 360.0);
    EXPECT_NEAR(early.siderealTime, sameInstant.siderealTime, 1e-9);
    EXPECT_NEAR(early.midheaven, sameInstant.midheaven, 1e-9);
    EXPECT_NEAR(early.ascendant, sameInstant.ascendant, 1e-9);
}

// ---- Sun and planets --------------------------------------------------------------------------------

struct PlanetCase {
    OrbitIndex orbit;
    double atJ2000; // d = 0, where the equinox of date is that of the elements
    double fixedFrame; // 1975-06-15 05:00 UT in the frame of J2000.0, before precession
};

constexpr std::array<PlanetCase, 9> kPlanets{{
    {OrbitIndex::Mercury, 271.906024, 77.228303},
    {OrbitIndex::Venus, 241.578068, 129.152883},
    {OrbitIndex::Earth, 280.379632, 83.837804},
    {OrbitIndex::Mars, 327.982802, 18.833651},
    {OrbitIndex::Jupiter, 25.361134, 19.534840},
    {OrbitIndex::Saturn, 40.214662, 109.067901},
    {OrbitIndex::Uranus, 314.790105, 208.898353},
    {OrbitIndex::Neptune, 303.191603, 250.386493},
    {OrbitIndex::Pluto, 251.454279, 186.827400},
}};

TEST(GeocentricLongitude, AtJ2000MatchesTheElementsFrame)
{
    for (const PlanetCase& p : kPlanets)
        EXPECT_NEAR(GeocentricLongitude(p.orbit, 0.0), p.atJ2000, kHalfMicroDegree) << static_cast<int>(p.orbit);
}

TEST(GeocentricLongitude, In1975IsReferredToTheEquinoxOfDate)
{
    // The general precession over d = −8966.2916667 days is −0.3429149°.
    const double d = J2000DayNumber(1975, 6, 15, 5, 0);
    EXPECT_NEAR(PrecessionSinceJ2000(d), -0.3429149, 5e-7);
    for (const PlanetCase& p : kPlanets)
        EXPECT_NEAR(GeocentricLongitude(p.orbit, d), p.fixedFrame - 0.3429149, 1e-6) << static_cast<int>(p.orbit);
    EXPECT_EQ(FormatPositionEntry(FormatZodiacPosition(GeocentricLongitude(OrbitIndex::Earth, d))), "23 Gem 29");
}

TEST(J2000DayNumber, CountsDaysAcrossTheWindowsYears)
{
    EXPECT_DOUBLE_EQ(J2000DayNumber(2000, 1, 1, 12, 0), 0.0);
    EXPECT_DOUBLE_EQ(J2000DayNumber(1901, 1, 1, 0, 0), -36159.5);
    EXPECT_NEAR(J2000DayNumber(2050, 12, 31, 23, 59), 18627.4993056, 1e-7);
    EXPECT_NEAR(J2000DayNumber(1975, 6, 15, 5, 0), -8966.2916667, 1e-7);
}

TEST(TrueAnomaly, IsZeroAtPerihelionAndPiAtAphelion)
{
    EXPECT_NEAR(TrueAnomaly(0.0, 0.2), 0.0, 1e-12);
    EXPECT_NEAR(TrueAnomaly(kPi, 0.2), kPi, 1e-9);
    // Kepler's equation holds for the eccentric anomaly that belongs to the result.
    const double e = 0.2488;
    const double nu = TrueAnomaly(1.0, e);
    const double E = 2.0 * std::atan(std::sqrt((1.0 - e) / (1.0 + e)) * std::tan(nu / 2.0));
    EXPECT_NEAR(E - e * std::sin(E), 1.0, 1e-12);
}

} // namespace
} // namespace tessaline
