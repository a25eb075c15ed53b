// SPDX-License-Identifier: GPL-3.0-or-later
#include "ToolRun.h"

#include "cli/ExitCodes.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

namespace tessaline::cli {
namespace {

const std::vector<std::string> kDelhi{"--name", "ASHA RAO", "--date", "1975-06-15", "--time", "10:30",
                                      "--zone", "34",       "--lon",  "77E12",      "--lat",  "28N36"};

std::vector<std::string> Delhi(std::vector<std::string> more)
{
    more.insert(more.begin(), kDelhi.begin(), kDelhi.end());
    return more;
}

TEST(TransitsTool, RefusesWhatIsNotOneChartsSky)
{
    const std::string start = "--transits adds the sky at an instant to one chart, as text, --json, --csv, --html or "
                              "the --svg wheel: leave "
                              "out ";
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"--transits", "2026-12-09 12:00", "--batch", "-"}, start + "--batch"},
        {Delhi({"--transits", "2026-12-09 12:00", "--progressions"}), start + "--progressions"},
        {Delhi({"--transits", "2026-12-09 12:00", "--zones"}), start + "--zones"},
        {Delhi({"--transit-zone", "3"}), "--transit-zone requires --transits"},
        {Delhi({"--transits", "2026-12-09"}),
         "--transits \"2026-12-09\" is not an instant: give it as \"YYYY-MM-DD HH:MM\""},
        {Delhi({"--transits", "2026-02-29 10:00"}),
         "--transits \"2026-02-29 10:00\" is not an instant: give it as \"YYYY-MM-DD HH:MM\""},
        {Delhi({"--transits", "2051-06-01 10:00"}),
         "--transits \"2051-06-01 10:00\" lies outside the tables' years: the sky can be charted from 1901 to 2050"},
        {Delhi({"--transits", "2026-12-09 12:00", "--transit-zone", "71"}),
         "--transit-zone \"71\" is not a zone: give its position 0 to 70 in --zones, or the offset as +HH:MM or "
         "-HH:MM"},
    };
    for (const auto& [args, message] : cases) {
        const ToolRun run = RunTool(args);
        EXPECT_EQ(run.code, kExitUsage) << message;
        EXPECT_EQ(run.err, message + "\nRun with --help for more information.\n");
        EXPECT_EQ(run.out, "");
    }
}

// Saturn at 12:00 UT on 9 December 2026, retrograde in the first decanate of Aries, leaving it at 17:02 UT on
// 28 January 2027 (tests/decanates/library_transits.py 2026 12 9 12.0), read and shown on the birth's clock
// (IST, UT+5:30), or on one given with --transit-zone.
struct FormatRow {
    const char* name;
    std::vector<std::string> options;
    const char* text; // a piece of the output
};

class TransitsFormatTest : public testing::TestWithParam<FormatRow>
{
};

TEST_P(TransitsFormatTest, HoldsSaturnLeavingAries)
{
    const FormatRow& row = GetParam();
    const ToolRun run = RunTool(Delhi(row.options));
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(run.err, "");
    EXPECT_NE(run.out.find(row.text), std::string::npos) << run.out;
}

INSTANTIATE_TEST_SUITE_P(
    Formats, TransitsFormatTest,
    testing::Values(
        FormatRow{"Text",
                  {"--transits", "2026-12-09 17:30"},
                  "\nSaturn   07 Ari 55 R  Aries I (Aries, Mars)                     leaves 2027-01-28 22:32\n"},
        FormatRow{
            "Csv", {"--transits", "2026-12-09 17:30", "--csv"}, "\r\nSaturn,2026-12-09T12:00Z,2026-12-09T17:30,7.93"},
        FormatRow{"CsvLeaves",
                  {"--transits", "2026-12-09 17:30", "--csv"},
                  ",retrograde,Aries,1,Aries,Mars,,2027-01-28T17:02Z,2027-01-28T22:32\r\n"},
        FormatRow{"OtherClock",
                  {"--transits", "2026-12-09 13:00", "--transit-zone", "+01:00", "--csv"},
                  ",2027-01-28T17:02Z,2027-01-28T18:02\r\n"},
        FormatRow{"Wheel",
                  {"--transits", "2026-12-09 17:30", "--svg"},
                  "Saturn 07 Ari 55 retrograde, first decanate of Aries: Aries"},
        FormatRow{"Reading",
                  {"--transits", "2026-12-09 17:30", "--html"},
                  "<td>Saturn</td><td>07 Ari 55</td><td>retrograde</td>"},
        FormatRow{"Json",
                  {"--transits", "2026-12-09 17:30", "--json"},
                  "\"sentence\": \"Saturn is in the first decanate of Aries (Aries), until 28 January 2027.\""}),
    [](const testing::TestParamInfo<FormatRow>& info) { return std::string(info.param.name); });

// A chart at a place reads the instant on the place's own clock then: Paris keeps UT+2 in July 2026 (the time
// zone database's Europe/Paris, CEST), though the birth fell in winter time.
TEST(TransitsTool, ThePlacesClockAtTheInstant)
{
    const ToolRun run = RunTool({"--name", "A", "--date", "1990-01-15", "--time", "08:00", "--place", "Paris, France",
                                 "--transits", "2026-07-01 14:00", "--json"});
    ASSERT_EQ(run.code, 0) << run.err;
    const auto transits = nlohmann::json::parse(run.out)["transits"];
    EXPECT_EQ(transits["instantUT"], "2026-07-01T12:00Z");
    EXPECT_EQ(transits["points"].size(), 12U);
}

} // namespace
} // namespace tessaline::cli
