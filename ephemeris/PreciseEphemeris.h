// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ephemeris/CivilTime.h"
#include "ephemeris/Result.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace tessaline {

// The bodies the precise ephemeris gives, in the order of the position table.
enum class PreciseBody : int { Sun = 0, Moon, Mercury, Venus, Mars, Jupiter, Saturn, Uranus, Neptune, Pluto };

inline constexpr int kPreciseBodyCount = 10;

// Where the precise positions come from: the ephemeris data files, or the library's built-in analytic
// theory when the files are missing (good to about a second of arc for the planets, a few for the Moon).
enum class PreciseSource { DataFiles, Analytic };

// Julian day of an instant given in universal time, proleptic Gregorian calendar.
double JulianDayUT(const CivilInstant& at) noexcept;

// Geocentric apparent ecliptic longitude of date (light-time, aberration, deflection, nutation) at a
// universal instant, the library's ΔT applied; degrees in [0, 360). The error says why the library could
// not compute it: a position that failed is never handed on as 0°.
Result<double> PreciseLongitude(PreciseBody body, double julianDayUT);

struct PreciseAngles {
    double ascendant = 0.0; // degrees, [0, 360)
    double midheaven = 0.0; // degrees, [0, 360)
};

// Ascendant and Midheaven with nutation (true obliquity, apparent sidereal time) for a universal instant
// and a place (longitude west positive, latitude north positive, degrees, as the engines hold them).
Result<PreciseAngles> PreciseChartAngles(double julianDayUT, double signedLongitude, double signedLatitude);

// The Moon's mean ascending node, ecliptic of date; degrees in [0, 360).
Result<double> PreciseMeanNode(double julianDayUT);

// Every point of a precise chart at one instant and place: the bodies in PreciseBody order, the mean node
// and the angles.
struct PrecisePoints {
    std::array<double, kPreciseBodyCount> bodies{};
    double meanNode = 0.0;
    PreciseAngles angles;
};
Result<PrecisePoints> PreciseChartPoints(double julianDayUT, double signedLongitude, double signedLatitude);

// The ayanamsas a sidereal chart can use: how far the sidereal zodiac's first point lies behind the
// tropical one. Lahiri (Chitrapaksha) is the usual choice and comes first.
enum class Ayanamsa : int { Lahiri = 0, Raman, Krishnamurti, FaganBradley, TrueChitrapaksha };

inline constexpr int kAyanamsaCount = 5;

// "Lahiri", "Raman", "Krishnamurti", "Fagan/Bradley", "True Chitrapaksha"; empty for a value out of range.
const char* AyanamsaName(Ayanamsa ayanamsa) noexcept;

// "lahiri", "raman", "krishnamurti", "fagan-bradley", "true-chitrapaksha": one word for a command line.
const char* AyanamsaKey(Ayanamsa ayanamsa) noexcept;

// The ayanamsa at a universal instant, nutation included, as the library defines it: what to subtract
// from an apparent tropical longitude of date. Degrees, about 24 for Lahiri in this century.
Result<double> PreciseAyanamsa(Ayanamsa ayanamsa, double julianDayUT);

// Whether the data files were found. The library is opened on the first call of any function here and
// looks in SE_EPHE_PATH when it is set, else in its installed data folder.
PreciseSource PreciseEphemerisSource() noexcept;

// One line for people: the library's version and where its positions come from.
std::string PreciseEphemerisDescription();

} // namespace tessaline
