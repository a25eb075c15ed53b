// SPDX-License-Identifier: GPL-3.0-or-later
#include "decanates/DecanateAssignment.h"

#include "decanates/DecanateTable.h"

#include <array>
#include <cmath>
#include <gtest/gtest.h>
#include <string>
#include <string_view>

namespace tessaline {
namespace {

// One body's entry and the decanate it falls in, read off the decanate table by hand.
struct Expected {
    std::string_view entry;
    int sign;
    int decanate;
    std::string_view decanateName;
};

// A whole chart, one row per body from the Sun to Pluto; the first six rows sit on decanate boundaries.
constexpr std::array<Expected, kDecanateBodyCount> kChart = {{
    {"09 Ari 59", 0, 1, "First Decanate"},
    {"10 Ari 00", 0, 2, "Second Decanate"},
    {"19 Sco 59", 7, 2, "Second Decanate"},
    {"20 Pis 00", 11, 3, "Third Decanate"},
    {"00 Leo 00", 4, 1, "First Decanate"},
    {"29 Cap 59", 9, 3, "Third Decanate"},
    {"15 Tau 30", 1, 2, "Second Decanate"},
    {"25 Gem 07", 2, 3, "Third Decanate"},
    {"12 Vir 45", 5, 2, "Second Decanate"},
    {"03 Aqu 07", 10, 1, "First Decanate"},
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
    for (std::size_t body = 0; body < kDecanateBodyCount; ++body) {
        state.positionTable[body] = kChart[(body + shift) % kDecanateBodyCount].entry;
    }
    Decanate_Calculation(state);
}

TEST(DecanateCalculation, EachBodyGetsTheRowOfItsOwnEntry)
{
    ChartState state;
    Calculate(state, 0);
    for (std::size_t body = 0; body < kDecanateBodyCount; ++body) {
        ExpectResult(state.decanateResults[body], kChart[body]);
    }
}

TEST(DecanateCalculation, ASecondChartReplacesEveryFoundBody)
{
    ChartState state;
    for (const std::size_t shift : {0u, 3u, 7u}) {
        Calculate(state, shift);
    }
    for (std::size_t body = 0; body < kDecanateBodyCount; ++body) {
        ExpectResult(state.decanateResults[body], kChart[(body + 7) % kDecanateBodyCount]);
    }
}

struct Unreadable {
    const char* name;
    std::string_view entry;
};

class UnreadableEntryTest : public testing::TestWithParam<Unreadable>
{
};

// Even bodies get the unreadable entry and keep the first chart's result; odd ones move on to new rows.
TEST_P(UnreadableEntryTest, KeepsTheEarlierResultWhileOthersMoveOn)
{
    ChartState state;
    Calculate(state, 0);
    for (std::size_t body = 0; body < kDecanateBodyCount; body += 2) {
        state.positionTable[body] = GetParam().entry;
        state.positionTable[body + 1] = kChart[(body + 4) % kDecanateBodyCount].entry;
    }
    Decanate_Calculation(state);
    for (std::size_t body = 0; body < kDecanateBodyCount; body += 2) {
        ExpectResult(state.decanateResults[body], kChart[body]);
        ExpectResult(state.decanateResults[body + 1], kChart[(body + 4) % kDecanateBodyCount]);
    }
}

TEST_P(UnreadableEntryTest, LeavesAFreshResultEmpty)
{
    ChartState state;
    state.positionTable.fill(std::string(GetParam().entry));
    Decanate_Calculation(state);
    for (const DecanateResult& result : state.decanateResults) {
        EXPECT_TRUE(result.DecanateName.empty() && result.DecanateSign.empty() && result.KarmicInfluence.empty()
                    && result.MoreAboutTreeZodiac.empty() && result.MoreAboutDecanateSign.empty());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Entries, UnreadableEntryTest,
    testing::Values(Unreadable{"LowerCaseKey", "09 ari 59"}, Unreadable{"UpperCaseKey", "09 ARI 59"},
                    Unreadable{"Empty", ""}, Unreadable{"DegreesOnly", "09"}, Unreadable{"KeyCutShort", "09 Ar"},
                    Unreadable{"OneDigitDegrees", "9 Ari 00"}, Unreadable{"LettersForDegrees", "xx Ari 00"},
                    Unreadable{"SpaceBeforeDigit", " 9 Ari 00"}, Unreadable{"DigitThenLetter", "1x Ari 00"},
                    Unreadable{"MinusSign", "-5 Ari 00"}, Unreadable{"MinusZero", "-0 Ari 00"},
                    Unreadable{"PlusSign", "+5 Ari 00"}),
    [](const testing::TestParamInfo<Unreadable>& info) { return info.param.name; });

// A longitude's sign and decanate by hand: whole degrees within the sign decide, and a full turn is 0° Aries.
TEST(DecanateOfLongitude, TakesTheWholeDegreesWithinTheSign)
{
    struct Case {
        double degrees;
        int sign;
        int decanate;
    };
    for (const Case& c : {Case{0.0, 0, 1}, Case{9.99999, 0, 1}, Case{10.0, 0, 2}, Case{29.99999, 0, 3},
                          Case{30.0, 1, 1}, Case{239.999, 7, 3}, Case{359.99999, 11, 3}, Case{360.0, 0, 1}})
        EXPECT_EQ(DecanateOfLongitude(c.degrees), (EntryDecanate{c.sign, c.decanate})) << c.degrees;
    EXPECT_EQ(DecanateOfLongitude(std::nan("")), std::nullopt);
}

} // namespace
} // namespace tessaline
