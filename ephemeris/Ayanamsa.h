// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace tessaline {

// The ayanamsas a sidereal chart can use: how far the sidereal zodiac's first point lies behind the
// tropical one. Lahiri (Chitrapaksha) is the usual choice and comes first. Their values at an instant come
// from the precise ephemeris (PreciseAyanamsa).
enum class Ayanamsa : int { Lahiri = 0, Raman, Krishnamurti, FaganBradley, TrueChitrapaksha };

inline constexpr int kAyanamsaCount = 5;

// "Lahiri", "Raman", "Krishnamurti", "Fagan/Bradley", "True Chitrapaksha"; empty for a value out of range.
const char* AyanamsaName(Ayanamsa ayanamsa) noexcept;

// "lahiri", "raman", "krishnamurti", "fagan-bradley", "true-chitrapaksha": one word for a command line.
const char* AyanamsaKey(Ayanamsa ayanamsa) noexcept;

} // namespace tessaline
