// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/JsonText.h"

#include "base/Utf8.h"

#include <cstdint>
#include <cstring>

namespace tessaline {

namespace {

// True when one of the eight bytes of word is a quote, a backslash or a control character (the bytes a
// JSON string must escape) or not ASCII (a sequence to check for UTF-8). Checking a word at a time keeps
// kilobytes of prose cheap to write.
constexpr bool NeedsLookInWord(std::uint64_t word) noexcept
{
    constexpr std::uint64_t kOnes = 0x0101010101010101ULL;
    constexpr std::uint64_t kHighs = 0x8080808080808080ULL;
    const auto hasZeroByte = [](std::uint64_t v) {
        return ((v - kOnes) & ~v & kHighs) != 0;
    };
    const bool hasControl = ((word - kOnes * 0x20) & ~word & kHighs) != 0;
    return hasControl || (word & kHighs) != 0 || hasZeroByte(word ^ (kOnes * '"'))
        || hasZeroByte(word ^ (kOnes * '\\'));
}

// The escape of an ASCII byte a JSON string cannot hold as it is: a quote, a backslash or a control character.
void AppendEscape(std::string& out, unsigned char c)
{
    static constexpr char kHex[] = "0123456789abcdef";
    out += '\\';
    switch (c) {
    case '"':
        out += '"';
        break;
    case '\\':
        out += '\\';
        break;
    case '\n':
        out += 'n';
        break;
    case '\r':
        out += 'r';
        break;
    case '\t':
        out += 't';
        break;
    default:
        out += "u00";
        out += kHex[c >> 4];
        out += kHex[c & 0xF];
    }
}

} // namespace

void AppendJsonString(std::string& out, std::string_view text)
{
    out += '"';
    std::size_t plainFrom = 0;
    std::size_t i = 0;
    while (i < text.size()) {
        if (i + 8 <= text.size()) {
            std::uint64_t word = 0;
            std::memcpy(&word, text.data() + i, sizeof word);
            if (!NeedsLookInWord(word)) {
                i += 8;
                continue;
            }
        }
        const auto c = static_cast<unsigned char>(text[i]);
        if (c >= 0x80) { // UTF-8 as it is; a byte that is not, U+FFFD: the string stays valid JSON
            if (const std::size_t length = Utf8SequenceLength(text.substr(i)); length != 0) {
                i += length;
                continue;
            }
            out.append(text, plainFrom, i - plainFrom);
            out += "\uFFFD";
            i += Utf8MaximalSubpart(text.substr(i));
            plainFrom = i;
            continue;
        }
        if (c >= 0x20 && c != '"' && c != '\\') {
            ++i;
            continue;
        }
        out.append(text, plainFrom, i - plainFrom);
        plainFrom = ++i;
        AppendEscape(out, c);
    }
    out.append(text, plainFrom);
    out += '"';
}

} // namespace tessaline
