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

// What --progressions cannot go with, said in the tool's words, like the other modes' conflicts.
TEST(ProgressionsTool, RefusesWhatIsNotOneChartsLife)
{
    const std::string start = "--progressions follows one chart's points through a life, as text, --json or --csv: "
                              "leave out ";
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"--progressions", "--batch", "-"}, start + "--batch"},
        {Delhi({"--progressions", "--ingresses", "--from", "2025-01-01"}), start + "--ingresses, --from"},
        {{"--progressions", "--zones"}, start + "--zones"},
        {Delhi({"--progressions", "--compare", "x.csv"}), start + "--compare"},
        {Delhi({"--progressions", "--svg", "--html"}), start + "--svg, --html"},
        {Delhi({"--progressed-on", "2020-01-01"}), "--progressed-on requires --progressions"},
        {Delhi({"--progressions", "--progressed-on", "15/06/2020"}),
         "--progressed-on \"15/06/2020\" is not a date: write it as YYYY-MM-DD"},
    };
    for (const auto& [args, message] : cases) {
        const ToolRun run = RunTool(args);
        EXPECT_EQ(run.code, kExitUsage) << message;
        EXPECT_EQ(run.err, message + "\nRun with --help for more information.\n");
        EXPECT_EQ(run.out, "");
    }
    // A date the life does not reach is the chart's to refuse, not the command line's.
    EXPECT_EQ(RunTool(Delhi({"--progressions", "--progressed-on", "1975-06-14"})).code, kExitRejected);
}

// One run per format, each holding the progressed Sun's entry into Cancer on 6 April 1982 at 6 years 9 months
// (the ephemeris library's day: tests/decanates/library_progressions.py 1975 6 15 5.0 77.2 28.6 5.5).
struct FormatRow {
    const char* name;
    std::vector<std::string> options;
    const char* line; // a whole line of the output
};

class ProgressionsFormatTest : public testing::TestWithParam<FormatRow>
{
};

TEST_P(ProgressionsFormatTest, HoldsTheSunsEntryIntoCancer)
{
    const FormatRow& row = GetParam();
    const ToolRun run = RunTool(Delhi(row.options));
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(run.err, "");
    std::string out(1, '\n'); // the first line, too, follows a line break
    out += run.out;
    std::string line(1, '\n');
    line += row.line;
    line += '\n';
    EXPECT_NE(out.find(line), std::string::npos) << run.out;
}

INSTANTIATE_TEST_SUITE_P(
    Formats, ProgressionsFormatTest,
    testing::Values(
        FormatRow{"Text",
                  {"--progressions"},
                  "1982-04-06  6 years 9 months    Sun       Gemini III (Aquarius, Uranus and Saturn) -> Cancer I "
                  "(Cancer, The Moon)               direct"},
        FormatRow{"Csv",
                  {"--progressions", "--csv"},
                  "Sun,1982-04-06,6,9,Gemini,3,Aquarius,Uranus and Saturn,Cancer,1,Cancer,The Moon,direct"},
        FormatRow{"Json", {"--progressions", "--json"}, "      \"date\": \"1982-04-06\","},
        FormatRow{"SiderealCsv",
                  {"--progressions", "--zodiac", "sidereal", "--csv"},
                  "Sun,1985-12-14,10,5,Gemini,1,Gemini,Mercury,Gemini,2,Libra,Venus,direct"}),
    [](const testing::TestParamInfo<FormatRow>& info) { return std::string(info.param.name); });

// The positions on a date, as JSON: 15 June 2020 by the same script's progressed day (Sun 126.43586°, Ascendant
// 189.84907°, Neptune retrograde).
TEST(ProgressionsTool, PositionsOnADate)
{
    const ToolRun run = RunTool(Delhi({"--progressions", "--progressed-on", "2020-06-15", "--json"}));
    ASSERT_EQ(run.code, 0) << run.err;
    const auto document = nlohmann::json::parse(run.out);
    EXPECT_EQ(document["age"]["years"], 45);
    const auto& points = document["points"];
    ASSERT_EQ(points.size(), 12U);
    EXPECT_NEAR(points[0]["longitude"].get<double>(), 126.43586, 1.0 / 3600);
    EXPECT_EQ(points[8]["direction"], "retrograde");
    EXPECT_EQ(points[10]["point"], "Ascendant");
    EXPECT_NEAR(points[10]["longitude"].get<double>(), 189.84907, 5.0 / 3600);
}

} // namespace
} // namespace tessaline::cli
