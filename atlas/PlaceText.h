// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

namespace tessaline::atlas {

// 116565 -> "116,565".
std::string Thousands(std::int64_t value);

// A coordinate's magnitude to the nearest arc-minute, as the form and the chart take it: 89.644 -> 89° 39'.
// Its side (E or W, N or S) is the caller's, from the sign of what it rounded.
struct ArcMinutes {
    int degrees = 0;
    int minutes = 0; // 0 to 59
};
ArcMinutes RoundToArcMinute(double degrees) noexcept;

} // namespace tessaline::atlas
