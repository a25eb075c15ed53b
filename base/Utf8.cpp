// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/Utf8.h"

namespace tessaline {

namespace {

// How many bytes at the start of text fit the sequence its lead opens, up to expected (its whole length).
std::size_t FittingBytes(std::string_view text, std::size_t expected) noexcept
{
    const auto lead = static_cast<unsigned char>(text[0]);
    std::size_t length = 1;
    for (; length < expected && length < text.size(); ++length) {
        const ByteRange allowed = Utf8Continuation(lead, length);
        const auto b = static_cast<unsigned char>(text[length]);
        if (b < allowed.low || b > allowed.high)
            break;
    }
    return length;
}

} // namespace

std::size_t Utf8SequenceLength(std::string_view text) noexcept
{
    if (text.empty())
        return 0;
    const std::size_t expected = Utf8LengthOfLead(static_cast<unsigned char>(text[0]));
    if (expected == 0)
        return 0;
    return FittingBytes(text, expected) == expected ? expected : 0;
}

std::size_t Utf8MaximalSubpart(std::string_view text) noexcept
{
    if (text.empty())
        return 0;
    const std::size_t expected = Utf8LengthOfLead(static_cast<unsigned char>(text[0]));
    return expected == 0 ? 1 : FittingBytes(text, expected);
}

} // namespace tessaline
