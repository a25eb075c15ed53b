// SPDX-License-Identifier: GPL-3.0-or-later
#include "decanates/DecanateAssignment.h"

#include "chart/PositionText.h"
#include "decanates/DecanateTable.h"

#include <array>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <string>
#include <string_view>

namespace tessaline {
namespace {

// One body's longitude, its position text, and the decanate it falls in, read off the decanate table by hand.
struct Expected {
    double longitude;
    std::string_view entry;
    int sign;
    int decanate;
    std::string_view decanateName;
};

// A whole chart, one row per body from the Sun to Pluto; the first six rows sit on decanate boundaries, the
// minutes a hair past the whole minute as the sky gives them.
constexpr double kHair = 1e-9;
constexpr std::array<Expected, kDecanateBodyCount> kChart = {{
    {9 + 59 / 60.0 + kHair, "09 Ari 59", 0, 1, "First Decanate"},
    {10.0, "10 Ari 00", 0, 2, "Second Decanate"},
    {210 + 19 + 59 / 60.0 + kHair, "19 Sco 59", 7, 2, "Second Decanate"},
    {330 + 20.0, "20 Pis 00", 11, 3, "Third Decanate"},
    {120.0, "00 Leo 00", 4, 1, "First Decanate"},
    {270 + 29 + 59 / 60.0 + kHair, "29 Cap 59", 9, 3, "Third Decanate"},
    {30 + 15.5, "15 Tau 30", 1, 2, "Second Decanate"},
    {60 + 25 + 7 / 60.0 + kHair, "25 Gem 07", 2, 3, "Third Decanate"},
    {150 + 12.75, "12 Vir 45", 5, 2, "Second Decanate"},
    {300 + 3 + 7 / 60.0 + kHair, "03 Aqu 07", 10, 1, "First Decanate"},
}};

// Every field equals the field of the same name in the row; the row itself is checked against the printed
// table elsewhere. Whole-string comparison also catches a remnant of an earlier, longer text.
void ExpectResult(const DecanateResult& result, const Expected& expected)
{
    SCOPED_TRACE(std::string(expected.entry));
    const DecanateRow& row = LookUpDecanate(expected.sign, expected.decanate);
    EXPECT_EQ(result.DecanateName, expected.decanateName);
    EXPECT_EQ(result.DecanateSign, row.DecanateSign);
    EXPECT_EQ(result.RulingPlanet, row.RulingPlanet);
    EXPECT_EQ(result.RulingElement, row.RulingElement);
    EXPECT_EQ(result.ConstellationName, row.ConstellationName);
    EXPECT_EQ(result.Keyword, row.Keyword);
    EXPECT_EQ(result.TreeZodiac, row.TreeZodiac);
    EXPECT_EQ(result.MoreAboutDecanateSign, row.MoreAboutDecanateSign);
    EXPECT_EQ(result.KarmicInfluence, row.KarmicInfluence);
    EXPECT_EQ(result.MoreAboutTreeZodiac, row.MoreAboutTreeZodiac);
}

// Body i gets row (i + shift) of the chart.
void Calculate(ChartState& state, std::size_t shift)
{
    for (std::size_t body = 0; body < kDecanateBodyCount; ++body)
        state.longitudes[body] = kChart[(body + shift) % kDecanateBodyCount].longitude;
    Decanate_Calculation(state);
}

TEST(DecanateCalculation, EachBodyGetsTheRowOfItsOwnLongitude)
{
    ChartState state;
    Calculate(state, 0);
    for (std::size_t body = 0; body < kDecanateBodyCount; ++body) {
        ExpectResult(DecanateTexts(state.decanates[body]), kChart[body]);
        EXPECT_EQ(FormatPositionEntry(kChart[body].longitude), kChart[body].entry); // the text agrees
    }
}

TEST(DecanateCalculation, ASecondChartReplacesEveryBody)
{
    ChartState state;
    for (const std::size_t shift : {0u, 3u, 7u})
        Calculate(state, shift);
    for (std::size_t body = 0; body < kDecanateBodyCount; ++body)
        ExpectResult(DecanateTexts(state.decanates[body]), kChart[(body + 7) % kDecanateBodyCount]);
}

// A longitude's sign and decanate by hand: whole degrees within the sign decide (9°59' is still the first
// decanate), a negative longitude counts by its magnitude and a full turn or more wraps to 0° Aries, as the
// position texts write them.
TEST(DecanateOf, TakesTheWholeDegreesWithinTheSign)
{
    struct Case {
        double degrees;
        int sign;
        int decanate;
    };
    for (const Case& c :
         {Case{0.0, 0, 1}, Case{9 + 59 / 60.0, 0, 1}, Case{9.99999, 0, 1}, Case{10.0, 0, 2}, Case{29.99999, 0, 3},
          Case{30.0, 1, 1}, Case{239.999, 7, 3}, Case{359.99999, 11, 3}, Case{std::nextafter(360.0, 0.0), 11, 3},
          Case{360.0, 0, 1}, Case{370.5, 0, 2}, Case{-15.0, 0, 2}, Case{-0.0, 0, 1}}) {
        EXPECT_EQ(DecanateOf(c.degrees), (SignDecanate{c.sign, c.decanate})) << c.degrees;
        EXPECT_EQ(FormatPositionEntry(c.degrees).substr(0, 6).substr(3),
                  SignAbbreviations.substr(static_cast<std::size_t>(3 * c.sign), 3))
            << c.degrees;
    }
    for (const double bad : {std::nan(""), std::numeric_limits<double>::infinity()})
        EXPECT_EQ(DecanateOf(bad), std::nullopt);
}

// Within reach of the edge below or above, both ends included; the middle of a decanate is near neither.
TEST(NearDecanateEdge, ReachesEitherEdgeOfTheDecanate)
{
    EXPECT_TRUE(NearDecanateEdge(20.1, 0.1 + 1e-9));
    EXPECT_TRUE(NearDecanateEdge(29.95, 0.05 + 1e-9));
    EXPECT_TRUE(NearDecanateEdge(359.99, 0.02)); // the edge at 360, which is 0° Aries
    EXPECT_TRUE(NearDecanateEdge(0.01, 0.02));
    EXPECT_FALSE(NearDecanateEdge(25.0, 4.9));
    EXPECT_FALSE(NearDecanateEdge(15.3, 0.2));
}

} // namespace
} // namespace tessaline
