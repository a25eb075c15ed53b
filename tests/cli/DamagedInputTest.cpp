// SPDX-License-Identifier: GPL-3.0-or-later
// The chart tool with broken surroundings and hostile input: an output that fails, a damaged batch, bytes
// meant for the terminal.
#include "ToolRun.h"

#include "chart/Csv.h"
#include "cli/ChartTool.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace tessaline::cli {
namespace {

const std::string kHeader = "name,date,time,zone,lon,lat,dst\n";
// New Delhi, 15 June 1975, 10:30 IST: the Sun at 23 Gem 29 (the chart tool's worked example).
const std::string kDelhi = "ASHA RAO,1975-06-15,10:30,34,77E12,28N36,0";

TEST(OutputFailure, BatchStopsReadingWhenTheOutputFails)
{
    std::ofstream full("/dev/full");
    if (!full.is_open())
        GTEST_SKIP() << "/dev/full cannot be opened here";
    std::string csv = kHeader;
    for (int row = 0; row < 10000; ++row)
        csv += kDelhi + '\n';
    std::istringstream in(csv);
    const char* argv[] = {"tessaline-chart", "--batch", "-", "--json"};
    std::ostringstream err;
    EXPECT_EQ(RunChartTool(4, argv, in, full, err), kExitOutputFailed);
    EXPECT_EQ(err.str(), "tessaline-chart: cannot write the output: No space left on device\n");
    EXPECT_LT(static_cast<std::size_t>(in.tellg()), csv.size() / 2) << "it read on after the output failed";
}

// A batch as JSON Lines: the lines charted, and each error line as "line: message".
struct BatchResult {
    std::vector<int> charted;
    std::vector<std::string> errors;
    std::string sun; // the first chart's Sun
};

BatchResult RunBatch(const std::string& csv)
{
    const ToolRun run = RunTool({"--batch", "-", "--json"}, csv);
    BatchResult result;
    std::istringstream lines(run.out);
    for (std::string line; std::getline(lines, line);) {
        const auto row = nlohmann::json::parse(line);
        if (row.contains("error")) {
            result.errors.push_back(std::to_string(row["line"].get<int>()) + ": " + row["error"].get<std::string>());
        } else {
            result.charted.push_back(row["line"].get<int>());
            if (result.sun.empty())
                result.sun = row["positions"]["Sun"];
        }
    }
    return result;
}

// Each ASCII character as one UTF-16 code unit, after the byte-order mark.
std::string Utf16(const std::string& text, bool littleEndian)
{
    std::string out = littleEndian ? "\xFF\xFE" : "\xFE\xFF";
    for (char c : text)
        out += littleEndian ? std::string{c, '\0'} : std::string{'\0', c};
    return out;
}

// Rows charted at once come out as one after the other would write them: in their order, rejected rows in
// their place, the summary the same, in every form. 600 rows: more than the rows in flight of two workers.
TEST(ParallelBatch, WritesWhatOneAfterTheOtherWrites)
{
    std::string csv = "name,date,time,zone,lon,lat,dst,place\n";
    for (int i = 0; i < 600; ++i)
        csv += i % 7 == 3 ? "A,1975-06-31,10:30,34,77E12,28N36,0,\n" // no 31 June: rejected
            : i % 5 == 0  ? "B,1990-06-15,10:" + std::to_string(10 + i % 50) + ",,,,,kathmandu\n"
                          : "C,19" + std::to_string(10 + i % 90) + "-03-0" + std::to_string(1 + i % 9) + ",0"
                + std::to_string(i % 10) + ":15,34,77E12,28N36,0,\n";
    for (const char* form : {"--json", "--csv", "--brief"}) {
        std::vector<std::string> args{"--batch", "-", form};
        if (std::string(form) == "--brief")
            args = {"--batch", "-"}; // the text form: rejections on stderr, in order too
        args.insert(args.end(), {"--jobs", "1"});
        const ToolRun alone = RunTool(args, csv);
        args.back() = "3";
        const ToolRun together = RunTool(args, csv);
        EXPECT_EQ(alone.code, 1) << form;
        EXPECT_EQ(together.code, alone.code) << form;
        EXPECT_EQ(together.out, alone.out) << form;
        EXPECT_EQ(together.err, alone.err) << form;
    }
}

TEST(DamagedBatch, NoRowIsLostWithoutAWord)
{
    std::string thousand;
    std::vector<int> thousandLines;
    for (int row = 0; row < 1000; ++row) {
        thousand += kDelhi + '\n';
        thousandLines.push_back(row + 3);
    }
    const std::string quotedName = "\"RAO ASHA\",1975-06-15,10:30,34,77E12,28N36,0\n";
    const std::string semicolons = "name;date;time;zone;lon;lat;dst\nASHA RAO;1975-06-15;10:30;34;77E12;28N36;0\n";

    struct Case {
        const char* label;
        std::string csv;
        std::vector<int> charted;
        std::vector<std::string> errors;
    };
    const Case cases[] = {
        {"StrayQuoteBeforeAThousandRows",
         kHeader + '"' + kDelhi + '\n' + thousand,
         thousandLines,
         {"2: The quote opened on line 2 is never closed; reading goes on at line 3"}},
        {"StrayQuoteClosedByALaterQuotedName",
         kHeader + '"' + kDelhi + '\n' + kDelhi + '\n' + quotedName,
         {3, 4},
         {"2: The quote opened on line 2 closes with text after it; reading goes on at line 3"}},
        {"UnclosedQuoteOnTheLastLine",
         kHeader + kDelhi + "\nB,\"1975-06-15,10:30",
         {2},
         {"3: The quote opened on line 3 is never closed"}},
        {"TextAfterAClosingQuote",
         kHeader + "\"ASHA\"RAO,1975-06-15,10:30,34,77E12,28N36,0\n" + kDelhi,
         {3},
         {"2: The row has a stray quote, or text after a closing quote"}},
        {"BlanksAroundValues",
         kHeader
             + " ASHA RAO , 1975-06-15,10:30 ,34,\t77E12, \"28N36\" , 0\nASHA  RAO,1975-06-15,10:30,34,77E12,28N36,0",
         {2, 3},
         {}},
        {"SemicolonHeader", semicolons, {2}, {}},
        {"TabHeader",
         "name\tdate\ttime\tzone\tlon\tlat\tdst\nASHA RAO\t1975-06-15\t10:30\t34\t77E12\t28N36\t0\n",
         {2},
         {}},
        {"Utf16LittleEndian", Utf16(semicolons, true), {2}, {}},
        {"Utf16BigEndian", Utf16(kHeader + kDelhi + "\r\n", false), {2}, {}},
        {"CarriageReturnLineEnds", "name,date,time,zone,lon,lat,dst\r" + kDelhi + "\r\r" + kDelhi + "\r", {2, 4}, {}},
        {"MarkBeforeAQuotedHeader", "\xEF\xBB\xBF\"name\",date,time,zone,lon,lat,dst\n" + kDelhi, {2}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        const BatchResult result = RunBatch(c.csv);
        EXPECT_EQ(result.charted, c.charted);
        EXPECT_EQ(result.errors, c.errors);
        EXPECT_EQ(result.sun, "23 Gem 29");
    }
}

TEST(DamagedBatch, SummaryOnStderrKeepsJsonLinesPure)
{
    const ToolRun run
        = RunTool({"--batch", "-", "--json"}, kHeader + '"' + kDelhi + '\n' + kDelhi + "\n\n" + kDelhi + '\n');
    EXPECT_EQ(run.code, kExitRejected);
    EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 3);
    EXPECT_EQ(run.err, "tessaline-chart: 3 rows read, 2 charts written, 1 row rejected\n");
}

TEST(DamagedBatch, HeaderOverTheLimitsAndUnreadableInputAreSaidInOurWords)
{
    std::string manyFields = "name,date,time,zone,lon,lat,dst";
    for (std::size_t i = 7; i <= CsvReader::kMaxFields; ++i)
        manyFields += ",x";
    const std::string longHeader = "name,date,time,zone,lon,lat,dst," + std::string(CsvReader::kMaxRecordBytes, 'x');
    const std::string longRow = kDelhi + std::string(CsvReader::kMaxRecordBytes, ' ') + ",x\n";
    const std::string utf32 = std::string("\xFF\xFE\0\0n\0\0\0", 8);
    const std::string summary = "tessaline-chart: 2 rows read, 2 charts written, 0 rows rejected\n";
    const struct {
        std::string csv;
        int code;
        std::string err;
    } cases[] = {
        {manyFields + '\n' + kDelhi, kExitUsage, "The batch header is too long: it has more than 1024 fields\n"},
        {longHeader + '\n' + kDelhi, kExitUsage, "The batch header is too long: it is longer than 1 MB\n"},
        {"name,zone,date,time,zone,lon,lat,dst\n", kExitUsage,
         "The batch header names the column \"zone\" twice (fields 2 and 5): keep one of them\n"},
        {"name,date,time,Place,lon,lat,dst,place\n", kExitUsage,
         "The batch header names the column \"place\" twice (fields 4 and 8): keep one of them\n"},
        {utf32, kExitUsage,
         "Reading the batch failed: it is written in UTF-32, which this program does not read: save it as UTF-8 (or "
         "UTF-16)\n"},
        // Saved twice by tools that each add a byte-order mark: the second is no part of the first column's name.
        {"\xEF\xBB\xBF\xEF\xBB\xBF" + kHeader + kDelhi + '\n' + kDelhi, kExitOk, summary},
        {kHeader + kDelhi + '\n' + kDelhi + '\n' + longRow + kDelhi, kExitUsage,
         "line 4: The row is longer than 1 MB\nReading the batch failed: line 4 is longer than 1 MB, longer than any "
         "row of births, so reading stopped there\n"},
    };
    for (const auto& [csv, code, message] : cases) {
        const ToolRun run = RunTool({"--batch", "-"}, csv);
        EXPECT_EQ(run.code, code);
        EXPECT_EQ(run.err, message);
    }

    std::ifstream folder("/"); // opens, but reading it fails
    ASSERT_TRUE(folder.is_open());
    const ToolRun run = RunTool({"--batch", "-"}, folder);
    EXPECT_EQ(run.code, kExitUsage);
    EXPECT_EQ(run.err, "Reading the batch failed: the input could not be read: Is a directory\n");
}

// Usage errors said in the tool's words: which option, what is wrong with it and what to do; never the option
// parser's group names, and never an option taken for another's value.
TEST(UsageErrors, SayWhatIsWrongAndWhatToDo)
{
    const std::vector<std::string> chart = {"--name", "X", "--date", "1975-06-15", "--time", "10:30"};
    const auto with = [&chart](std::vector<std::string> more) {
        more.insert(more.begin(), chart.begin(), chart.end());
        return more;
    };
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"--zones", "--name", "X"}, "--zones stands alone: leave out --name"},
        {{"--zones", "--places", "x"}, "--zones and --places are tables of their own: ask for one at a time"},
        {{"--batch", "-", "--name", "X", "--dst"}, "--batch takes its births from the file: leave out --name, --dst"},
        {with({"--place", "Paris", "--place-id", "2988507"}),
         "--place and --place-id both name the birthplace: give one of them"},
        {with({"--place", "Paris", "--lat", "28N36"}),
         "--place brings the place's own coordinates: leave out --lat, or the place"},
        {{"--places", ""}, "--places needs a name to look up, e.g. --places paris"},
        {{"--batch", "-", "--jobs", "abc"},
         "--jobs: give the rows to chart at once as a whole number from 1 to 1024, not \"abc\""},
        {with({"--zone", "34", "--lon", "77E12", "--lat", "28N36", "--dst=maybe"}),
         "--dst takes yes or no (or 1 or 0, true or false), as in --dst=no"},
        {{"--version", "--bogus"}, "--version stands alone: give it without other options"},
        {{"--batch", "-", "--svg-dir", "--csv"},
         "--svg-dir needs a value, and \"--csv\" is an option; for a value that begins with --, write "
         "--svg-dir=VALUE"},
    };
    for (const auto& [args, message] : cases) {
        const ToolRun run = RunTool(args, kHeader + kDelhi);
        EXPECT_EQ(run.code, kExitUsage) << message;
        EXPECT_EQ(run.err, message + "\nRun with --help for more information.\n");
        EXPECT_EQ(run.out, "");
    }
    EXPECT_FALSE(std::filesystem::exists("--csv"));
}

