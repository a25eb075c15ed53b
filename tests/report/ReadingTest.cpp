// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/Reading.h"

#include "decanates/CalculationDriver.h"
#include "report/ChartLines.h"
#include "tests/support/Births.h"

#include <gtest/gtest.h>
#include <string>

namespace tessaline {
namespace {

struct InstantCase {
    const char* label;
    int year, month, day, hour, minute, zone;
    bool dst;
    const char* lonDegrees;
    const char* lonMinutes;
    bool east;
    const char* latDegrees;
    const char* latMinutes;
    const char* line;
    const char* utcOffset;
    const char* instantUt;
};

class InstantTest : public testing::TestWithParam<InstantCase>
{
};

TEST_P(InstantTest, ShowsTheUniversalTimeUsed)
{
    const InstantCase& c = GetParam();
    BirthDataForm form;
    form.name = "TEST";
    form.yearPosition = c.year - kFirstYear;
    form.monthPosition = c.month - 1;
    form.dayPosition = c.day - 1;
    form.hour = c.hour;
    form.minute = c.minute;
    form.zonePosition = c.zone;
    form.daylightSaving = c.dst;
    form.lonDegrees = c.lonDegrees;
    form.lonMinutes = c.lonMinutes;
    form.isEast = c.east;
    form.latDegrees = c.latDegrees;
    form.latMinutes = c.latMinutes;
    const auto calculated = Calculate({form}, {});
    ASSERT_TRUE(calculated.has_value());
    const Chart& state = *calculated;
    EXPECT_EQ(InstantLine(state), c.line);
    EXPECT_EQ(UtcOffsetText(state), c.utcOffset);
    EXPECT_EQ(InstantUtText(state), c.instantUt);
}

INSTANTIATE_TEST_SUITE_P(
    Zones, InstantTest,
    testing::Values(InstantCase{"EastNoDst", 1975, 6, 15, 10, 30, 34, false, "77", "12", true, "28", "36",
                                "Calculated for 15 June 1975, 05:00 Universal Time (zone +5:30, no daylight saving), "
                                "77°12′ E, 28°36′ N",
                                "+05:30", "1975-06-15T05:00Z"},
                    InstantCase{"EastDst", 1975, 6, 15, 10, 30, 34, true, "77", "12", true, "28", "36",
                                "Calculated for 15 June 1975, 04:00 Universal Time (zone +5:30, daylight saving), "
                                "77°12′ E, 28°36′ N",
                                "+06:30", "1975-06-15T04:00Z"},
                    InstantCase{"WestDst", 1985, 7, 4, 18, 45, 27, true, "73", "58", false, "40", "45",
                                "Calculated for 4 July 1985, 22:45 Universal Time (zone −5:00, daylight saving), "
                                "73°58′ W, 40°45′ N",
                                "-04:00", "1985-07-04T22:45Z"},
                    InstantCase{"WestNoDst", 1985, 7, 4, 18, 45, 27, false, "73", "58", false, "40", "45",
                                "Calculated for 4 July 1985, 23:45 Universal Time (zone −5:00, no daylight saving), "
                                "73°58′ W, 40°45′ N",
                                "-05:00", "1985-07-04T23:45Z"},
                    InstantCase{
                        "WestIntoNewYear", 1990, 12, 31, 20, 0, 32, false, "157", "5", false, "21", "0",
                        "Calculated for 1 January 1991, 06:30 Universal Time (zone −10:30, no daylight saving), "
                        "157°05′ W, 21°00′ N",
                        "-10:30", "1991-01-01T06:30Z"},
                    InstantCase{"SouthAndGreenwich", 2000, 1, 1, 12, 0, 29, false, "0", "0", false, "33", "52",
                                "Calculated for 1 January 2000, 12:00 Universal Time (zone +0:00, no daylight saving), "
                                "0°00′ W, 33°52′ N",
                                "+00:00", "2000-01-01T12:00Z"}),
    [](const testing::TestParamInfo<InstantCase>& info) { return std::string(info.param.label); });

TEST(AnglesLine, ShowsTheAnglesAndNodesOfTheWorkedExample)
{
    // The README's worked example. The Ascendant's 29° Leo lies in Leo's third decanate, which the
    // triplicity rule gives to Aries, ruled by Mars.
    const auto calculated = Calculate({fixtures::Delhi1975()}, {});
    ASSERT_TRUE(calculated.has_value());
    const Chart& state = *calculated;
    const std::string line = AnglesLine(state);
    EXPECT_EQ(line.rfind("Ascendant 29 Leo 24 in the decanate of Aries (Mars, ", 0), 0u) << line;
    const std::string rest = " \u00B7 Midheaven 27 Tau 20 \u00B7 Rahu 28 Sco 55 \u00B7 Ketu 28 Tau 55";
    ASSERT_GT(line.size(), rest.size());
    EXPECT_EQ(line.substr(line.size() - rest.size()), rest) << line;
}

TEST(RenderReadingHtml, HoldsTheWholeReadingInOneDocument)
{
    const auto calculated = Calculate({fixtures::Delhi1975()}, {});
    ASSERT_TRUE(calculated.has_value());
    const Chart& state = *calculated;

    const std::string html = RenderReadingHtml(state);
    const auto count = [&html](const std::string& needle) {
        std::size_t n = 0;
        for (auto at = html.find(needle); at != std::string::npos; at = html.find(needle, at + 1))
            ++n;
        return n;
    };
    EXPECT_EQ(html.rfind("<!DOCTYPE html>", 0), 0u);
    EXPECT_EQ(count("<h1>ASHA RAO</h1>"), 1u);
    EXPECT_EQ(count("Indian Time, IST, +5.3"), 1u);
    EXPECT_EQ(count("Calculated for 15 June 1975, 05:00 Universal Time"), 1u);
    EXPECT_EQ(count("<p class=\"angles\">Ascendant 29 Leo 24"), 1u);
    EXPECT_EQ(count("<h2>"), 10u);
    EXPECT_EQ(count("<svg"), 11u); // every picture inline, and the wheel: nothing to fetch
    EXPECT_EQ(count("<div class=\"wheel\">\n<svg"), 1u);
    EXPECT_EQ(count("src="), 0u);
    EXPECT_EQ(count("<td>23 Gem 29</td>"), 1u);
    EXPECT_EQ(count("<h3>Karmic Influence</h3>"), 10u);
    EXPECT_EQ(count("<h3>More About Tree Zodiac</h3>"), 10u);
    EXPECT_EQ(count("<h3>More About Decanate Sign</h3>"), 10u);

    const std::string forPrinting = RenderReadingHtml(state, ReadingPictures::NamedImages);
    EXPECT_EQ(forPrinting.find("<svg"), std::string::npos);
    EXPECT_NE(forPrinting.find("src=\"picture-10.png\""), std::string::npos);
}

TEST(RenderReadingHtml, ShowsTheBirthAsEnteredAndEachTextUnderItsCaption)
{
    BirthDataForm form = fixtures::Delhi1975();
    form.isSouth = true;
    const auto calculated = Calculate({form}, {});
    ASSERT_TRUE(calculated.has_value());
    const Chart& state = *calculated;
    const std::string html = RenderReadingHtml(state);
    EXPECT_NE(html.find("<tr><th>Date of Birth</th><td>15 June 1975</td></tr>"), std::string::npos);
    EXPECT_NE(html.find("<tr><th>Latitude</th><td>28°36′ S</td></tr>"), std::string::npos);
    // The Sun in Gemini's third decanate: its texts by the printed table's opening words.
    EXPECT_NE(html.find("<h3>Karmic Influence</h3>\n<p>You will need to be fast"), std::string::npos);
    EXPECT_NE(html.find("<h3>More About Decanate Sign</h3>\n<p>You are happy and optimistic"), std::string::npos);
}

} // namespace
} // namespace tessaline
