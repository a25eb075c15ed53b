// SPDX-License-Identifier: GPL-3.0-or-later
// The chart tool's exchange files and PNG pictures: AAF in and out of a batch, a picture as PNG.
#include "ToolRun.h"

#include <QByteArray>
#include <QImage>

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

namespace tessaline::cli {
namespace {

// Every state a row of our batch file can hold: a zone by its list position, an exact offset, the
// daylight-saving flag, south and west, a place by name, by GeoNames id (Kandel, 2893244), and with a zone
// chosen by hand there.
const std::string kEveryState = "name,date,time,zone,lon,lat,dst,place,placeId,handZone\n"
                                "ASHA RAO,1975-06-15,10:30,34,77E12,28N36,0,,,\n"
                                "PAUL MEYER,1983-07-01,14:45,+02:00,11E45,48N24,0,,,\n"
                                "DST ROW,1983-07-01,14:45,29,0W10,51N30,1,,,\n"
                                "ANNA WEST,1950-12-31,23:50,-05:00,073W59,40N45,0,,,\n"
                                "SOUTH,2001-01-01,00:10,-03:00,058W22,34S36,0,,,\n"
                                "PLACED ONE,1970-09-27,11:04,,,,,\"Kandel, Rheinland-Pfalz\",,\n"
                                "BY ID,1988-06-27,02:30,,,,1,,2893244,\n"
                                "HAND ZONE,1990-05-05,08:00,,,,0,\"Kandel, Rheinland-Pfalz\",,+02:00\n";

// Each row's name, instant and fourteen positions: the same chart when these are the same.
std::vector<std::string> Charts(const std::string& jsonLines)
{
    std::vector<std::string> charts;
    std::istringstream lines(jsonLines);
    for (std::string line; std::getline(lines, line);) {
        const auto chart = nlohmann::json::parse(line);
        charts.push_back(chart["name"].dump() + chart["instantUT"].dump() + chart["positions"].dump());
    }
    return charts;
}

TEST(ExchangeFiles, EveryStateOfOurBatchComesBackFromAafAsTheSameChart)
{
    const ToolRun ours = RunTool({"--batch", "-", "--json", "--brief"}, kEveryState);
    ASSERT_EQ(ours.code, 0) << ours.err;
    const ToolRun exported = RunTool({"--batch", "-", "--export", "aaf"}, kEveryState);
    ASSERT_EQ(exported.code, 0) << exported.err;
    EXPECT_NE(exported.err.find("8 rows read, 8 charts exported, 0 rows rejected"), std::string::npos) << exported.err;
    const ToolRun back = RunTool({"--batch", "-", "--format", "aaf", "--json", "--brief"}, exported.out);
    ASSERT_EQ(back.code, 0) << back.err;
    EXPECT_EQ(Charts(back.out), Charts(ours.out));
    // And the file read back writes the same file again.
    EXPECT_EQ(RunTool({"--batch", "-", "--format", "aaf", "--export", "aaf"}, exported.out).out, exported.out);
}

TEST(ExchangeFiles, ARefusedRecordIsSaidWithItsLineAndTheRestAreCharted)
{
    const std::string aaf = "#A93:Ferber,Tobias,m,27.9.1970,11:04,Kandel/Pfalz,D\n#B93:*,49n05,8e11,1he,0\n"
                            "#A93:Cut,Off,m,27.9\n"
                            "#A93:Rao,Asha,f,15.6.1975,11:30,Delhi,IND\n#B93:2442578.708333,28n36,77e12,5he30,0\n";
    const ToolRun run = RunTool({"--batch", "-", "--format", "aaf", "--csv"}, aaf);
    EXPECT_EQ(run.code, 1);
    EXPECT_NE(run.out.find("3,Off Cut,"), std::string::npos) << run.out; // the refused row in its place
    EXPECT_NE(run.out.find("The record gives no Julian day"), std::string::npos);
    EXPECT_NE(run.err.find("line 3: warning: #A93 has 4 fields"), std::string::npos) << run.err;
    EXPECT_NE(
        run.err.find(
            "line 4: warning: the Julian day gives 1975-06-15 05:00 UT, the date, time and zone 1975-06-15 06:00 UT"),
        std::string::npos);
    EXPECT_NE(run.err.find("3 records read, 2 charts written (1 with warnings), 1 record refused"), std::string::npos);
}

TEST(ExchangeFiles, TheOtherFormatsAreRefusedNotGuessed)
{
    const std::string folder = testing::TempDir() + "/tessaline-exchange";
    std::filesystem::create_directories(folder);
    for (const char* name : {"/people.qck", "/people.jhd"}) {
        std::ofstream(folder + name) << "anything\n";
        const ToolRun run = RunTool({"--batch", folder + name});
        EXPECT_EQ(run.code, 2);
        EXPECT_NE(run.err.find("cannot be read yet"), std::string::npos) << run.err;
    }
}

TEST(PngPictures, TheWheelAtTheAskedWidthWithItsDescription)
{
    const ToolRun run = RunTool({"--name", "ASHA RAO", "--date", "1975-06-15", "--time", "10:30", "--zone", "34",
                                 "--lon", "77E12", "--lat", "28N36", "--svg", "--png", "--size", "320"});
    ASSERT_EQ(run.code, 0) << run.err;
    ASSERT_EQ(run.out.rfind("\x89PNG\r\n\x1A\n", 0), 0U);
    const QImage image = QImage::fromData(QByteArray(run.out.data(), static_cast<qsizetype>(run.out.size())), "PNG");
    EXPECT_EQ(image.width(), 320);
    // The positions --json gives ("Sun": "23 Gem 29"), said in the description as the SVG's <desc> says them.
    EXPECT_TRUE(image.text("Description").contains("Gem")) << image.text("Description").toStdString();
    EXPECT_TRUE(image.text("Title").contains("ASHA RAO"));
}

} // namespace
} // namespace tessaline::cli
