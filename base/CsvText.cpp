// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/CsvText.h"

#include "base/VisibleText.h"

#include <algorithm>

namespace tessaline {

namespace {

// Whether text needs VisibleText at all: most of what is written is ASCII without a control character.
bool PlainAscii(std::string_view text) noexcept
{
    return std::all_of(text.begin(), text.end(), [](char c) {
        const auto b = static_cast<unsigned char>(c);
        return b >= 0x20 && b < 0x7F;
    });
}

} // namespace

void AppendCsvQuoted(std::string& out, std::string_view text, std::string_view prefix)
{
    // A plain loop: find_first_of searches the four characters once per byte of the text.
    const bool quoted
        = std::any_of(text.begin(), text.end(), [](char c) { return c == ',' || c == '"' || c == '\r' || c == '\n'; });
    if (!quoted) {
        out += prefix;
        out += text;
        return;
    }
    out += '"';
    out += prefix;
    for (char c : text) {
        if (c == '"')
            out += '"';
        out += c;
    }
    out += '"';
}

std::string CsvText(std::string_view text)
{
    return PlainAscii(text) ? std::string(text) : VisibleText(text, Malformed::Replaced);
}

void AppendCsvField(std::string& out, std::string_view text)
{
    const bool looksLikeFormula = !text.empty() && std::string_view("=+-@\t\r").find(text[0]) != std::string_view::npos;
    const bool signedNumber = text.size() > 1 && (text[0] == '+' || text[0] == '-')
        && text.find_first_not_of("0123456789:.", 1) == std::string_view::npos;
    const std::string_view prefix = looksLikeFormula && !signedNumber ? "'" : "";
    if (PlainAscii(text))
        AppendCsvQuoted(out, text, prefix);
    else
        AppendCsvQuoted(out, CsvText(text), prefix);
}

} // namespace tessaline
