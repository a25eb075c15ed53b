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

} // namespace tessaline
