#pragma once

#include <cstddef>
#include <istream>
#include <string>
#include <vector>

namespace tessaline::cli {

// Reads comma-separated records one at a time (quoting as in RFC 4180: fields in double quotes may hold
// commas, line breaks and doubled quotes). Accepts LF and CRLF line ends. Memory is bounded by the
// longest record, never by the file.
class CsvReader
{
public:
    explicit CsvReader(std::istream& in)
        : in_(in)
    { }

    // Fills fields with the next record and returns true, or returns false at the end of the input.
    // A blank line is a record with one empty field.
    bool Next(std::vector<std::string>& fields);

    // The line on which the last record began, counting from 1.
    std::size_t RecordLine() const noexcept { return recordLine_; }

    // The last record ended inside an open quote, or had characters after a closing quote.
    bool Malformed() const noexcept { return malformed_; }

    // The last record was longer than kMaxRecordBytes or had more than kMaxFields fields; what was kept of
    // it is not the whole record.
    bool TooLong() const noexcept { return tooLong_; }
    static constexpr std::size_t kMaxRecordBytes = std::size_t{16} * 1024 * 1024;
    static constexpr std::size_t kMaxFields = 1024;

    // Reading stopped on an error of the input itself (not of its contents); what it was.
    const std::string& ReadError() const noexcept { return readError_; }

private:
    std::istream& in_;
    std::size_t line_ = 1;
    std::size_t recordLine_ = 0;
    bool malformed_ = false;
    bool tooLong_ = false;
    std::string readError_;

    bool ReadRecord(std::vector<std::string>& fields);
};

} // namespace tessaline::cli
