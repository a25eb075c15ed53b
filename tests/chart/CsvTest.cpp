// SPDX-License-Identifier: GPL-3.0-or-later
// The batch reader's records: a failing input, an endless record, hostile bytes.
#include "chart/Csv.h"

#include <gtest/gtest.h>
#include <istream>
#include <sstream>
#include <string>
#include <vector>

namespace tessaline {
namespace {

TEST(CsvReader, StopsOnAnInputThatFailsToRead)
{
    struct FailingBuffer : std::streambuf {
        int_type underflow() override { throw std::ios_base::failure("the disk went away"); }
    } failing;
    std::istream in(&failing);
    CsvReader reader(in);
    std::vector<std::string> fields;
    EXPECT_FALSE(reader.Next(fields));
    EXPECT_EQ(reader.ReadError(), "the input could not be read"); // in our words, not the buffer's
    EXPECT_FALSE(reader.Next(fields));
}

TEST(CsvReader, KeepsMemoryBoundedOnAnEndlessRecord)
{
    // A record with no line end, longer than the limit: it is read to its end but not kept whole, and the
    // record after it is read as usual.
    std::string input(CsvReader::kMaxRecordBytes + 10, 'x');
    input += ",,,\n" + std::string(2 * CsvReader::kMaxFields, ',') + "\nnext,row\n";
    std::istringstream in(input);
    CsvReader reader(in);
    std::vector<std::string> fields;
    ASSERT_TRUE(reader.Next(fields));
    EXPECT_TRUE(reader.TooLong());
    EXPECT_EQ(fields.size(), 1u);
    EXPECT_EQ(fields[0].size(), CsvReader::kMaxRecordBytes);
    ASSERT_TRUE(reader.Next(fields));
    EXPECT_TRUE(reader.TooLong()); // too many fields
    EXPECT_EQ(fields.size(), CsvReader::kMaxFields);
    ASSERT_TRUE(reader.Next(fields));
    EXPECT_FALSE(reader.TooLong());
    EXPECT_EQ(fields, (std::vector<std::string>{"next", "row"}));
}

// A spreadsheet's "Unicode text" is UTF-16, often without its byte-order mark: "né" is 6E 00 E9 00 in
// little-endian order and 00 6E 00 E9 in big-endian.
TEST(CsvReader, ReadsUtf16WithoutItsMark)
{
    for (const std::string& input : {std::string("n\0\xe9\0,\0x\0\n\0", 10), std::string("\0n\0\xe9\0,\0x\0\n", 10)}) {
        std::istringstream in(input);
        CsvReader reader(in);
        std::vector<std::string> fields;
        ASSERT_TRUE(reader.Next(fields));
        EXPECT_EQ(fields, (std::vector<std::string>{"n\xc3\xa9", "x"}));
    }
}

TEST(CsvReader, SurvivesHostileInput)
{
    const std::string huge(1'000'000, 'x');
    const std::string inputs[] = {
        "\"", "\"\"\"", ",,,,\n,,", "\r\r\r\n", std::string("\0\xff\xfe,\x01", 5), "\"" + huge, huge + "," + huge,
    };
    for (const std::string& input : inputs) {
        std::istringstream in(input);
        CsvReader reader(in);
        std::vector<std::string> fields;
        std::size_t records = 0;
        while (reader.Next(fields))
            ++records;
        EXPECT_GE(records, 1u);
    }
}

} // namespace
} // namespace tessaline
