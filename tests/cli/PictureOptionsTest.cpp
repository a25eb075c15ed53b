// SPDX-License-Identifier: GPL-3.0-or-later
// The chart tool's pictures: which options go together, and a batch's pictures as files.
#include "ToolRun.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <set>
#include <string>
#include <vector>

namespace tessaline::cli {
namespace {

namespace fs = std::filesystem;

const std::vector<std::string> kDelhi{"--name", "ASHA RAO", "--date", "1975-06-15", "--time", "10:30",
                                      "--zone", "34",       "--lon",  "77E12",      "--lat",  "28N36"};

// Lines 2 and 5 chart; line 3 is refused, line 4 is blank.
const std::string kBatch = "name,date,time,zone,lon,lat,dst\n"
                           "ASHA RAO,1975-06-15,10:30,34,77E12,28N36,0\n"
                           "BAD MONTH,1975-13-15,10:30,34,77E12,28N36,0\n"
                           "\n"
                           "J TWO THOUSAND,2000-01-01,12:00,29,0W0,51N30,0\n";

// An empty folder of the test's own, under the test run's temporary folder.
std::string NewFolder(const char* name)
{
    const fs::path folder = fs::path(testing::TempDir()) / name;
    fs::remove_all(folder);
    fs::create_directories(folder);
    return folder.string();
}

std::set<std::string> NamesIn(const std::string& folder)
{
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.insert(entry.path().filename().string());
    return names;
}

struct ConflictCase {
    const char* label;
    std::vector<std::string> args; // after the birth of one chart unless they name a batch
};

class PictureConflictTest : public testing::TestWithParam<ConflictCase>
{
};

TEST_P(PictureConflictTest, IsAUsageErrorBeforeAnythingIsDrawn)
{
    std::vector<std::string> args = GetParam().args;
    if (std::find(args.begin(), args.end(), "--batch") == args.end())
        args.insert(args.begin(), kDelhi.begin(), kDelhi.end());
    const ToolRun run = RunTool(args, kBatch);
    EXPECT_EQ(run.code, 2) << run.err;
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find("Run with --help"), std::string::npos) << run.err;
}

INSTANTIATE_TEST_SUITE_P(Options, PictureConflictTest,
                         testing::Values(ConflictCase{"DrekkanaWithoutAPicture", {"--drekkana", "south"}},
                                         ConflictCase{"DrekkanaOfAnUnknownForm", {"--svg", "--drekkana", "east"}},
                                         ConflictCase{"SvgAndJson", {"--svg", "--json"}},
                                         ConflictCase{"BatchOfPicturesOnStandardOutput", {"--batch", "-", "--svg"}},
                                         ConflictCase{"PictureFolderWithoutABatch", {"--svg-dir", "/tmp"}},
                                         ConflictCase{"SvgOfATable", {"--zones", "--svg"}},
                                         ConflictCase{"PngWithoutAPicture", {"--png"}},
                                         ConflictCase{"SizeWithoutPng", {"--svg", "--size", "300"}},
                                         ConflictCase{"PngOfNoSize", {"--svg", "--png", "--size", "0"}},
                                         ConflictCase{"ExportAndJson", {"--export", "aaf", "--json"}},
                                         ConflictCase{"FormatWithoutABatch", {"--format", "aaf"}}),
                         [](const testing::TestParamInfo<ConflictCase>& info) {
                             return std::string(info.param.label);
                         });

TEST(BatchPictures, OneFilePerChartedRowNamedByItsLine)
{
    const std::string pictures = NewFolder("tessaline-batch-pictures") + "/charts"; // made by the tool
    const ToolRun run = RunTool({"--batch", "-", "--svg", "--drekkana", "North", "--svg-dir", pictures}, kBatch);
    EXPECT_EQ(run.code, 1); // a row was refused
    EXPECT_EQ(run.out, ""); // the pictures are the output
    EXPECT_NE(run.err.find("line 3: "), std::string::npos) << run.err;
    EXPECT_EQ(NamesIn(pictures), (std::set<std::string>{"line-2.svg", "line-5.svg"}));
    std::ifstream file(pictures + "/line-5.svg");
    const std::string svg((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    EXPECT_EQ(svg.rfind("<svg ", 0), 0u);
    EXPECT_NE(svg.find("Drekkana chart (D3) of J TWO THOUSAND, North Indian form"), std::string::npos);

    // Beside another output the pictures are the same, and the rows go to standard output as asked.
    const ToolRun json = RunTool({"--batch", "-", "--json", "--svg-dir", pictures}, kBatch);
    EXPECT_EQ(std::count(json.out.begin(), json.out.end(), '\n'), 3);
    EXPECT_EQ(NamesIn(pictures).size(), 2u);
}

TEST(BatchPictures, AFileThatCannotBeWrittenStopsTheBatchWithExitThree)
{
    const std::string folder = NewFolder("tessaline-unwritable-picture");
    fs::create_directory(folder + "/line-2.svg"); // no file can take this name
    const ToolRun run = RunTool({"--batch", "-", "--svg", "--svg-dir", folder}, kBatch);
    EXPECT_EQ(run.code, 3);
    EXPECT_EQ(run.err, "tessaline-chart: cannot write " + folder + "/line-2.svg: Is a directory\n");
    EXPECT_EQ(NamesIn(folder), std::set<std::string>{"line-2.svg"}); // no row after it, no temporary file left
    // A row's outputs go together or not at all: its line is not written without its picture.
    const ToolRun json = RunTool({"--batch", "-", "--json", "--svg-dir", folder}, kBatch);
    EXPECT_EQ(json.code, 3);
    EXPECT_EQ(json.out, "");

    const ToolRun notAFolder = RunTool({"--batch", "-", "--svg", "--svg-dir", "/dev/null"}, kBatch);
    EXPECT_EQ(notAFolder.code, 3);
    EXPECT_EQ(notAFolder.err, "tessaline-chart: cannot write to the folder /dev/null: Not a directory\n");

    const std::string dangling = folder + "/dangling";
    fs::create_symlink(folder + "/nowhere", dangling);
    const ToolRun link = RunTool({"--batch", "-", "--svg", "--svg-dir", dangling}, kBatch);
    EXPECT_EQ(link.code, 3);
    EXPECT_EQ(link.err,
              "tessaline-chart: cannot write to the folder " + dangling
                  + ": it is a symbolic link to something that does not exist; name a folder, or remove the link\n");
}

} // namespace
} // namespace tessaline::cli
