// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <istream>
#include <string>
#include <string_view>
#include <vector>

namespace tessaline {

// Reads comma-separated records one at a time (quoting as in RFC 4180: fields in double quotes may hold
// commas, line breaks and doubled quotes). Lines end in LF, CRLF or a lone CR. The separator is the first
// comma, semicolon or tab outside quotes in the first record (a header written by a spreadsheet in many
// countries uses ";"), else a comma. Blanks around a value are dropped; a quoted value keeps its own. The
// input may be UTF-8, with or without a byte-order mark, or UTF-16 with its mark or without (told by the zero
// byte beside the first character); records come out as UTF-8.
// Memory is bounded by the longest record, never by the file.
//
// A quoted field that is never closed, or that runs past the record limit, does not swallow the rest of
// the input: that record is reported, and reading goes on at the line after the one where the quote opened.
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

    enum class Problem {
        None,
        StrayQuote, // a quote inside an unquoted value, or text after a closing quote
        UnclosedQuote, // a quote that opened and never closed before the end of the input
        QuoteTooLong, // a quoted field that ran past kMaxRecordBytes
        TooLong, // the record is longer than kMaxRecordBytes
        TooManyFields, // the record has more than kMaxFields fields
    };
    // What was wrong with the last record; its fields are then not the whole record.
    Problem LastProblem() const noexcept { return problem_; }

    // The line on which the offending quote of the last record opened, and the line where reading went on
    // after it (0 when reading simply went on after the record).
    std::size_t QuoteLine() const noexcept { return quoteLine_; }
    std::size_t ResumedAt() const noexcept { return resumedAt_; }

    // The last record ended inside an open quote, or had a stray quote.
    bool Malformed() const noexcept
    {
        return problem_ == Problem::StrayQuote || problem_ == Problem::UnclosedQuote
            || problem_ == Problem::QuoteTooLong;
    }

    // The last record was longer than kMaxRecordBytes or had more than kMaxFields fields; what was kept of
    // it is not the whole record.
    bool TooLong() const noexcept { return problem_ == Problem::TooLong || problem_ == Problem::TooManyFields; }
    // Far longer than any row of births, short enough to refuse an endless line (a device, a stream without a
    // line end) as soon as it has been read that far: reading then stops with ReadError().
    static constexpr std::size_t kMaxRecordBytes = std::size_t{1024} * 1024;
    static constexpr std::size_t kMaxFields = 1024;

    // The separator in use: ',' until the first record shows another.
    char Separator() const noexcept { return separator_ != 0 ? separator_ : ','; }

    // Reading stopped on an error of the input itself (not of its contents); what it was, in our words.
    const std::string& ReadError() const noexcept { return readError_; }

private:
    enum class Encoding { Unknown, Utf8, Utf16LE, Utf16BE, Unsupported };
    static constexpr int kEnd = -1;

    std::istream& in_;
    Encoding encoding_ = Encoding::Unknown;
    std::string undecoded_; // bytes read but not yet decoded: the mark being looked for, half a UTF-16 unit
    unsigned highSurrogate_ = 0;
    bool inputEnded_ = false;
    bool marksDropped_ = false; // the byte-order marks at the start, however many, are behind us
    std::string pending_; // decoded UTF-8 waiting to be read, including text given back after a bad quote
    std::size_t pendingAt_ = 0;
    bool capturing_ = false; // copying what is read into raw_, to give it back if the quote proves bad
    std::string raw_;

    char separator_ = 0;
    std::size_t records_ = 0;
    std::size_t line_ = 1;
    std::size_t recordLine_ = 0;
    std::size_t quoteLine_ = 0;
    std::size_t resumedAt_ = 0;
    Problem problem_ = Problem::None;
    std::string readError_;

    // What reading one record carries from byte to byte.
    struct Scan {
        std::vector<std::string>& fields;
        enum class State { FieldStart, Unquoted, Quoted, AfterQuote } state = State::FieldStart;
        std::size_t kept = 0; // bytes of the record kept in fields (separators count as one)
        std::size_t seen = 0; // every byte read outside quotes, kept or not: blanks and separators too
        std::string heldBlanks;
        bool quoteCrossedLine = false;
    };
    enum class Step { Goes, RecordEnds };

    bool ReadRecord(std::vector<std::string>& fields);
    Step QuotedByte(Scan& scan, char c);
    Step PlainByte(Scan& scan, char c);
    Step ValueByte(Scan& scan, char c);
    bool Keep(Scan& scan, char c);
    void Flag(Problem problem) noexcept;
    bool IsBlank(char c) const noexcept;
    int Peek();
    int Get();
    bool Fill();
    void Decode(bool atEnd);
    void DropLeadingMarks(bool atEnd);
    void GiveBackAfterQuoteLine();
    void SkipRestOfLine();
    void StopAt(std::size_t line);
};

} // namespace tessaline
