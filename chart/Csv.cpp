// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart/Csv.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <exception>
#include <system_error>

namespace tessaline {

namespace {

constexpr std::streamsize kChunkBytes = std::streamsize{64} * 1024;

void AppendUtf8(std::string& out, unsigned codePoint)
{
    if (codePoint < 0x80) {
        out += static_cast<char>(codePoint);
    } else if (codePoint < 0x800) {
        out += static_cast<char>(0xC0 | (codePoint >> 6));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else if (codePoint < 0x10000) {
        out += static_cast<char>(0xE0 | (codePoint >> 12));
        out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (codePoint >> 18));
        out += static_cast<char>(0x80 | ((codePoint >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    }
}

constexpr unsigned kReplacement = 0xFFFD;

} // namespace

bool CsvReader::Next(std::vector<std::string>& fields)
{
    if (!readError_.empty())
        return false;
    // The stream buffer reports a failed read (a folder, a device that fails) by throwing, in the library's
    // words; say what failed in ours, with the system's reason when there is one.
    try {
        errno = 0;
        return ReadRecord(fields);
    } catch (const std::exception& e) {
        const int error = errno;
        readError_ = "the input could not be read";
        const auto* system = dynamic_cast<const std::system_error*>(&e);
        if (system != nullptr
            && (system->code().category() == std::system_category()
                || system->code().category() == std::generic_category())) {
            readError_ += ": " + system->code().message();
        } else if (error != 0) {
            readError_ += ": ";
            readError_ += std::strerror(error);
        }
        return false;
    }
}

bool CsvReader::ReadRecord(std::vector<std::string>& fields)
{
    if (Peek() == kEnd)
        return false;
    if (records_++ > 0 && separator_ == 0)
        separator_ = ',';

    fields.assign(1, std::string());
    recordLine_ = line_;
    quoteLine_ = 0;
    resumedAt_ = 0;
    problem_ = Problem::None;
    Scan scan{fields, Scan::State::FieldStart, 0, 0, {}, false};
    for (int ch = Get(); ch != kEnd; ch = Get()) {
        const char c = static_cast<char>(ch);
        const Step step = scan.state == Scan::State::Quoted ? QuotedByte(scan, c) : PlainByte(scan, c);
        if (step == Step::RecordEnds)
            return true;
    }
    capturing_ = false;
    if (scan.state == Scan::State::Quoted) {
        problem_ = Problem::UnclosedQuote;
        if (scan.quoteCrossedLine)
            GiveBackAfterQuoteLine();
    }
    return true;
}

void CsvReader::Flag(Problem problem) noexcept
{
    if (problem_ == Problem::None)
        problem_ = problem;
}

bool CsvReader::IsBlank(char c) const noexcept
{
    return c == ' ' || (c == '\t' && separator_ != '\t');
}

// Past the limit the rest of the record is read and dropped, so memory stays bounded whatever comes.
bool CsvReader::Keep(Scan& scan, char c)
{
    if (scan.kept >= kMaxRecordBytes)
        return false;
    ++scan.kept;
    scan.fields.back() += c;
    return true;
}

CsvReader::Step CsvReader::QuotedByte(Scan& scan, char c)
{
    bool fits = true;
    if (c == '"' && Peek() == '"') {
        Get();
        fits = Keep(scan, '"');
    } else if (c == '"') {
        scan.state = Scan::State::AfterQuote;
    } else {
        fits = Keep(scan, c);
        if (c == '\n' || c == '\r') {
            if (c == '\r' && Peek() == '\n')
                fits = Keep(scan, static_cast<char>(Get())) && fits;
            ++line_;
            if (!scan.quoteCrossedLine) {
                // From here on, keep what is read: if this quote proves bad, it is read again.
                scan.quoteCrossedLine = true;
                raw_.clear();
                capturing_ = true;
            }
        }
    }
    if (fits)
        return Step::Goes;
    problem_ = Problem::QuoteTooLong;
    if (scan.quoteCrossedLine)
        GiveBackAfterQuoteLine();
    else
        SkipRestOfLine();
    return Step::RecordEnds;
}

CsvReader::Step CsvReader::PlainByte(Scan& scan, char c)
{
    if (++scan.seen > kMaxRecordBytes) {
        // No row of births is this long: a device or a stream without line ends. Reading it to its end
        // could take for ever, so reading stops here.
        problem_ = Problem::TooLong;
        StopAt(recordLine_);
        return Step::RecordEnds;
    }
    if (c == '\n' || c == '\r') {
        if (c == '\r' && Peek() == '\n')
            Get();
        ++line_;
        capturing_ = false;
        return Step::RecordEnds;
    }
    const bool separator = separator_ != 0 ? c == separator_ : (records_ == 1 && (c == ',' || c == ';' || c == '\t'));
    if (separator) {
        separator_ = c;
        capturing_ = false;
        if (scan.kept < kMaxRecordBytes && scan.fields.size() < kMaxFields) {
            ++scan.kept;
            scan.fields.emplace_back();
        } else {
            Flag(scan.kept >= kMaxRecordBytes ? Problem::TooLong : Problem::TooManyFields);
        }
        scan.state = Scan::State::FieldStart;
        scan.heldBlanks.clear();
        return Step::Goes;
    }
    return ValueByte(scan, c);
}

CsvReader::Step CsvReader::ValueByte(Scan& scan, char c)
{
    if (scan.state == Scan::State::FieldStart) {
        if (IsBlank(c))
            return Step::Goes;
        if (c == '"') {
            scan.state = Scan::State::Quoted;
            quoteLine_ = line_;
            scan.quoteCrossedLine = false;
            capturing_ = false;
            return Step::Goes;
        }
        scan.state = Scan::State::Unquoted;
    } else if (scan.state == Scan::State::AfterQuote) {
        if (IsBlank(c))
            return Step::Goes;
        Flag(Problem::StrayQuote); // text after a closing quote: keep it, but the record is not sound
        if (scan.quoteCrossedLine) {
            // The quote that closed here opened lines ago and may have swallowed them: read them again.
            problem_ = Problem::StrayQuote;
            GiveBackAfterQuoteLine();
            return Step::RecordEnds;
        }
        scan.state = Scan::State::Unquoted;
    } else if (IsBlank(c)) {
        scan.heldBlanks += c; // inside an unquoted value, kept only when more of the value follows
        return Step::Goes;
    }
    if (c == '"')
        Flag(Problem::StrayQuote);
    bool fits = true;
    for (char blank : scan.heldBlanks)
        fits = Keep(scan, blank) && fits;
    scan.heldBlanks.clear();
    if (!Keep(scan, c) || !fits)
        Flag(Problem::TooLong);
    return Step::Goes;
}

void CsvReader::GiveBackAfterQuoteLine()
{
    capturing_ = false;
    pending_.erase(0, pendingAt_);
    pending_.insert(0, raw_);
    pendingAt_ = 0;
    raw_.clear();
    line_ = quoteLine_ + 1;
    resumedAt_ = line_;
}

void CsvReader::StopAt(std::size_t line)
{
    capturing_ = false;
    readError_ = "line " + std::to_string(line) + " is longer than 1 MB, longer than any row of births, so reading "
        + "stopped there";
}

void CsvReader::SkipRestOfLine()
{
    std::size_t skipped = 0;
    for (int c = Get(); c != kEnd; c = Get()) {
        if (c == '\n' || c == '\r') {
            if (c == '\r' && Peek() == '\n')
                Get();
            break;
        }
        if (++skipped > kMaxRecordBytes) {
            StopAt(line_);
            return;
        }
    }
    ++line_;
    resumedAt_ = line_;
}

int CsvReader::Peek()
{
    if (pendingAt_ == pending_.size() && !Fill())
        return kEnd;
    return static_cast<unsigned char>(pending_[pendingAt_]);
}

int CsvReader::Get()
{
    const int c = Peek();
    if (c != kEnd) {
        ++pendingAt_;
        if (capturing_)
            raw_ += static_cast<char>(c);
    }
    return c;
}

bool CsvReader::Fill()
{
    pending_.erase(0, pendingAt_);
    pendingAt_ = 0;
    using Traits = std::char_traits<char>;
    while (pending_.empty() && !inputEnded_) {
        std::streambuf* buffer = in_.rdbuf();
        if (buffer == nullptr || Traits::eq_int_type(buffer->sgetc(), Traits::eof())) {
            inputEnded_ = true;
            Decode(true);
            break;
        }
        // What the buffer holds already, so a pipe is read as it comes rather than in whole chunks.
        const std::streamsize wanted = std::clamp<std::streamsize>(buffer->in_avail(), 1, kChunkBytes);
        const std::size_t at = undecoded_.size();
        undecoded_.resize(at + static_cast<std::size_t>(wanted));
        const std::streamsize got = buffer->sgetn(undecoded_.data() + at, wanted);
        undecoded_.resize(at + static_cast<std::size_t>(std::max<std::streamsize>(got, 0)));
        Decode(false);
    }
    return !pending_.empty();
}

void CsvReader::Decode(bool atEnd)
{
    if (encoding_ == Encoding::Unknown) {
        if (undecoded_.size() < 4 && !atEnd)
            return; // the byte-order mark may not be all here yet
        encoding_ = Encoding::Utf8;
        using namespace std::string_view_literals;
        if (undecoded_.starts_with("\xFF\xFE\0\0"sv) || undecoded_.starts_with("\0\0\xFE\xFF"sv)) {
            encoding_ = Encoding::Unsupported;
            readError_ = "it is written in UTF-32, which this program does not read: save it as UTF-8 (or UTF-16)";
            undecoded_.clear();
            inputEnded_ = true;
            return;
        }
        if (undecoded_.starts_with("\xEF\xBB\xBF")) {
            undecoded_.erase(0, 3);
        } else if (undecoded_.starts_with("\xFF\xFE")) {
            encoding_ = Encoding::Utf16LE;
            undecoded_.erase(0, 2);
        } else if (undecoded_.starts_with("\xFE\xFF")) {
            encoding_ = Encoding::Utf16BE;
            undecoded_.erase(0, 2);
        } else if (undecoded_.size() >= 2 && (undecoded_[0] == '\0') != (undecoded_[1] == '\0')) {
            // No mark, but a zero byte beside a letter: UTF-16 ("n\0a\0m\0e\0"), which UTF-8 text never starts as.
            encoding_ = undecoded_[1] == '\0' ? Encoding::Utf16LE : Encoding::Utf16BE;
        }
    }
    if (encoding_ == Encoding::Unsupported)
        return;
    if (encoding_ == Encoding::Utf8) {
        pending_ += undecoded_;
        undecoded_.clear();
        DropLeadingMarks(atEnd);
        return;
    }
    std::size_t i = 0;
    for (; i + 1 < undecoded_.size(); i += 2) {
        const auto first = static_cast<unsigned char>(undecoded_[i]);
        const auto second = static_cast<unsigned char>(undecoded_[i + 1]);
        const unsigned unit = encoding_ == Encoding::Utf16LE ? (second << 8U) | first : (first << 8U) | second;
        if (highSurrogate_ != 0) {
            if (unit >= 0xDC00 && unit <= 0xDFFF) {
                AppendUtf8(pending_, 0x10000 + ((highSurrogate_ - 0xD800) << 10U) + (unit - 0xDC00));
                highSurrogate_ = 0;
                continue;
            }
            AppendUtf8(pending_, kReplacement);
            highSurrogate_ = 0;
        }
        if (unit >= 0xD800 && unit <= 0xDBFF)
            highSurrogate_ = unit;
        else
            AppendUtf8(pending_, unit >= 0xDC00 && unit <= 0xDFFF ? kReplacement : unit);
    }
    undecoded_.erase(0, i);
    if (atEnd && (highSurrogate_ != 0 || !undecoded_.empty())) {
        AppendUtf8(pending_, kReplacement);
        highSurrogate_ = 0;
        undecoded_.clear();
    }
    DropLeadingMarks(atEnd);
}

void CsvReader::DropLeadingMarks(bool atEnd)
{
    // A file saved twice by tools that each add a byte-order mark starts with two: the second is no letter
    // of the first column's name.
    constexpr std::string_view kMark = "\xEF\xBB\xBF";
    if (marksDropped_)
        return;
    while (std::string_view(pending_).substr(pendingAt_).starts_with(kMark))
        pending_.erase(pendingAt_, kMark.size());
    marksDropped_ = atEnd || pending_.size() - pendingAt_ >= kMark.size();
}

} // namespace tessaline
