// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart/Text.h"

#include <cstdint>
#include <memory>
#include <string>
#include <unicode/ucasemap.h>
#include <unicode/utf8.h>

namespace tessaline {

std::string_view TrimBlanks(std::string_view text) noexcept
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::string CaseFolded(std::string_view text)
{
    std::string kept(text);
    bool ascii = true;
    for (const char c : text)
        ascii = ascii && static_cast<unsigned char>(c) < 0x80;
    if (ascii) { // Unicode's folding of ASCII is its lower case: header names and keys take this road
        for (char& c : kept)
            c = (c >= 'A' && c <= 'Z') ? static_cast<char>(c + ('a' - 'A')) : c;
        return kept;
    }
    if (kept.size() > static_cast<std::size_t>(INT32_MAX / 4))
        return kept; // ICU counts in int32_t
    const auto length = static_cast<int32_t>(kept.size());
    for (int32_t at = 0; at < length;) {
        UChar32 c = 0;
        U8_NEXT(kept.data(), at, length, c);
        if (c < 0)
            return kept; // not UTF-8: compared byte for byte
    }
    UErrorCode status = U_ZERO_ERROR;
    const std::unique_ptr<UCaseMap, decltype(&ucasemap_close)> caseMap(ucasemap_open("", 0, &status), &ucasemap_close);
    if (U_FAILURE(status))
        return kept;
    std::string folded(kept.size() + 8, '\0');
    int32_t written = ucasemap_utf8FoldCase(caseMap.get(), folded.data(), static_cast<int32_t>(folded.size()),
                                            kept.data(), length, &status);
    if (status == U_BUFFER_OVERFLOW_ERROR) { // "ß" folds to "ss"
        status = U_ZERO_ERROR;
        folded.resize(static_cast<std::size_t>(written));
        written = ucasemap_utf8FoldCase(caseMap.get(), folded.data(), written, kept.data(), length, &status);
    }
    if (U_FAILURE(status))
        return kept;
    folded.resize(static_cast<std::size_t>(written));
    return folded;
}

std::string FoldKey(std::string_view text)
{
    std::string key = CaseFolded(text);
    std::erase(key, ' ');
    return key;
}

std::size_t Utf8SequenceLength(std::string_view text) noexcept
{
    if (text.empty())
        return 0;
    const auto byte = [&text](std::size_t i) {
        return static_cast<unsigned char>(text[i]);
    };
    const auto continuation = [&](std::size_t i, unsigned char low = 0x80, unsigned char high = 0xBF) {
        return i < text.size() && byte(i) >= low && byte(i) <= high;
    };
    const unsigned char lead = byte(0);
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        return continuation(1) ? 2 : 0;
    if (lead >= 0xE0 && lead <= 0xEF)
        return continuation(1, lead == 0xE0 ? 0xA0 : 0x80, lead == 0xED ? 0x9F : 0xBF) && continuation(2) ? 3 : 0;
    if (lead >= 0xF0 && lead <= 0xF4)
        return continuation(1, lead == 0xF0 ? 0x90 : 0x80, lead == 0xF4 ? 0x8F : 0xBF) && continuation(2)
                && continuation(3)
            ? 4
            : 0;
    return 0;
}

std::string VisibleText(std::string_view text, Malformed malformed, LineBreaks lineBreaks)
{
    const bool replace = malformed == Malformed::Replaced;
    static constexpr char kHex[] = "0123456789abcdef";
    std::string out;
    out.reserve(text.size());
    const auto escapeByte = [&out](unsigned char c) {
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
    };
    const auto escapeCodePoint = [&out](unsigned code) {
        out += "\\u";
        for (int shift = 12; shift >= 0; shift -= 4)
            out += kHex[(code >> shift) & 0xF];
    };
    std::size_t i = 0;
    while (i < text.size()) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c < 0x80) {
            if ((c < 0x20 && !(c == '\n' && lineBreaks == LineBreaks::Kept)) || c == 0x7F)
                escapeByte(c);
            else
                out += static_cast<char>(c);
            ++i;
            continue;
        }
        const std::size_t length = Utf8SequenceLength(text.substr(i));
        if (length == 0) {
            if (replace)
                out += "\uFFFD";
            else
                escapeByte(c);
            ++i;
            continue;
        }
        unsigned code = c & (0xFF >> (length + 1));
        for (std::size_t k = 1; k < length; ++k)
            code = (code << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
        const bool c1Control = code >= 0x80 && code <= 0x9F;
        const bool bidiControl = code == 0x061C || code == 0x200E || code == 0x200F
            || (code >= 0x202A && code <= 0x202E) || (code >= 0x2066 && code <= 0x2069);
        if (c1Control || bidiControl)
            escapeCodePoint(code);
        else
            out.append(text, i, length);
        i += length;
    }
    return out;
}

} // namespace tessaline
