// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ephemeris/Angles.h"
#include "ephemeris/Ayanamsa.h"
#include "ephemeris/Body.h"

#include <cstddef>
#include <optional>
#include <string>

namespace tessaline {

// The instants the ephemeris tables cover, Julian days of universal time, both ends included:
// 1900-12-29 00:00 to 2051-01-03 00:00, so that a birth on the first or last accepted day, in any zone or
// at local mean time, and its birth-time margins stay inside.
struct TabulatedSpan {
    double first = 0.0;
    double last = 0.0;
};

TabulatedSpan EphemerisTablesSpan() noexcept;

// Reads the compiled-in tables through and checks them anew, as their first use does once per process (every
// offset inside them, every segment's parts adding up to it); true when they are sound. For measuring that.
bool CheckEphemerisTables() noexcept;

// The size of the compiled-in tables, bytes.
std::size_t EphemerisTablesSize() noexcept;

// The precise points at one instant, from the ephemeris tables compiled into the program: Chebyshev fits
// of the ephemeris library's results, read in place, so any number of threads may use them at once. The
// nutation in longitude is evaluated once, when the instant is made, for every point that needs it.
class TabulatedInstant
{
public:
    // Nothing for an instant outside the span (or, in a broken build, for tables that fail their check).
    static std::optional<TabulatedInstant> At(double julianDayUT) noexcept;

    double JulianDayUT() const noexcept { return julianDayUT_; }

    // Geocentric apparent ecliptic longitude of date, as PreciseLongitude defines it; degrees in [0, 360).
    double Longitude(Body body) const noexcept; // Sun to Pluto

    // The Moon's mean ascending node, ecliptic and equinox of date; degrees in [0, 360).
    double MeanNode() const noexcept;

    // The ayanamsa with nutation, as PreciseAyanamsa defines it; degrees. Lahiri for a value out of range.
    double AyanamsaDegrees(Ayanamsa ayanamsa) const noexcept;

    // Nutation in longitude, degrees (within ±0.006).
    double NutationInLongitude() const noexcept { return nutationInLongitude_; }

    // The true obliquity of the ecliptic, degrees (about 23.44).
    double TrueObliquity() const noexcept;

    // Greenwich apparent sidereal time, degrees in [0, 360): the library's mean sidereal time plus the
    // equation of the equinoxes (nutation in longitude times the cosine of the true obliquity).
    double ApparentSiderealTime() const noexcept;

    // Ascendant and Midheaven from the apparent sidereal time and the true obliquity, for a place given as
    // the engines hold it (longitude west positive, latitude north positive, degrees). Beyond the polar
    // circles, where the ecliptic can lie along the horizon, the Ascendant is kept in the half of the
    // ecliptic that follows the Midheaven, as the library keeps it.
    PreciseAngles ChartAngles(double signedLongitude, double signedLatitude) const noexcept;

private:
    TabulatedInstant(double julianDayUT, double nutationInLongitude) noexcept
        : julianDayUT_(julianDayUT)
        , nutationInLongitude_(nutationInLongitude)
    { }

    double julianDayUT_;
    double nutationInLongitude_;
};

// One line for people: the library and files the tables were fitted to, their years and how close they
// stay to the library, e.g. "Swiss Ephemeris 2.10.03 (sepl_18.se1, semo_18.se1), tabulated for 1901–2050
// to within 0.006″ of it".
std::string EphemerisTablesDescription();

} // namespace tessaline
