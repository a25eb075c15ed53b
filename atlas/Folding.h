// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Folding a name for searching, one rule for the keys the build writes and the queries a person types:
// lower case, diacritics removed, every run of non-letters one blank. A text beyond ASCII is first brought
// to one form whatever way it was typed (CompatibleCaseFolded: "Zu\u0308rich" as "Zürich", "ΑΘΗΝΑ" as
// "αθηνα", "ﬁ" as "fi", fullwidth letters as ASCII, soft hyphens dropped); its code points then fold
// through the atlas's own table, and one the table does not know (another script) is kept as it is.

#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>

namespace tessaline::atlas::detail {

// One UTF-8 code point from text at i, moving i past it; U+FFFD for a broken sequence (i moves one byte).
inline char32_t NextCodePoint(std::string_view text, std::size_t& i)
{
    const auto byte = [&](std::size_t at) {
        return static_cast<unsigned char>(text[at]);
    };
    const unsigned char lead = byte(i);
    const std::size_t length = lead < 0x80 ? 1
        : (lead >> 5) == 0x6               ? 2
        : (lead >> 4) == 0xE               ? 3
        : (lead >> 3) == 0x1E              ? 4
                                           : 0;
    if (length == 0 || i + length > text.size()) {
        ++i;
        return 0xFFFD;
    }
    char32_t cp = length == 1 ? lead : lead & (0x7F >> length);
    for (std::size_t k = 1; k < length; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80) {
            ++i;
            return 0xFFFD;
        }
        cp = (cp << 6) | (byte(i + k) & 0x3F);
    }
    i += length;
    return cp;
}

// Unicode's NFKC with full case folding, which also drops the default-ignorable code points (soft hyphen,
// zero-width joiners): one text for every way of writing a name. An ill-formed sequence becomes U+FFFD.
std::string CompatibleCaseFolded(std::string_view text);

// lookup(code point) gives what the code point folds to, or nothing when the table lacks it.
template <typename Lookup> std::string FoldText(std::string_view typed, const Lookup& lookup)
{
    // ASCII is its own NFKC form, and its case folding is the lower case below: most names take this road.
    const bool ascii
        = std::all_of(typed.begin(), typed.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    const std::string normalized = ascii ? std::string() : CompatibleCaseFolded(typed);
    const std::string_view text = ascii ? typed : std::string_view(normalized);
    std::string out;
    out.reserve(text.size());
    bool blank = true; // no blank at the start, none doubled
    const auto put = [&](std::string_view piece) {
        for (char c : piece) {
            if (c == ' ') {
                if (!blank)
                    out += ' ';
                blank = true;
            } else {
                out += c;
                blank = false;
            }
        }
    };
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t start = i;
        const char32_t cp = NextCodePoint(text, i);
        if (cp < 0x80) {
            const char c = static_cast<char>(cp);
            const bool letterOrDigit = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
            if (letterOrDigit) {
                out += (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c;
                blank = false;
            } else
                put(" ");
        } else if (const auto folded = lookup(cp))
            put(*folded);
        else
            put(text.substr(start, i - start));
    }
    while (!out.empty() && out.back() == ' ')
        out.pop_back();
    return out;
}

} // namespace tessaline::atlas::detail
