// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/Result.h"
#include "ephemeris/Angles.h"
#include "ephemeris/Ayanamsa.h"
#include "ephemeris/Body.h"
#include "ephemeris/CivilTime.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace tessaline {

// The bodies the precise ephemeris gives: Sun to Pluto, the first ten points of Body.
inline constexpr int kPreciseBodyCount = static_cast<int>(kDecanateBodyCount);

// Julian day of an instant given in universal time, proleptic Gregorian calendar.
double JulianDayUT(const CivilInstant& at) noexcept;

// The precise positions come from the ephemeris tables compiled into the program (ephemeris/EphemerisTables.h):
// fits of the ephemeris library's results for 1900-12-29 to 2051-01-03 (UT). An instant outside that span
// fails with a message that says so: a position that could not be computed is never handed on as 0°.

// Geocentric apparent ecliptic longitude of date (light-time, aberration, deflection, nutation) at a
// universal instant, the library's ΔT applied; degrees in [0, 360).
// body is one of Sun to Pluto.
Result<double> PreciseLongitude(Body body, double julianDayUT);

// Ascendant and Midheaven with nutation (true obliquity, apparent sidereal time) for a universal instant
// and a place (longitude west positive, latitude north positive, degrees, as the engines hold them).
Result<PreciseAngles> PreciseChartAngles(double julianDayUT, double signedLongitude, double signedLatitude);

// The true obliquity of the ecliptic at a universal instant, degrees (about 23.44).
Result<double> PreciseTrueObliquity(double julianDayUT);

// The Moon's mean ascending node, ecliptic of date; degrees in [0, 360).
Result<double> PreciseMeanNode(double julianDayUT);

// Every point of a precise chart at one instant and place: the bodies Sun to Pluto by ToIndex, the mean node
// and the angles.
struct PrecisePoints {
    std::array<double, kPreciseBodyCount> bodies{};
    double meanNode = 0.0;
    PreciseAngles angles;
};
Result<PrecisePoints> PreciseChartPoints(double julianDayUT, double signedLongitude, double signedLatitude);

// The ayanamsa at a universal instant, nutation included, as the library defines it: what to subtract
// from an apparent tropical longitude of date. Degrees, about 24 for Lahiri in this century.
Result<double> PreciseAyanamsa(Ayanamsa ayanamsa, double julianDayUT);

// One line for people: where the precise positions come from, the library and files the tables were fitted
// to, their years and how close they stay to the library.
std::string PreciseEphemerisDescription();

} // namespace tessaline
