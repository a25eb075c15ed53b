// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/VisibleText.h"

#include "base/Utf8.h"

namespace tessaline {

namespace {

constexpr char kHex[] = "0123456789abcdef";

void AppendByteEscape(std::string& out, unsigned char c)
{
    switch (c) {
    case '\n':
        out += "\\n";
        return;
    case '\r':
        out += "\\r";
        return;
    case '\t':
        out += "\\t";
        return;
    default:
        out += "\\x";
        out += kHex[c >> 4];
        out += kHex[c & 0xF];
    }
}

void AppendCodePointEscape(std::string& out, unsigned code)
{
    out += "\\u";
    for (int shift = 12; shift >= 0; shift -= 4)
        out += kHex[(code >> shift) & 0xF];
}

// The code point of the well-formed sequence of length bytes at the start of text.
unsigned CodePoint(std::string_view text, std::size_t length) noexcept
{
    unsigned code = static_cast<unsigned char>(text[0]) & (0xFFU >> (length + 1));
    for (std::size_t k = 1; k < length; ++k)
        code = (code << 6) | (static_cast<unsigned char>(text[k]) & 0x3FU);
    return code;
}

bool ControlCodePoint(unsigned code) noexcept
{
    const bool c1Control = code >= 0x80 && code <= 0x9F;
    const bool bidiControl = code == 0x061C || code == 0x200E || code == 0x200F || (code >= 0x202A && code <= 0x202E)
        || (code >= 0x2066 && code <= 0x2069);
    return c1Control || bidiControl;
}

} // namespace

std::string VisibleText(std::string_view text, Malformed malformed, LineBreaks lineBreaks)
{
    std::string out;
    out.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c < 0x80) {
            if ((c < 0x20 && !(c == '\n' && lineBreaks == LineBreaks::Kept)) || c == 0x7F)
                AppendByteEscape(out, c);
            else
                out += static_cast<char>(c);
            ++i;
            continue;
        }
        const std::size_t length = Utf8SequenceLength(text.substr(i));
        if (length == 0) {
            if (malformed == Malformed::Replaced)
                out += "\uFFFD";
            else
                AppendByteEscape(out, c);
            ++i;
            continue;
        }
        if (const unsigned code = CodePoint(text.substr(i), length); ControlCodePoint(code))
            AppendCodePointEscape(out, code);
        else
            out.append(text, i, length);
        i += length;
    }
    return out;
}

std::string TerminalText(std::string_view text)
{
    return VisibleText(text, Malformed::Escaped);
}

} // namespace tessaline