// No control character but the line breaks, and no C1 byte (the hostile inputs below carry no other
// bytes above 0x7F, so none may come out).
bool TerminalSafe(const std::string& text)
{
    return std::none_of(text.begin(), text.end(), [](char c) {
        const auto b = static_cast<unsigned char>(c);
        return (b < 0x20 && b != '\n') || b >= 0x7F;
    });
}

TEST(TerminalSafety, NoInputReachesTheTerminalRaw)
{
    const std::vector<std::string> birth{"--name", "ASHA", "--date", "1975-06-15", "--time", "10:30",
                                         "--zone", "34",   "--lon",  "77E12",      "--lat",  "28N36"};
    const auto with = [&birth](std::size_t at, const std::string& value) {
        auto args = birth;
        args[at] = value;
        return args;
    };
    struct Case {
        const char* label;
        std::vector<std::string> args;
        std::string input;
        const char* shown; // how the hostile bytes appear
    };
    const Case cases[] = {
        {"TitleInADate", with(3, "\x1b]0;owned\x07"), "", "\\x1b]0;owned\\x07"},
        {"FakeOkOverAnError", with(9, "1\r\x1b[32mOK"), "", "1\\r\\x1b[32mOK"},
        {"RightToLeftOverride", with(3, "1975\xe2\x80\xae-06-15"), "", "1975\\u202e-06-15"},
        {"RawCsiByte",
         {"--batch", "-"},
         kHeader
             + "A,19\x9b"
               "2J,10:30,34,77E12,28N36,0\n",
         "19\\x9b2J"},
        {"EncodedC1AndDelete",
         {"--batch", "-"},
         kHeader + "A,1975-06-15,\xc2\x9b\x7f,34,77E12,28N36,0\n",
         "\\u009b\\x7f"},
        {"BatchFileName", {"--batch", "/nonexistent/\x1b[2J.csv"}, "", "/nonexistent/\\x1b[2J.csv"},
        {"UnknownOption", {"--\x1b[2Jx"}, "", "--\\x1b[2Jx"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        const ToolRun run = RunTool(c.args, c.input);
        EXPECT_NE(run.code, kExitOk);
        EXPECT_TRUE(TerminalSafe(run.err)) << run.err;
        EXPECT_TRUE(TerminalSafe(run.out)) << run.out;
        EXPECT_NE(run.err.find(c.shown), std::string::npos) << run.err;
    }
}

} // namespace
} // namespace tessaline::cli
