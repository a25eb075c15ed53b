// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string_view>

namespace tessaline {

// The bytes one place of a UTF-8 sequence may hold, both ends included.
struct ByteRange {
    unsigned char low = 0;
    unsigned char high = 0;
};

// How many bytes the sequence a lead byte opens holds: 1 for ASCII, 2 to 4, or 0 for a byte that opens none (a
// continuation byte, C0 and C1, which could only start an overlong form, and F5 to FF, past U+10FFFF).
constexpr std::size_t Utf8LengthOfLead(unsigned char lead) noexcept
{
    return lead < 0x80 ? 1 : lead < 0xC2 ? 0 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : lead < 0xF5 ? 4 : 0;
}

// The bytes allowed as the n-th continuation byte (n from 1) of the sequence lead opens: 80 to BF, except the
// first after E0 and F0 (no overlong form), ED (no surrogate) and F4 (nothing past U+10FFFF). The one table of
// well-formed UTF-8 (Unicode's Table 3-7); everything that checks UTF-8 reads it.
constexpr ByteRange Utf8Continuation(unsigned char lead, std::size_t n) noexcept
{
    if (n != 1)
        return {0x80, 0xBF};
    switch (lead) {
    case 0xE0:
        return {0xA0, 0xBF};
    case 0xED:
        return {0x80, 0x9F};
    case 0xF0:
        return {0x90, 0xBF};
    case 0xF4:
        return {0x80, 0x8F};
    default:
        return {0x80, 0xBF};
    }
}

// How many characters text holds: its bytes that are not continuation bytes. What a line is measured in on a
// terminal or in a picture's caption ("°" and "′" take two and three bytes but one column).
constexpr std::size_t Utf8CharacterCount(std::string_view text) noexcept
{
    std::size_t count = 0;
    for (const char c : text)
        count += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
    return count;
}

// The length of the well-formed UTF-8 sequence at the start of text (1 to 4), 0 when there is none: a stray
// or missing continuation byte, an overlong form, a surrogate or a code point past U+10FFFF.
std::size_t Utf8SequenceLength(std::string_view text) noexcept;

// How many bytes of the ill-formed sequence at the start of text one U+FFFD stands for: its lead and the
// continuation bytes that could still have made it well-formed (Unicode's maximal subpart); 1 at least
// when text is not empty.
std::size_t Utf8MaximalSubpart(std::string_view text) noexcept;

} // namespace tessaline
