// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace tessaline {

struct ChartAngles {
    double siderealTime = 0.0; // θ, local sidereal time in degrees, [0, 360)
    double midheaven = 0.0; // degrees, [0, 360)
    double ascendant = 0.0; // degrees, [0, 360)
};

// The Ascendant and Midheaven with nutation (true obliquity, apparent sidereal time), as the precise
// ephemeris gives them.
struct PreciseAngles {
    double ascendant = 0.0; // degrees, [0, 360)
    double midheaven = 0.0; // degrees, [0, 360)
};

// Julian centuries from 1900 January 0.5, the epoch of the sidereal time and obliquity formulas.
double CenturiesSince1900(double julianDayNumber, double universalTime) noexcept;

// Ascendant and Midheaven, tropical of date, for a universal time, a Julian Day Number and a place
// (longitude west positive, latitude north positive, both in degrees).
ChartAngles ComputeAngles(double julianDayNumber, double universalTime, double signedLongitude,
                          double signedLatitude) noexcept;

// The right ascension of the meridian (RAMC) whose Midheaven is the given ecliptic longitude, for an obliquity
// (both degrees): tan RAMC = tan MC · cos ε, in the same half of the circle as the Midheaven; degrees in [0, 360).
double MeridianFromMidheaven(double midheaven, double obliquity) noexcept;

// The Ascendant that goes with a Midheaven at a latitude (north positive), for an obliquity, all degrees: the
// Midheaven's RAMC put into the Ascendant's formula. Beyond the polar circles the Ascendant is kept in the
// half of the ecliptic that follows the Midheaven, as the precise angles keep it. Degrees in [0, 360).
double AscendantFromMidheaven(double midheaven, double obliquity, double signedLatitude) noexcept;

} // namespace tessaline
