// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ephemeris/Body.h"

#include <optional>
#include <string>
#include <string_view>

namespace tessaline {

// The 27 lunar mansions (nakshatras) of 13°20' from 0° of the zodiac, each of four quarters (padas) of
// 3°20'; a decanate holds exactly three padas.
inline constexpr int kMansionCount = 27;

struct LunarMansion {
    int mansion = 0; // 0 Ashvini .. 26 Revati
    int pada = 1; // 1..4
};

// The mansion and pada of a longitude in degrees, by its whole arc-minutes as the position texts truncate
// them, so 13°19' is still Ashvini's fourth pada and 13°20' Bharani's first; nothing for a longitude that is
// not finite.
std::optional<LunarMansion> LunarMansionOf(double longitude) noexcept;

// "Ashvini" .. "Revati", in the usual transliteration; empty outside 0..26.
std::string_view MansionName(int mansion) noexcept;

// The mansion's lord, in the order Ketu, Venus, Sun, Moon, Mars, Rahu, Jupiter, Saturn, Mercury, three times.
Body MansionLord(int mansion) noexcept;

// "Krittika, pada 2 (lord: Sun)".
std::string MansionText(const LunarMansion& mansion);

} // namespace tessaline
