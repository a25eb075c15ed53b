// SPDX-License-Identifier: GPL-3.0-or-later
// The sky at any instant: daily speeds and their signs against published almanac facts.
#include "chart/Sky.h"

#include <gtest/gtest.h>

namespace tessaline {
namespace {

struct SpeedCase {
    const char* label;
    CivilInstant universal;
    Body body;
    EphemerisMode mode;
    double low, high; // degrees a day
};

class SkySpeedTest : public testing::TestWithParam<SpeedCase>
{
};

// Retrograde spans from the published almanacs (Mercury 13 December 2023 to 1 January 2024, Mars 30 October
// 2022 to 12 January 2023); the Sun's speed at perihelion (3 January) and aphelion (5 July) is
// 61'10" and 57'12" a day (1.0194° and 0.9533°, the astronomical almanac's daily motion); the mean node goes
// back 19.3413° a year (0.05295° a day); the Moon keeps between 11.8° and 15.4° a day.
TEST_P(SkySpeedTest, GivesTheDailyMotionAndItsDirection)
{
    const SpeedCase& c = GetParam();
    const Result<Sky> sky = SkyAt(InstantAt(c.universal), c.mode, {}, false, SkySpeeds::Wanted);
    ASSERT_TRUE(sky.has_value());
    const SkyPoint& point = (*sky)[c.body];
    EXPECT_GE(point.speed, c.low);
    EXPECT_LE(point.speed, c.high);
    EXPECT_EQ(point.Retrograde(), c.high < 0.0);
}

INSTANTIATE_TEST_SUITE_P(
    Almanac, SkySpeedTest,
    testing::Values(
        SpeedCase{"MercuryRetrograde", {2023, 12, 20, 12, 0}, Body::Mercury, EphemerisMode::Precise, -2.0, -0.01},
        SpeedCase{"MercuryDirectAgain", {2024, 1, 10, 12, 0}, Body::Mercury, EphemerisMode::Precise, 0.01, 2.2},
        SpeedCase{"MarsRetrograde", {2022, 12, 1, 0, 0}, Body::Mars, EphemerisMode::Precise, -0.5, -0.01},
        SpeedCase{"MarsRetrogradeClassic", {2022, 12, 1, 0, 0}, Body::Mars, EphemerisMode::Classic, -0.5, -0.01},
        SpeedCase{"SunAtPerihelion", {2024, 1, 3, 0, 0}, Body::Sun, EphemerisMode::Precise, 1.018, 1.021},
        SpeedCase{"SunAtAphelion", {2024, 7, 5, 0, 0}, Body::Sun, EphemerisMode::Precise, 0.952, 0.955},
        SpeedCase{"MeanNode", {1975, 6, 15, 5, 0}, Body::Rahu, EphemerisMode::Precise, -0.0531, -0.0528},
        SpeedCase{"MeanNodeClassic", {1975, 6, 15, 5, 0}, Body::Ketu, EphemerisMode::Classic, -0.0531, -0.0528},
        SpeedCase{"Moon", {1975, 6, 15, 5, 0}, Body::Moon, EphemerisMode::Classic, 11.8, 15.4}),
    [](const testing::TestParamInfo<SpeedCase>& info) { return std::string(info.param.label); });

TEST(Sky, IsTheBirthChartsSkyAtTheBirthInstant)
{
    // The worked example: New Delhi, 15 June 1975, 10:30 IST (05:00 UT): Sun 23 Gem 29, Moon 04 Vir 39,
    // Ascendant 29 Leo 24; with its place the angles are there, without it they are not.
    const BirthInstant at = InstantAt({1975, 6, 15, 5, 0}, -(77 + 12 / 60.0), 28 + 36 / 60.0);
    const Result<Sky> placed = SkyAt(at, EphemerisMode::Classic, {}, true);
    ASSERT_TRUE(placed.has_value());
    EXPECT_EQ(static_cast<int>((*placed)[Body::Sun].longitude * 60), (60 + 23) * 60 + 29);
    EXPECT_EQ(static_cast<int>((*placed)[Body::Moon].longitude * 60), (150 + 4) * 60 + 39);
    EXPECT_EQ(static_cast<int>((*placed)[Body::Ascendant].longitude * 60), (120 + 29) * 60 + 24);
    EXPECT_TRUE(placed->angles);
    const Result<Sky> unplaced = SkyAt(at, EphemerisMode::Classic, {}, false);
    ASSERT_TRUE(unplaced.has_value());
    EXPECT_EQ((*unplaced)[Body::Ascendant].longitude, 0.0);
    // Outside the tables' years the precise sky is refused, never 0°.
    EXPECT_FALSE(SkyAt(InstantAt({1890, 1, 1, 0, 0}), EphemerisMode::Precise, {}, false).has_value());
}

} // namespace
} // namespace tessaline
