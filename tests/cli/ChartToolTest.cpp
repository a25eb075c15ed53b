// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/ChartTool.h"

#include "ToolRun.h"

#include "chart/Csv.h"

#include <algorithm>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

namespace tessaline::cli {
namespace {

const std::vector<std::string> kDelhi{"--name", "asha rao", "--date", "1975-06-15", "--time", "10:30",
                                      "--zone", "34",       "--lon",  "77E12",      "--lat",  "28N36"};

std::vector<std::string> With(std::vector<std::string> args, const std::string& option, const std::string& value)
{
    for (std::size_t i = 0; i + 1 < args.size(); ++i)
        if (args[i] == option)
            args[i + 1] = value;
    return args;
}

// The two modes side by side. Numbers from astronomy-engine (tests/ephemeris/precise-reference.js): on
// 1975-06-15 at 05:00 UT the mean node lies at 239.84771° (29 Sco 50, where the classic rule's degree gives
// 28 Sco 55) and the Ascendant over Delhi at 149.41723° (29 Leo 25); on 1939-09-21 at 07:08 UT Saturn lies
// at 30.05375° (00 Tau 03), a few minutes of arc from where the classic formulas put it.
TEST(ChartTool, PreciseModeIsChosenWithAFlagAndNamedInEveryForm)
{
    auto args = kDelhi;
    args.push_back("--json");
    const auto classic = nlohmann::ordered_json::parse(RunTool(args).out);
    EXPECT_EQ(classic["ephemeris"], "classic");
    args.push_back("--precise");
    const ToolRun run = RunTool(args);
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(run.err, "");
    const auto precise = nlohmann::ordered_json::parse(run.out);
    EXPECT_EQ(precise["ephemeris"], "precise");
    EXPECT_EQ(precise["positions"]["Rahu"], "29 Sco 50");
    EXPECT_EQ(precise["positions"]["Ascendant"], "29 Leo 25");

    auto text = kDelhi;
    text.push_back("--precise");
    EXPECT_NE(RunTool(text).out.find("; positions from the precise ephemeris"), std::string::npos);
    text.push_back("--html");
    EXPECT_NE(RunTool(text).out.find("; positions from the precise ephemeris"), std::string::npos);
    EXPECT_EQ(RunTool(kDelhi).out.find("precise"), std::string::npos); // the classic chart as it always was
}

TEST(ChartTool, ClassicChartCarriesThePreciseDecanateWhereItDiffers)
{
    const std::vector<std::string> saturnAtAnEdge{"--name", "x",  "--date", "1939-09-21", "--time", "20:08",
                                                  "--zone", "46", "--lon",  "8W8",        "--lat",  "8N56"};
    auto args = saturnAtAnEdge;
    args.push_back("--json");
    const auto chart = nlohmann::ordered_json::parse(RunTool(args).out);
    const auto& saturn = chart["decanates"][6];
    ASSERT_TRUE(saturn.contains("precise")) << saturn.dump();
    EXPECT_EQ(saturn["precise"],
              (nlohmann::ordered_json{
                  {"position", "00 Tau 03"}, {"decanateName", "First Decanate"}, {"decanateSign", "Taurus"}}));
    EXPECT_FALSE(chart["decanates"][0].contains("precise"));
    EXPECT_NE(RunTool(saturnAtAnEdge).out.find("A precise ephemeris puts Saturn at 00 Tau 03"), std::string::npos);
    auto html = saturnAtAnEdge;
    html.push_back("--html");
    EXPECT_NE(RunTool(html).out.find("<p class=\"precise\">A precise ephemeris puts Saturn at 00 Tau 03, in the first "
                                     "decanate (Taurus), ruled by Venus.</p>"),
              std::string::npos);

    args.push_back("--precise"); // a precise chart names nothing beside itself
    EXPECT_EQ(RunTool(args).out.find("\"precise\":"), std::string::npos);
}

TEST(ChartTool, PreciseBatchNamesTheModeOnEveryRow)
{
    const std::string csv = "name,date,time,zone,lon,lat,dst\nA,1975-06-15,10:30,34,77E12,28N36,0\n"
                            "B,1939-09-21,20:08,46,8W8,8N56,0\n";
    const ToolRun run = RunTool({"--batch", "-", "--json", "--precise"}, csv);
    ASSERT_EQ(run.code, 0) << run.err;
    std::istringstream lines(run.out);
    std::string line;
    int rows = 0;
    while (std::getline(lines, line)) {
        EXPECT_EQ(nlohmann::ordered_json::parse(line)["ephemeris"], "precise");
        ++rows;
    }
    EXPECT_EQ(rows, 2);
}

// The zodiac in every form. Lahiri's ayanamsa on 1975-06-15 at 05:00 UT is 23.51830° (astronomy-engine,
// tests/ephemeris/ayanamsa-reference.js), so the Sun at 23 Gem 29 tropical is at 29 Tau 58 sidereal.
TEST(ChartTool, SiderealZodiacIsChosenByOptionOrColumnAndNamedInEveryForm)
{
    auto args = kDelhi;
    args.insert(args.end(), {"--zodiac", "sidereal", "--json"});
    const ToolRun run = RunTool(args);
    ASSERT_EQ(run.code, 0) << run.err;
    const auto chart = nlohmann::ordered_json::parse(run.out);
    EXPECT_EQ(chart["zodiac"], "sidereal");
    EXPECT_EQ(chart["ayanamsa"]["name"], "Lahiri");
    EXPECT_NEAR(chart["ayanamsa"]["degrees"].get<double>(), 23.51830, 2.0 / 3600);
    EXPECT_EQ(chart["positions"]["Sun"], "29 Tau 58");

    auto text = kDelhi;
    text.insert(text.end(), {"--ayanamsa", "Fagan/Bradley"}); // an ayanamsa alone means sidereal
    EXPECT_NE(RunTool(text).out.find("; sidereal zodiac, Fagan/Bradley ayanamsa 24\u00B024\u2032"), std::string::npos);
    auto tropical = kDelhi;
    tropical.push_back("--json");
    const std::string plain = RunTool(tropical).out;
    tropical.insert(tropical.end(), {"--zodiac", "TROPICAL"});
    EXPECT_EQ(RunTool(tropical).out, plain);
    EXPECT_EQ(plain.find("zodiac"), std::string::npos);

    const std::string csv = "name,date,time,zone,lon,lat,dst,Zodiac,ayanamsa\n"
                            "A,1975-06-15,10:30,34,77E12,28N36,0,,\n"
                            "B,1975-06-15,10:30,34,77E12,28N36,0,sidereal,\n"
                            "C,1975-06-15,10:30,34,77E12,28N36,0,tropical,raman\n"
                            "D,1975-06-15,10:30,34,77E12,28N36,0,,true-chitrapaksha\n";
    const ToolRun batch = RunTool({"--batch", "-", "--json", "--ayanamsa", "krishnamurti"}, csv);
    EXPECT_EQ(batch.code, 1);
    std::istringstream lines(batch.out);
    std::vector<nlohmann::ordered_json> rows;
    for (std::string line; std::getline(lines, line);)
        rows.push_back(nlohmann::ordered_json::parse(line));
    ASSERT_EQ(rows.size(), 4U);
    EXPECT_EQ(rows[0]["ayanamsa"]["name"], "Krishnamurti"); // the option's choice where a row says nothing
    EXPECT_EQ(rows[1]["ayanamsa"]["name"], "Krishnamurti");
    EXPECT_NE(rows[2]["error"].get<std::string>().find("sidereal"), std::string::npos);
    EXPECT_EQ(rows[3]["ayanamsa"]["name"], "True Chitrapaksha");

    EXPECT_EQ(RunTool({"--ayanamsas"}).out.substr(0, 7), "lahiri\t");
    for (const char* wrong : {"--zodiac=sideral", "--ayanamsa=kp"}) {
        auto bad = kDelhi;
        bad.push_back(wrong);
        EXPECT_EQ(RunTool(bad).code, 2) << wrong;
    }
    auto both = kDelhi;
    both.insert(both.end(), {"--zodiac", "tropical", "--ayanamsa", "raman"});
    EXPECT_EQ(RunTool(both).code, 2);
}

TEST(ChartTool, SingleChartAsJson)
{
    auto args = kDelhi;
    args.push_back("--json");
    const ToolRun run = RunTool(args);
    ASSERT_EQ(run.code, 0) << run.err;
    const auto chart = nlohmann::ordered_json::parse(run.out);
    EXPECT_EQ(chart["name"], "ASHA RAO");
    EXPECT_EQ(chart["positions"]["Sun"], "23 Gem 29");
    EXPECT_EQ(chart["positions"]["Moon"], "04 Vir 39");
    EXPECT_EQ(chart["positions"]["Ascendant"], "29 Leo 24");
    EXPECT_EQ(chart["positions"]["Midheaven"], "27 Tau 20");
    EXPECT_EQ(chart["positions"]["Rahu"], "28 Sco 55");
    EXPECT_EQ(chart["positions"]["Ketu"], "28 Tau 55");
    EXPECT_NEAR(chart["longitudes"]["Mercury"].get<double>(), 76.885388, 1e-6);
    EXPECT_EQ(chart["positions"].size(), 14u);
    EXPECT_EQ(chart["positions"].begin().key(), "Sun");
    ASSERT_EQ(chart["decanates"].size(), 10u);
    EXPECT_EQ(chart["decanates"][0]["body"], "Sun");
    EXPECT_EQ(chart["decanates"][0]["decanateName"], "Third Decanate");
    EXPECT_EQ(chart["decanates"][0]["decanateSign"], "Aquarius"); // Gemini, third decanate
    EXPECT_EQ(chart["instantUT"], "1975-06-15T05:00Z");
    EXPECT_EQ(chart["utcOffset"], "+05:30");
    EXPECT_TRUE(chart["decanates"][0]["changesBefore"].is_null());
    EXPECT_TRUE(chart["decanates"][0]["changesAfter"].is_null());
}

// The name as the window's filter leaves it, carried unchanged in UTF-8; upper-case forms from
// python3 -c 'print("Ødegaard Σίσυφος straße".upper())'.
TEST(ChartTool, NamesInEveryAlphabetReachTheJsonAndTheReading)
{
    const auto args = With(kDelhi, "--name", "Ødegaard Σίσυφος straße 李");
    auto json = args;
    json.push_back("--json");
    const ToolRun run = RunTool(json);
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(nlohmann::ordered_json::parse(run.out)["name"], "ØDEGAARD ΣΊΣΥΦΟΣ STRASSE 李");
    EXPECT_NE(run.out.find("\"ØDEGAARD ΣΊΣΥΦΟΣ STRASSE 李\""), std::string::npos) << "UTF-8, not \\u escapes";

    auto html = args;
    html.push_back("--html");
    EXPECT_NE(RunTool(html).out.find("<h1>ØDEGAARD ΣΊΣΥΦΟΣ STRASSE 李</h1>"), std::string::npos);
}

TEST(ChartTool, TextNamesThePersonAndShowsTheAngles)
{
    const ToolRun run = RunTool(kDelhi);
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(run.out.rfind("ASHA RAO\n", 0), 0u);
    // The README's worked example.
    EXPECT_NE(run.out.find("\nAscendant 29 Leo 24 in the decanate of Aries"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("Rahu 28 Sco 55"), std::string::npos);
}

TEST(ChartTool, MarginsAreClockTimes)
{
    // At 19:26 the Moon is minutes short of 10° Virgo (see the margin tests).
    auto args = With(kDelhi, "--time", "19:26");
    args.push_back("--json");
    const ToolRun run = RunTool(args);
    ASSERT_EQ(run.code, 0) << run.err;
    const auto moon = nlohmann::ordered_json::parse(run.out)["decanates"][1];
    ASSERT_TRUE(moon["changesAfter"].is_string());
    EXPECT_EQ(moon["changesAfter"].get<std::string>().size(), 16u); // local date-time, always with its day
    EXPECT_EQ(moon["changesAfter"].get<std::string>().substr(0, 14), "1975-06-15T19:");
}

TEST(ChartTool, HtmlPrintsTheReadingAlone)
{
    auto args = kDelhi;
    args.push_back("--html");
    const ToolRun run = RunTool(args);
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(run.out.rfind("<!DOCTYPE html>", 0), 0u);
    EXPECT_NE(run.out.find("ASHA RAO"), std::string::npos);
    args.push_back("--json");
    EXPECT_EQ(RunTool(args).code, 2); // one format at a time
}

TEST(ChartTool, ReadableChartShowsPositionsAndCaptions)
{
    const ToolRun run = RunTool(kDelhi);
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_NE(run.out.find("ASHA RAO"), std::string::npos);
    EXPECT_NE(run.out.find("Sun        23 Gem 29"), std::string::npos);
    EXPECT_NE(run.out.find("Karmic Influence"), std::string::npos);
    EXPECT_NE(run.out.find("More About Decanate Sign"), std::string::npos);
    std::istringstream lines(run.out);
    for (std::string line; std::getline(lines, line);) {
        const auto columns = std::count_if(line.begin(), line.end(), [](char c) { return (c & 0xC0) != 0x80; });
        EXPECT_LE(columns, 80) << line; // wrapped to 80 columns off a terminal
    }
    EXPECT_NE(run.out.find("Calculated for 15 June 1975, 05:00 Universal Time (zone +5:30,"), std::string::npos);
}

struct RejectCase {
    const char* label;
    const char* option;
    const char* value;
    const char* message;
};

class RejectTest : public testing::TestWithParam<RejectCase>
{
};

TEST_P(RejectTest, PrintsTheMessageOnlyOnStderrAndExitsOne)
{
    const RejectCase& c = GetParam();
    auto args = With(kDelhi, c.option, c.value);
    args.push_back("--json");
    const ToolRun run = RunTool(args);
    EXPECT_EQ(run.code, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
}

INSTANTIATE_TEST_SUITE_P(
    Rejections, RejectTest,
    testing::Values(RejectCase{"BlankName", "--name", "  ", "Please Enter Name"},
                    RejectCase{"DigitInName", "--name", "ASHA 2", "Please Enter only Letters"},
                    RejectCase{"MinusSignInName", "--name", "ASHA\u2212RAO", "Please Enter only Letters"},
                    RejectCase{"Longitude180", "--lon", "180E00",
                               "Please Enter Value Between 0 And 179 in the Degree of Longitude"},
                    RejectCase{"LatitudeMinutes60", "--lat", "28N60",
                               "Please Enter Value Between 0 And 59 in the  Minute of Latitude"},
                    RejectCase{"LeapDayIn1901", "--date", "1901-02-29", "Please Enter Correct Date Or Month!"},
                    RejectCase{"April31", "--date", "1975-04-31", "Please Enter Correct Date Or Month !"},
                    RejectCase{"YearBeforeRange", "--date", "1900-06-15", "1901 to 2050"},
                    RejectCase{"ZoneOutOfList", "--zone", "71", "0 to 70"},
                    RejectCase{"MalformedLongitude", "--lon", "77X12", "77E12"},
                    RejectCase{"MalformedDate", "--date", "15/06/1975", "YYYY-MM-DD"},
                    RejectCase{"HourOutOfRange", "--time", "24:00", "HH:MM"},
                    RejectCase{"SecondsDropped", "--time", "10:30:59", "has seconds"}),
    [](const testing::TestParamInfo<RejectCase>& info) { return std::string(info.param.label); });

// Two people's shared decanates: ASHA RAO's Saturn (18 Can 43) and JOHN SMITH's Sun, on 4 July 1985 at about 12° 40'
// Cancer as the almanacs give it, share Cancer's second decanate; asked the other way round, the same pairs come
// back with their sides swapped.
TEST(ChartTool, ComparisonIsTheSameWhicheverPersonComesFirst)
{
    const std::string asha = "name,date,time,zone,lon,lat,dst\nASHA RAO,1975-06-15,10:30,34,77E12,28N36,0\n";
    const std::string john = "name,date,time,zone,lon,lat,dst\nJOHN SMITH,1985-07-04,18:45,27,073W58,40N45,1\n";
    const std::string ashaFile = testing::TempDir() + "asha.csv";
    const std::string johnFile = testing::TempDir() + "john.csv";
    for (const auto& [path, text] : {std::pair{ashaFile, asha}, std::pair{johnFile, john}})
        std::ofstream(path) << text;
    auto ashaFirst = kDelhi;
    ashaFirst.insert(ashaFirst.end(), {"--compare", johnFile, "--json"});
    const std::vector<std::string> johnFirst{"--name", "john smith", "--date", "1985-07-04", "--time", "18:45",
                                             "--zone", "27",         "--dst",  "--lon",      "073W58", "--lat",
                                             "40N45",  "--compare",  ashaFile, "--json"};
    const auto one = nlohmann::ordered_json::parse(RunTool(ashaFirst).out)["contacts"];
    const auto other = nlohmann::ordered_json::parse(RunTool(johnFirst).out)["contacts"];
    ASSERT_EQ(one.size(), other.size());
    ASSERT_FALSE(one.empty());
    EXPECT_EQ(one[0]["first"], "Saturn");
    EXPECT_EQ(one[0]["second"], "Sun");
    EXPECT_EQ(one[0]["decanate"]["sign"], "Cancer");
    for (std::size_t i = 0; i < one.size(); ++i) {
        EXPECT_EQ(one[i]["first"], other[i]["second"]) << i;
        EXPECT_EQ(one[i]["second"], other[i]["first"]) << i;
        EXPECT_EQ(one[i]["decanate"], other[i]["decanate"]) << i;
    }
    for (const std::vector<std::string>& wrong :
         std::vector<std::vector<std::string>>{{"--compare", johnFile, "--compare-line", "1"},
                                               {"--compare", johnFile, "--compare-line", "3"},
                                               {"--compare", "/nonexistent/people.csv"}}) {
        auto args = kDelhi;
        args.insert(args.end(), wrong.begin(), wrong.end());
        EXPECT_EQ(RunTool(args).code, 1) << wrong.back();
    }
    auto withHtml = kDelhi;
    withHtml.insert(withHtml.end(), {"--compare", johnFile, "--html"});
    EXPECT_EQ(RunTool(withHtml).code, 2);
    // As a picture: the other person round the wheel.
    auto wheel = kDelhi;
    wheel.insert(wheel.end(), {"--compare", johnFile, "--svg"});
    const ToolRun drawn = RunTool(wheel);
    EXPECT_EQ(drawn.code, 0);
    EXPECT_NE(drawn.out.find("The chart of JOHN SMITH: Sun 12 Can"), std::string::npos);
}

TEST(ChartTool, TakesTheFirstAndLastDayOfTheYears)
{
    for (const char* date : {"1901-01-01", "2050-12-31"})
        EXPECT_EQ(RunTool(With(kDelhi, "--date", date)).code, 0) << date;
}

TEST(ChartTool, UsageErrorsExitTwo)
{
    EXPECT_EQ(RunTool({}).code, 2);
    EXPECT_EQ(RunTool({"--bogus"}).code, 2);
    EXPECT_EQ(RunTool({"--name", "A", "--date", "1975-06-15"}).code, 2); // the rest of the birth is missing
    EXPECT_EQ(RunTool({"--batch", "-", "--zones"}).code, 2);
    EXPECT_EQ(RunTool({"--batch", "/nonexistent/births.csv"}).code, 2);
    EXPECT_EQ(RunTool({"--batch", "/"}).code, 2); // a folder opens like a file but cannot be read
    EXPECT_EQ(RunTool({"--batch", "-"}, "").code, 2); // no header
    EXPECT_EQ(RunTool({"--batch", "-"}, "name,date,time\n").code, 2); // missing columns
    EXPECT_EQ(RunTool({"--help"}).code, 0);
    EXPECT_EQ(RunTool({"--version"}).code, 0);
}

// The calendar's days are the chosen clock's: the Sun reaches 280° at 2023-12-31 23:04:54 UT (the ephemeris
// library: python3 tests/decanates/library_crossings.py 0 2023 12 31 2024 1 3), inside 2024 on a clock one hour
// ahead of UT but not in UT, where the year holds the other 36 edges.
TEST(ChartTool, IngressesListTheChangesOfTheDaysInTheChosenClock)
{
    const std::vector<std::string> year{"--ingresses", "--from",   "2024-01-01", "--to",
                                        "2024-12-31",  "--bodies", "SUN",        "--json"};
    const ToolRun ut = RunTool(year);
    ASSERT_EQ(ut.code, 0) << ut.err;
    EXPECT_EQ(std::count(ut.out.begin(), ut.out.end(), '\n'), 36);
    std::vector<std::string> ahead = year;
    ahead.insert(ahead.end(), {"--zone", "+01:00"});
    const ToolRun clock = RunTool(ahead);
    ASSERT_EQ(clock.code, 0) << clock.err;
    EXPECT_EQ(std::count(clock.out.begin(), clock.out.end(), '\n'), 37);
    const auto first = nlohmann::json::parse(clock.out.substr(0, clock.out.find('\n')));
    EXPECT_EQ(first["clockTime"], "2024-01-01T00:04:54+01:00");
    EXPECT_EQ(first["entered"]["sign"], "Capricorn");
    EXPECT_EQ(first["entered"]["decanate"], 2);
}

// Options the calendar cannot take: each refused with a message and exit code 2, nothing on the output.
TEST(ChartTool, IngressesRefuseWhatTheyCannotList)
{
    const std::vector<std::string> range{"--ingresses", "--from", "2024-01-01", "--to", "2024-02-01"};
    const auto with = [&range](std::vector<std::string> more) {
        std::vector<std::string> args = range;
        args.insert(args.end(), more.begin(), more.end());
        return args;
    };
    const struct {
        std::vector<std::string> args;
        const char* said;
    } rows[] = {
        {{"--ingresses", "--from", "2024-01-01"}, "--to is required"},
        {{"--ingresses", "--from", "2024-02-30", "--to", "2024-03-01"}, "is not a date"},
        {{"--ingresses", "--from", "1900-12-31", "--to", "1901-03-01"}, "from 1901-01-01 to 2050-12-31"},
        {{"--ingresses", "--from", "2024-03-01", "--to", "2024-02-01"}, "comes before --from"},
        {with({"--bodies", "sun,ceres"}), "\"ceres\" is not a body"},
        {with({"--bodies", "ascendant"}), "is not a body"},
        {with({"--date", "2024-01-01"}), "leave out --date"},
        {with({"--batch", "-"}), "leave out --batch"},
        {with({"--zones"}), "leave out --zones"},
        {with({"--zone", "auto"}), "--zone auto takes the clock of a place"},
        {with({"--zone", "71"}), "is not a zone"},
        {with({"--ics", "--csv"}), "at most 1"},
        {{"--ics"}, "requires --ingresses"},
    };
    for (const auto& row : rows) {
        const ToolRun run = RunTool(row.args);
        EXPECT_EQ(run.code, 2) << row.said;
        EXPECT_TRUE(run.out.empty()) << row.said;
        EXPECT_NE(run.err.find(row.said), std::string::npos) << run.err;
    }
}

TEST(ChartTool, ErrorLinesStayJsonWhenARowIsNotUtf8)
{
    // The message quotes the malformed date, bytes and all; the line must still parse.
    const ToolRun run = RunTool({"--batch", "-", "--json"},
                                "name,date,time,zone,lon,lat,dst\nA,19\xff\xfe-01-01,12:00,29,0W0,51N30,0\n");
    EXPECT_EQ(run.code, 1);
    const auto row = nlohmann::ordered_json::parse(run.out);
    EXPECT_EQ(row["line"], 2);
    EXPECT_NE(row["error"].get<std::string>().find("YYYY-MM-DD"), std::string::npos);
}

TEST(ChartTool, DecanatesPrintsTheWholeTable)
{
    const ToolRun run = RunTool({"--decanates"});
    ASSERT_EQ(run.code, 0);
    const auto table = nlohmann::ordered_json::parse(run.out);
    ASSERT_EQ(table["signs"].size(), 12u);
    EXPECT_EQ(table["signs"][0]["signKey"], "Ari");
    EXPECT_EQ(table["signs"][11]["signKey"], "Pis");
    for (const auto& sign : table["signs"]) {
        ASSERT_EQ(sign["rows"].size(), 3u);
        for (const auto& row : sign["rows"])
            EXPECT_EQ(row.size(), 9u);
    }
    const auto& piscesThird = table["signs"][11]["rows"][2];
    EXPECT_EQ(piscesThird.begin().key(), "decanateSign");
    EXPECT_EQ(piscesThird["decanateSign"], "Scorpio");
    EXPECT_EQ(piscesThird["constellationName"], "Corona Australis");
    EXPECT_EQ(piscesThird["treeZodiac"], "Chestnut-tree");
}

TEST(ChartTool, ZonesListPositionTextAndCorrection)
{
    const ToolRun run = RunTool({"--zones"});
    ASSERT_EQ(run.code, 0);
    EXPECT_NE(run.out.find("34\tIndian Time, IST, +5.3\t-5\t-30\n"), std::string::npos);
    EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 72); // a header line and the 71 zones
    EXPECT_EQ(run.out.rfind("position\tzone (as listed)\thours to UT\tminutes to UT\n", 0), 0u);
}

// The offsets of Indian Standard Time (UTC+5:30), Greenwich (UTC) and Newfoundland Standard Time
// (UTC-3:30) as published in the tz database (zone.tab: Asia/Kolkata, Europe/London, America/St_Johns).
TEST(ChartTool, ZonesAsJsonCarryTheOffsetEastPositive)
{
    const ToolRun run = RunTool({"--zones", "--json"});
    ASSERT_EQ(run.code, 0) << run.err;
    const auto zones = nlohmann::ordered_json::parse(run.out);
    ASSERT_EQ(zones.size(), 71u);
    EXPECT_EQ(zones[34],
              (nlohmann::ordered_json{{"position", 34}, {"zone", "Indian Time, IST, +5.3"}, {"utcOffset", "+05:30"}}));
    EXPECT_EQ(zones[29]["utcOffset"], "+00:00");
    EXPECT_EQ(zones[50]["utcOffset"], "-03:30");
}

TEST(ChartTool, HelpIsGroupedByTaskWithValueNamesExamplesAndExitCodes)
{
    const ToolRun run = RunTool({"--help"});
    ASSERT_EQ(run.code, 0);
    const std::string& help = run.out;
    const auto at = [&help](const char* text) {
        return help.find(text);
    };
    for (const char* text : {"--date YYYY-MM-DD", "--time HH:MM", "--zone N", "--lon 77E12", "--lat 28N36",
                             "--batch FILE", "Examples:", "Exit codes: 0"})
        EXPECT_NE(at(text), std::string::npos) << text;
    EXPECT_LT(at("One chart"), at("--name"));
    EXPECT_LT(at("--dst"), at("A batch"));
    EXPECT_LT(at("A batch"), at("--batch FILE"));
    EXPECT_LT(at("The tables"), at("\n  --zones"));
    EXPECT_EQ(at("Excludes"), std::string::npos);
    EXPECT_EQ(at("TEXT"), std::string::npos) << "every value is named for what to type";
}

TEST(ChartTool, BatchGoesOnPastBadRows)
{
    const std::string csv = "name,date,time,zone,lon,lat,dst\r\n"
                            "ASHA RAO,1975-06-15,10:30,34,77E12,28N36,0\r\n"
                            "\r\n"
                            "\"O'NEIL, J\",1975-06-15,10:30,34,77E12,28N36,no\r\n"
                            "\"JOHN \"\"JACK\"\" SMITH\",1985-07-04,18:45,27,73W58,40N45,yes\r\n"
                            "SHORT,1975-06-15\r\n"
                            "BAD DST,1975-06-15,10:30,34,77E12,28N36,maybe\r\n"
                            "\"MULTI\nLINE\",2000-01-01,12:00,29,0W0,51N30,false\n"
                            "STRAY\"QUOTE,2000-01-01,12:00,29,0W0,51N30,1\n"
                            "LAST ROW,2000-01-01,12:00:00,29,000W00,51N30,False";
    const ToolRun run = RunTool({"--batch", "-", "--json"}, csv);
    EXPECT_EQ(run.code, 1);
    std::vector<nlohmann::json> rows;
    std::istringstream lines(run.out);
    for (std::string line; std::getline(lines, line);)
        rows.push_back(nlohmann::json::parse(line));
    ASSERT_EQ(rows.size(), 8u);
    EXPECT_EQ(rows[0]["line"], 2);
    EXPECT_EQ(rows[0]["positions"]["Sun"], "23 Gem 29");
    EXPECT_EQ(rows[1]["line"], 4);
    EXPECT_EQ(rows[1]["error"], "Please Enter only Letters"); // the comma and apostrophe
    EXPECT_EQ(rows[2]["line"], 5);
    EXPECT_EQ(rows[2]["error"], "Please Enter only Letters");
    EXPECT_EQ(rows[3]["line"], 6);
    EXPECT_TRUE(rows[3].contains("error"));
    EXPECT_EQ(rows[4]["line"], 7);
    EXPECT_TRUE(rows[4].contains("error"));
    EXPECT_EQ(rows[5]["line"], 8);
    EXPECT_EQ(rows[5]["error"], "Please Enter only Letters"); // the line break inside the name
    EXPECT_EQ(rows[6]["line"], 10);
    EXPECT_TRUE(rows[6].contains("error"));
    EXPECT_EQ(rows[7]["line"], 11);
    EXPECT_EQ(rows[7]["positions"]["Sun"], "10 Cap 22");
}

TEST(ChartTool, BatchHeaderMayStartWithAByteOrderMark)
{
    const ToolRun run = RunTool({"--batch", "-", "--json"},
                                "\xEF\xBB\xBFname,date,time,zone,lon,lat,dst\n"
                                "ASHA RAO,1975-06-15,10:30,34,77E12,28N36,0\n");
    EXPECT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(nlohmann::json::parse(run.out)["positions"]["Sun"], "23 Gem 29");
}

// Reads CSV output back with the tool's own reader: every record as a column-name map.
std::vector<std::map<std::string, std::string>> ReadCsv(const std::string& text, std::size_t& columns)
{
    std::istringstream in(text);
    CsvReader reader(in);
    std::vector<std::string> header;
    std::vector<std::string> fields;
    std::vector<std::map<std::string, std::string>> rows;
    if (!reader.Next(header))
        return rows;
    columns = header.size();
    while (reader.Next(fields)) {
        EXPECT_EQ(fields.size(), header.size()) << "line " << reader.RecordLine();
        EXPECT_FALSE(reader.Malformed());
        std::map<std::string, std::string> row;
        for (std::size_t c = 0; c < fields.size() && c < header.size(); ++c)
            row[header[c]] = fields[c];
        rows.push_back(std::move(row));
    }
    return rows;
}

// The Delhi birth's Sun at 23 Gem 29 is in Gemini's third decanate: the Sun's face in the Chaldean order, Sagittarius
// in the cyclic Parivritti count (Gemini's decanates are the 7th to 9th from Aries); its Moon at 4 Vir 39 lies in
// Uttara Phalguni (146°40′ to 160°), the Sun's mansion, in its third pada (153°20′ to 156°40′).
TEST(ChartTool, SchemeAndMansionsAreAskedForAndTheDefaultStaysAsItWas)
{
    const auto run = [](std::vector<std::string> more, const std::string& input = "") {
        auto args = input.empty() ? kDelhi : std::vector<std::string>{"--batch", "-"};
        args.insert(args.end(), more.begin(), more.end());
        return RunTool(args, input);
    };
    for (const std::string format : {"--json", "--csv", "--brief"}) {
        std::vector<std::string> plain{format};
        if (format == "--brief")
            plain = {"--json", "--brief"};
        auto named = plain;
        named.insert(named.end(), {"--scheme", "Triplicity"});
        EXPECT_EQ(run(named).out, run(plain).out) << format;
    }

    const auto chaldean = nlohmann::ordered_json::parse(run({"--json", "--scheme", "chaldean", "--nakshatras"}).out);
    EXPECT_EQ(chaldean["scheme"], "chaldean");
    EXPECT_TRUE(chaldean["decanates"][0]["decanateSign"].is_null());
    EXPECT_EQ(chaldean["decanates"][0]["rulingPlanet"], "The Sun");
    EXPECT_EQ(chaldean["mansions"]["Moon"],
              (nlohmann::ordered_json{{"nakshatra", "Uttara Phalguni"}, {"lord", "Sun"}, {"pada", 3}}));

    const std::string births = "name,date,time,zone,lon,lat,dst\nA,1975-06-15,10:30,34,77E12,28N36,0\n"
                               "B,1975-02-30,10:30,34,77E12,28N36,0\n";
    std::size_t columns = 0;
    auto rows = ReadCsv(run({"--csv", "--scheme", "parivritti", "--nakshatras"}, births).out, columns); // the rejected
    ASSERT_EQ(rows.size(), 2U); // row keeps every column too
    EXPECT_EQ(rows[0]["scheme"], "parivritti");
    EXPECT_EQ(rows[0]["SunDecanateSign"], "Sagittarius");
    EXPECT_EQ(rows[0]["MoonNakshatra"], "Uttara Phalguni");
    EXPECT_EQ(rows[0]["MoonPada"], "3");
    EXPECT_EQ(rows[1]["scheme"], "");

    EXPECT_EQ(RunTool({"--schemes"}).out.substr(0, 11), "triplicity\t");
    for (const std::vector<std::string>& wrong : std::vector<std::vector<std::string>>{
             {"--scheme", "decans"}, {"--scheme", "chaldean", "--svg", "--drekkana", "south"}}) {
        EXPECT_EQ(run(wrong).code, 2) << wrong[1];
    }
    EXPECT_EQ(RunTool({"--schemes", "--json"}).code, 2);
}

TEST(ChartTool, CsvHasOneRowPerBirthAndReadsBack)
{
    const std::string csv = "dst,name,date,time,zone,lon,lat\n"
                            "0,ASHA RAO,1975-06-15,10:30,34,77E12,28N36\n"
                            "0,,1975-06-15,10:30,34,77E12,28N36\n"
                            "1,\"=HYPERLINK(1,2)\",1975-06-15,10:30,34,77E12,28N36\n";
    const ToolRun run = RunTool({"--batch", "-", "--csv"}, csv);
    EXPECT_EQ(run.code, 1);
    std::size_t columns = 0;
    const auto rows = ReadCsv(run.out, columns);
    // line, 11 birth columns, instant and offset, 14 positions, 14 longitudes, 4 for each of 10 bodies, error.
    EXPECT_EQ(columns, 1u + 11 + 2 + 14 + 14 + 40 + 1);
    ASSERT_EQ(rows.size(), 3u);
    const auto& chart = rows[0];
    EXPECT_EQ(chart.at("line"), "2");
    EXPECT_EQ(chart.at("name"), "ASHA RAO");
    EXPECT_EQ(chart.at("instantUT"), "1975-06-15T05:00Z"); // the README's worked example
    EXPECT_EQ(chart.at("utcOffset"), "+05:30");
    EXPECT_EQ(chart.at("Sun"), "23 Gem 29");
    EXPECT_EQ(chart.at("Ketu"), "28 Tau 55");
    EXPECT_NEAR(std::stod(chart.at("MercuryLongitude")), 76.885388, 1e-6);
    EXPECT_EQ(chart.at("SunDecanateSign"), "Aquarius"); // Gemini's third decanate
    EXPECT_EQ(chart.at("SunDecanate"), "3"); // 23° of the sign
    EXPECT_EQ(chart.at("MoonDecanate"), "1"); // 4° of the sign
    EXPECT_EQ(chart.at("SunChangesBefore"), "");
    EXPECT_EQ(chart.at("error"), "");
    EXPECT_EQ(rows[1].at("line"), "3");
    EXPECT_EQ(rows[1].at("error"), "Please Enter Name");
    EXPECT_EQ(rows[1].at("Sun"), "");
    // A rejected name a spreadsheet would run as a formula stays text.
    EXPECT_EQ(rows[2].at("name"), "'=HYPERLINK(1,2)");
    EXPECT_EQ(rows[2].at("error"), "Please Enter only Letters");

    // The output is itself a batch: the chart comes out the same, the rejected rows again rejected.
    const ToolRun again = RunTool({"--batch", "-", "--json"}, run.out);
    EXPECT_EQ(again.code, 1);
    EXPECT_EQ(nlohmann::json::parse(again.out.substr(0, again.out.find('\n')))["positions"]["Sun"], "23 Gem 29");
}

TEST(ChartTool, BriefJsonLacksOnlyTheTexts)
{
    const std::string csv = "name,date,time,zone,lon,lat,dst\nASHA RAO,1975-06-15,19:26,34,77E12,28N36,0\n";
    const ToolRun full = RunTool({"--batch", "-", "--json"}, csv);
    const ToolRun brief = RunTool({"--batch", "-", "--json", "--brief"}, csv);
    ASSERT_EQ(brief.code, 0) << brief.err;
    auto expected = nlohmann::ordered_json::parse(full.out);
    for (auto& body : expected["decanates"])
        for (const char* text : {"karmicInfluence", "moreAboutTreeZodiac", "moreAboutDecanateSign"}) {
            ASSERT_TRUE(body.contains(text));
            body.erase(text);
        }
    EXPECT_EQ(nlohmann::ordered_json::parse(brief.out), expected);
    auto briefAlone = kDelhi;
    briefAlone.push_back("--brief");
    EXPECT_EQ(RunTool(briefAlone).code, 2); // --brief is a kind of JSON
}

} // namespace
} // namespace tessaline::cli
