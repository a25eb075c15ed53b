// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/AafFile.h"

#include "tests/support/Births.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace tessaline {
namespace {

using enum BatchHeader::Column;

bool AnyWarningHas(const BatchFile::Row& row, std::string_view words)
{
    for (const std::string& warning : row.warnings)
        if (warning.find(words) != std::string::npos)
            return true;
    return false;
}

// One record in, one row out: the columns it charts with, and a warning it must carry ("" for none asked).
// The Julian days and the clocks they give come from python3's datetime, e.g. for the Delhi record:
//   python3 -c "import datetime as d;
//   print((d.datetime(1975,6,15,5)-d.datetime(1970,1,1)).total_seconds()/86400+2440587.5)"
// Cezanne's 2392758.526528 is 1839-01-19 00:38:12 UT, 01:00 on the clock 22 minutes ahead (0e21:48 rounded).
struct RecordCase {
    const char* label;
    const char* text;
    const char* name;
    const char* date;
    const char* time;
    const char* zone;
    const char* lon;
    const char* lat;
    const char* place; // the atlas's query when the record is placed
    const char* warning;
};

class AafRecordTest : public ::testing::TestWithParam<RecordCase>
{
};

TEST_P(AafRecordTest, ReadsTheRecordAsTheRowItCharts)
{
    const RecordCase& c = GetParam();
    const AafRecords read = ReadAafRecords(c.text, ZodiacChoice{});
    ASSERT_EQ(read.rows.size(), 1U);
    const BatchFile::Row& row = read.rows[0];
    ASSERT_TRUE(row.birth) << row.birth.error().message;
    EXPECT_EQ(row.fields[kName], c.name);
    EXPECT_EQ(row.fields[kDate], c.date);
    EXPECT_EQ(row.fields[kTime], c.time);
    EXPECT_EQ(row.fields[kZone], c.zone);
    EXPECT_EQ(row.fields[kLon], c.lon);
    EXPECT_EQ(row.fields[kLat], c.lat);
    EXPECT_EQ(row.birth->place, c.place);
    // An hour's saving on a zone of the list is its row and the flag ("Central European Time,CET,+1.0" is row
    // 20 of --zones); anything else is the clock's whole offset, which takes no flag.
    EXPECT_EQ(row.birth->birth.dst, std::string(c.zone) == "20");
    if (*c.warning != '\0')
        EXPECT_TRUE(AnyWarningHas(row, c.warning)) << c.warning;
    else
        EXPECT_TRUE(row.warnings.empty()) << row.warnings.front();
}

INSTANTIATE_TEST_SUITE_P(
    Records, AafRecordTest,
    ::testing::Values(
        // The definition's own examples (section 2, and the German section 2's second record without a type).
        RecordCase{"Definition",
                   "#A93:Ferber,Tobias,m,27.9.1970,11:04,Kandel/Pfalz,D\n#B93:*,49n05,8e11,1he,0\n#ZNAM:CET\n",
                   "Tobias Ferber", "1970-09-27", "11:04", "+01:00", "8E11", "49N05", "", ""},
        RecordCase{"DefinitionWithoutType",
                   "#A93:Garms,Martin,11.10.1958,1.10,Brilon-Wald, D\n#B93: *,51n21,9e35,1,0\n", "Martin Garms",
                   "1958-10-11", "01:10", "+01:00", "9E35", "51N21", "", "no type"},
        RecordCase{"SummerHourCounted", "#A93:Meyer,Paul,m,1.7.1983,14:45,Ulm,D\n#B93:*,48n24,11e45,1he00,1\n",
                   "Paul Meyer", "1983-07-01", "14:45", "20", "11E45", "48N24", "", ""},
        RecordCase{"JulianDayDecides",
                   "#A93:Rao,Asha,f,15.6.1975,10:30,Delhi,IND\n#B93:2442578.708333,28n36,77e12,5he30,0\n", "Asha Rao",
                   "1975-06-15", "10:30", "+05:30", "77E12", "28N36", "", ""},
        RecordCase{"JulianDayContradictsClock",
                   "#A93:Rao,Asha,f,15.6.1975,11:30,Delhi,IND\n#B93:2442578.708333,28n36,77e12,5he30,0\n", "Asha Rao",
                   "1975-06-15", "10:30", "+05:30", "77E12", "28N36", "", "the Julian day is taken"},
        RecordCase{"LocalMeanTime",
                   "#A93:Cezanne,Paul,m,19.1.1839,1:00,Aix-En-Provence,F\n#B93:2392758.526528,43n31,5e27,0e21:48,m\n",
                   "Paul Cezanne", "1839-01-19", "01:00", "+00:22", "5E27", "43N31", "", "zone's seconds"},
        RecordCase{"WestOfGreenwich", "#A93:West,Anna,f,31.12.1950,23:50,New York,USA\n#B93:*,40n45,73w59,5hw,0\n",
                   "Anna West", "1950-12-31", "23:50", "-05:00", "73W59", "40N45", "", ""},
        RecordCase{"StarsPlacedByTheAtlas", "#A93:Ferber,*,m,27.9.1970,11:04,Kandel/Pfalz,D\n#B93:*,*,*,*,*\n",
                   "Ferber", "1970-09-27", "11:04", "", "", "", "Kandel, Pfalz, D", "from the atlas"},
        RecordCase{"TruncatedB93", "#A93:Ferber,Tobias,m,27.9.1970,11:04,Kandel,*\n#B93:*,49n05\n", "Tobias Ferber",
                   "1970-09-27", "11:04", "", "", "", "Kandel", "2 fields where the definition has 5"},
        RecordCase{"NoName", "#A93:*,*,e,1.1.2001,00:10,Buenos Aires,RA\n#B93:*,34s36,58w22,3hw00,0\n", "Unnamed",
                   "2001-01-01", "00:10", "-03:00", "58W22", "34S36", "", "no name"}),
    [](const auto& info) { return std::string(info.param.label); });

TEST(AafFile, RefusesARecordWithNothingToChartAndGoesOn)
{
    const AafRecords read
        = ReadAafRecords("#:a comment\n#A93:Ferber,Tobias,m,27.9\n#A93:Nobody,*,m,1.1.1990,12:00,*,*\n"
                         "#A93:Ferber,Tobias,m,27.9.1970,11:04,Kandel/Pfalz,D\n#B93:*,49n05,8e11,1he,0\n"
                         "#LPOS:SO28CP19:16,\nMO12PI56:26\n",
                         ZodiacChoice{});
    ASSERT_EQ(read.rows.size(), 3U);
    EXPECT_EQ(read.rows[0].line, 2U);
    EXPECT_FALSE(read.rows[0].birth);
    EXPECT_EQ(read.rows[1].line, 3U);
    ASSERT_FALSE(read.rows[1].birth);
    EXPECT_NE(read.rows[1].birth.error().message.find("no place"), std::string::npos);
    ASSERT_TRUE(read.rows[2].birth);
    EXPECT_TRUE(AnyWarningHas(read.rows[2], "#LPOS on line 6"));
    ASSERT_EQ(read.notes.size(), 1U);
    EXPECT_EQ(read.notes[0], "1 comment line (#:) passed over");
}

TEST(AafFile, ReadsUtf8AsItIsAndAnythingElseAsWindows1252)
{
    struct Case {
        std::string bytes;
        TextEncoding encoding;
        const char* name;
    };
    const std::vector<Case> cases{
        {"#A93:M\xFC\x6Cler,J\xF6rg,m,1.1.1990,12:00,K\xF6ln,D\n", TextEncoding::Windows1252, "J\u00F6rg M\u00FCller"},
        {"\xEF\xBB\xBF#A93:M\u00FCller,J\u00F6rg,m,1.1.1990,12:00,K\u00F6ln,D\n", TextEncoding::Utf8,
         "J\u00F6rg M\u00FCller"},
        {"#A93:\x80uro,*,m,1.1.1990,12:00,Paris,F\n", TextEncoding::Windows1252, "\u20ACuro"},
    };
    for (const Case& c : cases) {
        const AafRecords read = ReadAafRecords(c.bytes, ZodiacChoice{});
        EXPECT_EQ(read.encoding, c.encoding);
        ASSERT_EQ(read.rows.size(), 1U);
        EXPECT_EQ(read.rows[0].fields[kName], c.name);
    }
}

// The writer, line for line: the Julian day of 1975-06-15 05:00 UT as python3 gives it (above); what AAF
// cannot hold (a comma, which separates its fields) is said, never dropped.
TEST(AafFile, WritesBothChunksAndSaysWhatItChanged)
{
    struct Case {
        const char* name;
        const char* place;
        const char* a93;
        std::size_t warnings;
    };
    const std::vector<Case> cases{
        {"ASHA RAO", "", "#A93:ASHA RAO,*,*,15.6.1975,10:30,*,*\n", 0},
        {"RAO, ASHA", "New Delhi, Delhi, India", "#A93:RAO; ASHA,*,*,15.6.1975,10:30,New Delhi/Delhi/India,*\n", 1},
    };
    for (const Case& c : cases) {
        ChartFacts facts = fixtures::Delhi1975Chart().Facts();
        facts.name = c.name;
        facts.place = c.place;
        std::vector<std::string> warnings;
        EXPECT_EQ(AafRecord(Chart(facts), warnings), std::string(c.a93) + "#B93:2442578.708333,28n36,77e12,5he30,0\n");
        EXPECT_EQ(warnings.size(), c.warnings);
    }
}

} // namespace
} // namespace tessaline
