// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <charconv>
#include <string>

namespace tessaline {

// Shortest text that reads back as the same double: full precision, no noise digits.
inline void AppendShortestNumber(std::string& out, double value)
{
    std::array<char, 32> digits{};
    const auto written = std::to_chars(digits.data(), digits.data() + digits.size(), value);
    out.append(digits.data(), written.ptr);
}

} // namespace tessaline
