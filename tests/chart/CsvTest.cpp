// SPDX-License-Identifier: GPL-3.0-or-later
// The batch reader's records: a failing input, an endless record, hostile bytes.
#include "chart/Csv.h"

#include <gtest/gtest.h>
#include <istream>
#include <sstream>
#include <streambuf>
#include <string>
#include <utility>
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

// A stream that never ends: what a device such as /dev/zero gives, after a few lines of text.
class EndlessBuffer : public std::streambuf
{
public:
    EndlessBuffer(std::string start, char fill)
        : start_(std::move(start))
        , chunk_(4096, fill)
    {
        setg(start_.data(), start_.data(), start_.data() + start_.size());
    }

protected:
    int_type underflow() override
    {
        setg(chunk_.data(), chunk_.data(), chunk_.data() + chunk_.size());
        return traits_type::to_int_type(chunk_[0]);
    }

private:
    std::string start_;
    std::string chunk_;
};

TEST(CsvReader, KeepsMemoryBoundedAndStopsOnAnEndlessRecord)
{
    // Too many fields on a line of its own costs that record only; a record without end, of bytes or of
    // separators, stops reading once it is longer than the limit, with what was kept of it.
    for (const char fill : {'\0', 'x', ',', ' '}) {
        EndlessBuffer endless(std::string(2 * CsvReader::kMaxFields, ',') + "\nnext,row\n", fill);
        std::istream in(&endless);
        CsvReader reader(in);
        std::vector<std::string> fields;
        ASSERT_TRUE(reader.Next(fields));
        EXPECT_TRUE(reader.TooLong()); // too many fields
        EXPECT_EQ(fields.size(), CsvReader::kMaxFields);
        ASSERT_TRUE(reader.Next(fields));
        EXPECT_EQ(fields, (std::vector<std::string>{"next", "row"}));
        ASSERT_TRUE(reader.Next(fields));
        EXPECT_TRUE(reader.TooLong());
        EXPECT_LE(fields.size() * fields.front().size(), CsvReader::kMaxRecordBytes);
        EXPECT_FALSE(reader.Next(fields));
        EXPECT_EQ(reader.ReadError(),
                  "line 3 is longer than 1 MB, longer than any row of births, so reading stopped "
                  "there");
    }
    EndlessBuffer quoted("a,\"", 'x'); // a quote that never closes, on a line that never ends
    std::istream in(&quoted);
    CsvReader reader(in);
    std::vector<std::string> fields;
    ASSERT_TRUE(reader.Next(fields));
    EXPECT_EQ(reader.LastProblem(), CsvReader::Problem::QuoteTooLong);
    EXPECT_FALSE(reader.Next(fields));
    EXPECT_NE(reader.ReadError(), "");
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
