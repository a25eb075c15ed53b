// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/ProgressionReport.h"

#include "tests/support/Births.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <string>

namespace tessaline {
namespace {

// Two changes of ASHA RAO's progressions as the library gives them (tests/decanates/library_progressions.py):
// the Sun into Cancer on 6 April 1982 and Venus back from Virgo into Leo on 23 October 2036, ages counted by
// hand from 15 June 1975. The decanates' signs and rulers are the published tables' (triplicity: Gemini III in
// Aquarius under Uranus and Saturn, Cancer I Cancer under the Moon, Virgo I Virgo under Mercury, Leo III Aries under
// Mars; the Chaldean faces of Virgo I and Leo III: the Sun and Mars).
ProgressionTimeline TwoChanges(bool clipped)
{
    ProgressionTimeline timeline;
    timeline.changes = {
        {Body::Sun, 2444701.0, {1982, 4, 6}, {6, 9}, {2, 3}, {3, 1}, false},
        {Body::Venus, 2464989.0, {2036, 10, 23}, {61, 4}, {5, 1}, {4, 3}, true},
    };
    timeline.end = {2075, 6, 14};
    timeline.endAge = {99, 11};
    timeline.clipped = clipped;
    return timeline;
}

Chart Delhi(DecanScheme scheme)
{
    ChartFacts facts = fixtures::Delhi1975Chart().Facts();
    facts.scheme = scheme;
    return Chart(facts);
}

std::string Written(ChartFormat format, DecanScheme scheme, bool clipped = false)
{
    std::string out;
    AppendProgressions(out, Delhi(scheme), TwoChanges(clipped), format);
    return out;
}

struct ContainsRow {
    const char* name;
    ChartFormat format;
    DecanScheme scheme;
    const char* expected; // a whole line of the output
};

class ProgressionOutputTest : public testing::TestWithParam<ContainsRow>
{
};

TEST_P(ProgressionOutputTest, HoldsTheLine)
{
    const ContainsRow& row = GetParam();
    std::string out(1, '\n'); // the first line, too, follows a line break
    out += Written(row.format, row.scheme);
    std::string line(1, '\n');
    line += row.expected;
    line += '\n';
    EXPECT_NE(out.find(line), std::string::npos) << out;
}

INSTANTIATE_TEST_SUITE_P(
    Lines, ProgressionOutputTest,
    testing::Values(
        ContainsRow{"TextDirect", ChartFormat::Text, DecanScheme::Triplicity,
                    "1982-04-06  6 years 9 months    Sun       Gemini III (Aquarius, Uranus and Saturn) -> Cancer I "
                    "(Cancer, The Moon)               direct"},
        ContainsRow{"TextSpan", ChartFormat::Text, DecanScheme::Triplicity,
                    "From birth to 14 June 2075, age 99 years 11 months."},
        ContainsRow{"CsvHeader", ChartFormat::Csv, DecanScheme::Triplicity,
                    "point,date,ageYears,ageMonths,leftSign,leftDecanate,leftDecanateSign,leftRulingPlanet,"
                    "enteredSign,enteredDecanate,enteredDecanateSign,enteredRulingPlanet,direction"},
        ContainsRow{"CsvRetrograde", ChartFormat::Csv, DecanScheme::Triplicity,
                    "Venus,2036-10-23,61,4,Virgo,1,Virgo,Mercury,Leo,3,Aries,Mars,retrograde"},
        ContainsRow{"CsvFacesHaveNoSign", ChartFormat::Csv, DecanScheme::Chaldean,
                    "Venus,2036-10-23,61,4,Virgo,1,,The Sun,Leo,3,,Mars,retrograde"}),
    [](const testing::TestParamInfo<ContainsRow>& info) { return std::string(info.param.name); });

TEST(ProgressionOutput, JsonCarriesAgesDecanatesAndDirection)
{
    const auto document = nlohmann::json::parse(Written(ChartFormat::Json, DecanScheme::Chaldean, true));
    EXPECT_EQ(document["name"], "ASHA RAO");
    EXPECT_EQ(document["birthUT"], "1975-06-15T05:00Z");
    EXPECT_EQ(document["scheme"], "chaldean");
    EXPECT_EQ(document["clipped"], true);
    EXPECT_EQ(document["end"]["age"]["years"], 99);
    const auto& venus = document["changes"][1];
    EXPECT_EQ(venus["point"], "Venus");
    EXPECT_EQ(venus["age"]["months"], 4);
    EXPECT_EQ(venus["entered"]["sign"], "Leo");
    EXPECT_EQ(venus["entered"]["decanate"], 3);
    EXPECT_TRUE(venus["entered"]["decanateSign"].is_null());
    EXPECT_EQ(venus["left"]["rulingPlanet"], "The Sun");
    EXPECT_EQ(venus["direction"], "retrograde");
}

TEST(ProgressionOutput, ASpanCutShortSaysWhy)
{
    EXPECT_NE(ProgressionSpanSentence(TwoChanges(true)).find("end with the year 2050"), std::string::npos);
    EXPECT_EQ(ProgressionSpanSentence(TwoChanges(false)).find("2050"), std::string::npos);
}

} // namespace
} // namespace tessaline
