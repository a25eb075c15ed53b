#include "cli/Csv.h"

#include <exception>

namespace tessaline::cli {

bool CsvReader::Next(std::vector<std::string>& fields)
{
    if (!readError_.empty())
        return false;
    // The stream buffer reports a failed read (a folder, a device that fails) by throwing.
    try {
        return ReadRecord(fields);
    } catch (const std::exception& e) {
        readError_ = e.what();
        return false;
    }
}

bool CsvReader::ReadRecord(std::vector<std::string>& fields)
{
    std::streambuf* buffer = in_.rdbuf();
    using Traits = std::char_traits<char>;
    if (buffer == nullptr || Traits::eq_int_type(buffer->sgetc(), Traits::eof()))
        return false;

    fields.assign(1, std::string());
    recordLine_ = line_;
    malformed_ = false;
    tooLong_ = false;
    std::size_t kept = 0;
    // Past the limit the rest of the record is read and dropped, so memory stays bounded whatever comes.
    const auto keep = [&](char c) {
        if (kept++ < kMaxRecordBytes)
            fields.back() += c;
        else
            tooLong_ = true;
    };
    bool inQuotes = false;
    bool afterQuote = false; // a quoted field has closed; only a comma or the line end may follow

    for (auto ch = buffer->sbumpc(); !Traits::eq_int_type(ch, Traits::eof()); ch = buffer->sbumpc()) {
        const char c = Traits::to_char_type(ch);
        if (inQuotes) {
            if (c == '"') {
                if (Traits::eq_int_type(buffer->sgetc(), Traits::to_int_type('"'))) {
                    buffer->sbumpc();
                    keep('"');
                } else {
                    inQuotes = false;
                    afterQuote = true;
                }
            } else {
                if (c == '\n')
                    ++line_;
                keep(c);
            }
            continue;
        }
        if (c == '\n') {
            ++line_;
            return true;
        }
        if (c == '\r' && Traits::eq_int_type(buffer->sgetc(), Traits::to_int_type('\n')))
            continue;
        if (c == ',') {
            if (kept++ < kMaxRecordBytes && fields.size() < kMaxFields)
                fields.emplace_back();
            else
                tooLong_ = true;
            afterQuote = false;
        } else if (c == '"' && fields.back().empty() && !afterQuote) {
            inQuotes = true;
        } else {
            if (afterQuote || c == '"')
                malformed_ = true; // a stray quote: keep the text, but the record is not sound
            keep(c);
        }
    }
    if (inQuotes)
        malformed_ = true;
    return true;
}

} // namespace tessaline::cli
