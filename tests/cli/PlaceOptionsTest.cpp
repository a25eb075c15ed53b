// SPDX-License-Identifier: GPL-3.0-or-later
#include "ToolRun.h"

#include "cli/ChartTool.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

namespace tessaline::cli {
namespace {

nlohmann::json Chart(const std::vector<std::string>& place, const std::string& date, const std::string& time,
                     std::vector<std::string> more = {})
{
    std::vector<std::string> args{"--name", "ada", "--date", date, "--time", time, "--json"};
    args.insert(args.end(), place.begin(), place.end());
    args.insert(args.end(), more.begin(), more.end());
    const ToolRun run = RunTool(args);
    EXPECT_EQ(run.code, 0) << run.err;
    return run.code == 0 ? nlohmann::json::parse(run.out) : nlohmann::json::object();
}

// Universal times from the places' published clock history (see tests/atlas/ClockTest.cpp for the sources):
// London 1944 ran on double summer time (+2), Springfield, Illinois on CDT (-5) in July 1990, Kathmandu on
// +5:45. Guadalajara in 1910 kept its own mean time: its longitude in the atlas, 103.392° W, times 4 minutes
// is 6 h 53 min 34 s, used as 6:54. Berlin: the EU change nights of 2021.
TEST(ChartToolPlace, TakesTheClockFromThePlacesHistory)
{
    const struct {
        std::vector<std::string> place;
        const char* date;
        const char* time;
        std::vector<std::string> more;
        const char* instant;
        const char* kind;
        const char* abbreviation;
    } cases[] = {
        {{"--place", "London"}, "1944-06-06", "12:00", {}, "1944-06-06T10:00Z", "unique", "BDST"},
        {{"--place-id", "4250542"}, "1990-07-01", "12:00", {}, "1990-07-01T17:00Z", "unique", "CDT"},
        {{"--place", "springfield illinois"},
         "1990-07-01",
         "12:00",
         {"--zone", "auto"},
         "1990-07-01T17:00Z",
         "unique",
         "CDT"},
        {{"--place", "Kathmandu"}, "2000-01-01", "12:00", {}, "2000-01-01T06:15Z", "unique", "+0545"},
        {{"--place", "Guadalajara, Jalisco"}, "1910-05-01", "12:00", {}, "1910-05-01T18:54Z", "unique", "LMT"},
        {{"--place", "Berlin"}, "2021-03-28", "02:30", {}, "2021-03-28T01:30Z", "gap", "CET"},
        {{"--place", "Berlin"}, "2021-10-31", "02:30", {}, "2021-10-31T00:30Z", "overlap", "CEST"},
        {{"--place", "Berlin"}, "2021-10-31", "02:30", {"--dst=no"}, "2021-10-31T01:30Z", "overlap", "CET"},
        {{"--place", "Berlin"}, "2021-07-01", "12:00", {"--dst=no"}, "2021-07-01T10:00Z", "unique", "CEST"},
    };
    for (const auto& c : cases) {
        const auto chart = Chart(c.place, c.date, c.time, c.more);
        SCOPED_TRACE(c.place[1] + " " + c.date);
        EXPECT_EQ(chart.value("instantUT", ""), c.instant);
        ASSERT_TRUE(chart.contains("clock"));
        EXPECT_EQ(chart["clock"]["kind"], c.kind);
        EXPECT_EQ(chart["clock"]["abbreviation"], c.abbreviation);
        EXPECT_EQ(chart["clock"]["source"], "atlas");
    }
}

TEST(ChartToolPlace, NamesThePlaceAndKeepsAZoneGivenByHand)
{
    const auto chart = Chart({"--place-id", "4250542"}, "1990-07-01", "12:00", {"--zone", "21"});
    EXPECT_EQ(chart["place"],
              (nlohmann::json{{"id", 4250542},
                              {"name", "Springfield"},
                              {"region", "Illinois"},
                              {"country", "United States"},
                              {"lat", 39.802},
                              {"lon", -89.644},
                              {"timeZone", "America/Chicago"}}));
    EXPECT_EQ(chart["instantUT"], "1990-07-01T18:00Z"); // row 21, CST, without the tick: the hand wins
    EXPECT_EQ(chart["clock"]["source"], "row");

    // An exact offset works without a place too: Kathmandu's +5:45 at 85°19' E.
    const auto exact = Chart({"--lon", "85E19", "--lat", "27N42"}, "2000-01-01", "12:00", {"--zone", "+05:45"});
    EXPECT_EQ(exact["instantUT"], "2000-01-01T06:15Z");
    EXPECT_FALSE(exact.contains("clock"));
    for (const char* wrong : {"+15:00", "+5:60", "+0545", "5:45", "+:45", "-05:45:00"}) {
        const ToolRun run = RunTool({"--name", "ada", "--date", "2000-01-01", "--time", "12:00", "--zone", wrong,
                                     "--lon", "85E19", "--lat", "27N42"});
        EXPECT_EQ(run.code, 1) << wrong;
        EXPECT_NE(run.err.find("is not a zone"), std::string::npos) << run.err;
    }

    // The readable chart names the place and the clock in its instant line.
    const ToolRun text = RunTool({"--name", "ada", "--date", "1944-06-06", "--time", "12:00", "--place", "London"});
    for (const char* part : {"(London, England, United", "summer time (BDST)", "Double Summer"})
        EXPECT_NE(text.out.find(part), std::string::npos) << text.out;
}

TEST(ChartToolPlace, RefusesAnAmbiguousOrUnknownPlaceWithExitOne)
{
    const std::vector<std::string> birth{"--name", "ada", "--date", "1990-07-01", "--time", "12:00"};
    const struct {
        std::vector<std::string> place;
        const char* says;
    } cases[] = {
        {{"--place", "Springfield"}, "is ambiguous"},
        {{"--place", "Qqqzzx Nowhere"}, "No place in the atlas matches"},
        {{"--place-id", "12"}, "No place in the atlas has the id"},
        {{"--place-id", "4250542x"}, "No place in the atlas has the id"},
    };
    for (const auto& c : cases) {
        auto args = birth;
        args.insert(args.end(), c.place.begin(), c.place.end());
        const ToolRun run = RunTool(args);
        EXPECT_EQ(run.code, 1) << c.place[1];
        EXPECT_TRUE(run.out.empty());
        EXPECT_NE(run.err.find(c.says), std::string::npos) << run.err;
    }
    const ToolRun ambiguous
        = RunTool({"--name", "ada", "--date", "1990-07-01", "--time", "12:00", "--place", "Springfield"});
    EXPECT_NE(ambiguous.err.find("4250542 Springfield, Illinois, United States"), std::string::npos);
    EXPECT_EQ(RunTool({"--place", "Paris", "--lon", "2E21"}).code, 2); // a place and coordinates: which?
}

TEST(ChartToolPlace, ListsCandidates)
{
    const ToolRun text = RunTool({"--places", "calcutta"});
    ASSERT_EQ(text.code, 0);
    EXPECT_EQ(text.out.substr(0, text.out.find('\n')),
              "1275004\tKolkata, West Bengal, India (Calcutta)\t22.56°N 88.36°E · 4,631,392 people · Asia/Kolkata");
    const ToolRun json = RunTool({"--places", "calcutta", "--json"});
    const auto list = nlohmann::json::parse(json.out);
    ASSERT_GE(list.size(), 2U);
    EXPECT_EQ(list[0]["matchedName"], "Calcutta");
    EXPECT_EQ(list[1]["region"], "Ohio");
}

TEST(ChartToolPlace, BatchRowsMayNameTheirPlace)
{
    const std::string batch = "name,date,time,place,placeId,dst\n"
                              "ada,1944-06-06,12:00,London,,\n"
                              "bob,1990-07-01,12:00,,4250542,\n"
                              "cy,2021-10-31,02:30,Berlin,,0\n"
                              "dee,1990-07-01,12:00,Springfield,,\n"
                              "eve,1990-07-01,12:00,,,\n";
    const ToolRun run = RunTool({"--batch", "-", "--json"}, batch);
    EXPECT_EQ(run.code, 1);
    std::vector<nlohmann::json> lines;
    std::istringstream out(run.out);
    for (std::string line; std::getline(out, line);)
        lines.push_back(nlohmann::json::parse(line));
    ASSERT_EQ(lines.size(), 5U);
    EXPECT_EQ(lines[0]["instantUT"], "1944-06-06T10:00Z");
    EXPECT_EQ(lines[1]["instantUT"], "1990-07-01T17:00Z");
    EXPECT_EQ(lines[1]["place"]["id"], 4250542);
    EXPECT_EQ(lines[2]["instantUT"], "2021-10-31T01:30Z"); // dst 0 chose the later reading
    EXPECT_NE(lines[3].value("error", "").find("is ambiguous"), std::string::npos);
    EXPECT_NE(lines[4].value("error", "").find("names no place"), std::string::npos);
}

// What a user who gets it wrong is told, and with which exit code: 1 a birth or a question the tool cannot
// answer, 2 a usage error.
TEST(ChartToolPlace, SaysWhatAQuestionOrAnOptionNeeds)
{
    const std::vector<std::string> birth{"--name", "ada", "--date", "1990-07-01", "--time", "12:00"};
    const struct {
        std::vector<std::string> args;
        bool withBirth;
        int code;
        const char* says;
    } cases[] = {
        {{"--places", "springfeld"},
         false,
         1,
         "No place in the atlas matches \"springfeld\"; did you mean Springfield? List the places of a name with "
         "--places NAME, or give --lon, --lat and --zone instead of a place"},
        {{"--places", "a b c d e f g h i j k l m"}, false, 1, "\"a b c d e f g h i j k l m\" has more than 12 words"},
        {{"--zone", "auto", "--lon", "2E20", "--lat", "48N51"}, true, 1, "give --place or --place-id"},
        {{"--place", ""}, true, 2, "--place needs a place"},
        {{"--place-id", " "}, true, 2, "--place-id needs a place"},
        {{"", "--csv"}, false, 2, "An empty argument stands where no option takes it"}, // would hang CLI11 2.1
        {{"--csv", ""}, false, 2, "An empty argument stands where no option takes it"},
        {{"--", "--zone", ""}, false, 2, "An empty argument stands where no option takes it"},
    };
    for (const auto& c : cases) {
        auto args = c.withBirth ? birth : std::vector<std::string>{};
        args.insert(args.end(), c.args.begin(), c.args.end());
        const ToolRun run = RunTool(args);
        EXPECT_EQ(run.code, c.code) << c.args[0];
        EXPECT_TRUE(run.out.empty()) << run.out;
        EXPECT_NE(run.err.find(c.says), std::string::npos) << run.err;
    }
}

// Paris on 1 July 2021 ran on CEST (+2). Row 5 is Australian Central Daylight Time, +10:30 (--zones), a
// summer row; with the tick +11:30, eleven hours from Paris's longitude, 2.35° E: both warnings, and the
// clock in the JSON is the one the chart used.
TEST(ChartToolPlace, WarnsAboutAZoneGivenByHandAndNamesTheClockUsed)
{
    const ToolRun run = RunTool({"--name", "ada", "--date", "2021-07-01", "--time", "12:00", "--place", "Paris",
                                 "--zone", "5", "--dst", "--json"});
    ASSERT_EQ(run.code, 0) << run.err;
    const auto chart = nlohmann::json::parse(run.out);
    EXPECT_EQ(chart["clock"]["offset"], chart["utcOffset"]);
    EXPECT_EQ(chart["clock"]["source"], "row");
    ASSERT_EQ(chart["warnings"].size(), 2U);
    for (const char* says : {"counts summer time twice", "more than three hours from what the longitude"})
        EXPECT_NE(run.err.find(says), std::string::npos) << run.err;
}

// A batch row is refused when what it says disagrees with itself; a placed CSV names the place chosen
// (London: GeoNames 2643743 at 51.50853 N 0.12574 W, as the atlas keeps it to a thousandth of a degree), and
// its cells hold valid UTF-8 and no control character whatever the row held.
TEST(ChartToolPlace, BatchRowsThatContradictThemselvesAreRefusedAndTheCsvNamesThePlace)
{
    const std::string batch = "name,date,time,place,placeId,lon,zone\n"
                              "ada,1990-07-01,12:00,Paris,5128581,,\n"
                              "bob,1990-07-01,12:00,Paris,,2E20,\n"
                              "cy,1990-07-01,12:00,Paris,,,5\n"
                              "dee,1990-07-01,12:00,London,,,auto\n"
                              "e\x1b[2J,1990-07-01,12:00,Par\xffis\xe2\x80\xae,,,\n";
    const ToolRun run = RunTool({"--batch", "-", "--csv"}, batch);
    EXPECT_EQ(run.code, 1);
    std::vector<std::string> lines;
    std::istringstream out(run.out);
    for (std::string line; std::getline(out, line);)
        lines.push_back(line);
    ASSERT_EQ(lines.size(), 6U);
    EXPECT_TRUE(lines[0].ends_with(",error,placeId,placeLabel,latitude,longitude"));
    EXPECT_NE(lines[1].find("and the id 5128581 (New York City, New York, United States) are different"),
              std::string::npos);
    EXPECT_NE(lines[2].find("names a place and gives lon as well"), std::string::npos);
    EXPECT_NE(lines[3].find("names a place and gives zone as well"), std::string::npos);
    EXPECT_TRUE(lines[4].ends_with(",,2643743,\"London, England, United Kingdom\",51.509,-0.126")) << lines[4];
    EXPECT_NE(lines[5].find("e\\x1b[2J,"), std::string::npos) << lines[5];
    EXPECT_NE(lines[5].find("Par\xef\xbf\xbdis\\u202e"), std::string::npos) << lines[5];
    for (const char c : run.out)
        EXPECT_TRUE(static_cast<unsigned char>(c) >= 0x20 || c == '\n');
}

TEST(ChartToolPlace, SaysWhyWhenTheAtlasCannotBeRead)
{
    setenv("TESSALINE_ATLAS", "/nonexistent/atlas.tsv", 1);
    const ToolRun run = RunTool({"--name", "ada", "--date", "1990-07-01", "--time", "12:00", "--place", "Paris"});
    unsetenv("TESSALINE_ATLAS");
    EXPECT_EQ(run.code, 1);
    EXPECT_NE(run.err.find("Cannot read the place atlas \"/nonexistent/atlas.tsv\""), std::string::npos) << run.err;
    // Without a place the atlas is never needed.
    setenv("TESSALINE_ATLAS", "/nonexistent/atlas.tsv", 1);
    const ToolRun plain = RunTool({"--name", "ada", "--date", "1990-07-01", "--time", "12:00", "--zone", "21", "--lon",
                                   "89W39", "--lat", "39N48"});
    unsetenv("TESSALINE_ATLAS");
    EXPECT_EQ(plain.code, 0) << plain.err;
}

} // namespace
} // namespace tessaline::cli
