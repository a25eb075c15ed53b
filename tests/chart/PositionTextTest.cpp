// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart/PositionText.h"

#include <cmath>
#include <gtest/gtest.h>
#include <string>

namespace tessaline {
namespace {

struct FormatCase {
    const char* label;
    double degrees;
    const char* longForm;
    const char* entry;
};

class FormatTest : public testing::TestWithParam<FormatCase>
{
};

TEST_P(FormatTest, TruncatesEveryFieldIntoBothForms)
{
    const FormatCase& c = GetParam();
    const std::string longForm = FormatZodiacPosition(c.degrees);
    EXPECT_EQ(longForm, c.longForm);
    EXPECT_EQ(FormatPositionEntry(longForm), c.entry);
}

INSTANTIATE_TEST_SUITE_P(
    WorkedExamples, FormatTest,
    testing::Values(FormatCase{"Zero", 0.0, "0° 0' 0\" Ari", "00 Ari 00"},
                    FormatCase{"SignBoundaryBelongsToNextSign", 30.0, "0° 0' 0\" Tau", "00 Tau 00"},
                    FormatCase{"Leo", 123.456, "3° 27' 21\" Leo", "03 Leo 27"},
                    FormatCase{"HairBelowMinuteShowsLowerMinute", 15.0833333333, "15° 4' 59\" Ari", "15 Ari 04"},
                    FormatCase{"WholeMinutes", 200.25, "20° 15' 0\" Lib", "20 Lib 15"},
                    FormatCase{"LastSecondOfPisces", 359.9999, "29° 59' 59\" Pis", "29 Pis 59"},
                    FormatCase{"NegativeByMagnitude", -45.5, "15° 30' 0\" Tau", "15 Tau 30"},
                    FormatCase{"FullTurnIsAries", 360.0, "0° 0' 0\" Ari", "00 Ari 00"},
                    FormatCase{"SecondsNeverRoundIntoMinutes", 10.0 + 59.999 / 60.0, "10° 59' 59\" Ari", "10 Ari 59"}),
    [](const testing::TestParamInfo<FormatCase>& info) { return std::string(info.param.label); });

TEST(FormatPositionEntry, FromDegreesIsTheEntryOfTheLongForm)
{
    // Every hundredth of a second of arc near the sign and minute edges, and a sweep of the circle.
    for (double x = 0.0; x < 360.0; x += 0.0137)
        ASSERT_EQ(FormatPositionEntry(x), FormatPositionEntry(FormatZodiacPosition(x))) << x;
    for (double edge : {29.0, 30.0, 59.0, 60.0, 329.0, 330.0, 359.0}) {
        for (double step = -0.01; step <= 0.01; step += 1.0 / 360000.0) {
            const double x = edge + step;
            ASSERT_EQ(FormatPositionEntry(x), FormatPositionEntry(FormatZodiacPosition(x))) << x;
        }
    }
}

TEST(FormatZodiacPosition, NeverShowsAnEmptySignOrARunawayValue)
{
    for (double x : {360.0, 720.0, 1e300, std::nan(""), HUGE_VAL}) {
        const std::string entry = FormatPositionEntry(FormatZodiacPosition(x));
        ASSERT_EQ(entry.size(), 9u) << x;
        EXPECT_NE(SignAbbreviations.find(entry.substr(3, 3)), std::string::npos) << x;
    }
}

TEST(ReduceRadians, BringsAngleIntoOneTurn)
{
    EXPECT_DOUBLE_EQ(ReduceRadians(-0.5), 5.78318530717958);
    EXPECT_DOUBLE_EQ(ReduceRadians(7.0), 0.7168146928204193);
}

TEST(ReduceDegrees, TakesOneStepEachWayAndLeaves360)
{
    EXPECT_DOUBLE_EQ(ReduceDegrees(-10.0), 350.0);
    EXPECT_DOUBLE_EQ(ReduceDegrees(370.0), 10.0);
    EXPECT_DOUBLE_EQ(ReduceDegrees(800.0), 440.0);
    EXPECT_DOUBLE_EQ(ReduceDegrees(360.0), 360.0);
}

TEST(ArcTan2, CoversEveryQuadrantAndTheAxes)
{
    EXPECT_DOUBLE_EQ(ArcTan2(1.0, -1.0), 2.3561944901923417);
    EXPECT_DOUBLE_EQ(ArcTan2(0.0, -1.0), kPi);
    EXPECT_DOUBLE_EQ(ArcTan2(-1.0, -1.0), -2.3561944901923417);
    EXPECT_DOUBLE_EQ(ArcTan2(0.0, 0.0), 0.0);
    EXPECT_DOUBLE_EQ(ArcTan2(-2.0, 0.0), -kPi / 2.0);
    EXPECT_DOUBLE_EQ(ArcTan2(3.0, 0.0), kPi / 2.0);
}

} // namespace
} // namespace tessaline
