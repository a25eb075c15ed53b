#include "cli/Csv.h"

namespace tessaline::cli {

bool CsvReader::Next(std::vector<std::string>& fields)
{
    std::streambuf* buffer = in_.rdbuf();
    using Traits = std::char_traits<char>;
    if (buffer == nullptr || Traits::eq_int_type(buffer->sgetc(), Traits::eof()))
        return false;

    fields.assign(1, std::string());
    recordLine_ = line_;
    malformed_ = false;
    bool inQuotes = false;
    bool afterQuote = false; // a quoted field has closed; only a comma or the line end may follow

    for (auto ch = buffer->sbumpc(); !Traits::eq_int_type(ch, Traits::eof()); ch = buffer->sbumpc()) {
        const char c = Traits::to_char_type(ch);
        if (inQuotes) {
            if (c == '"') {
                if (Traits::eq_int_type(buffer->sgetc(), Traits::to_int_type('"'))) {
                    buffer->sbumpc();
                    fields.back() += '"';
                } else {
                    inQuotes = false;
                    afterQuote = true;
                }
            } else {
                if (c == '\n')
                    ++line_;
                fields.back() += c;
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
            fields.emplace_back();
            afterQuote = false;
        } else if (c == '"' && fields.back().empty() && !afterQuote) {
            inQuotes = true;
        } else {
            if (afterQuote || c == '"')
                malformed_ = true; // a stray quote: keep the text, but the record is not sound
            fields.back() += c;
        }
    }
    if (inQuotes)
        malformed_ = true;
    return true;
}

} // namespace tessaline::cli
