// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>

namespace tessaline {

// The fourteen points of a chart, in the order of the position table: the ten bodies Sun to Pluto (the ones
// with a decanate, and the tabs of the results window), the two angles and the two lunar nodes. The one
// enumeration of points: every table that needs another order (the ephemeris's series, the Keplerian orbits)
// maps from it explicitly.
enum class Body : int {
    Sun = 0,
    Moon,
    Mercury,
    Venus,
    Mars,
    Jupiter,
    Saturn,
    Uranus,
    Neptune,
    Pluto,
    Ascendant,
    Midheaven,
    Rahu,
    Ketu,
};

inline constexpr std::size_t kBodyCount = 14;
inline constexpr std::size_t kDecanateBodyCount = 10; // Sun to Pluto

constexpr std::size_t ToIndex(Body body) noexcept
{
    return static_cast<std::size_t>(body);
}

} // namespace tessaline
