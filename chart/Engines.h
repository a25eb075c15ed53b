// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "chart/ChartState.h"
#include "ephemeris/Planets.h"

#include <array>

namespace tessaline {

// The engines: each reads the typed birth instant that StoreBirthData worked out once (and, in a precise
// chart, the ephemeris's points at it), computes its points by the classic formulas or takes the precise
// ones, and writes their longitudes and texts back. Run in this order: the Moon and the angles first, since
// the position table takes their long-form texts. Every point is counted in the state's zodiac: in a
// sidereal chart the ayanamsa of the birth instant is subtracted before formatting.

// What every engine reads, worked out once from the stored birth record, zone correction, mode and zodiac:
// the birth instant, the ayanamsa of a sidereal chart and the points of a precise one. Fails where the
// precise ephemeris does.
Status StoreBirthInstant(ChartState& state);

// Fills ascendantText and midheavenText (long form) and their longitudes.
void Angles_Calculation(ChartState& state);

// The Moon for the birth: fills moonPosition (long form) and its longitude.
void Moon_Calculation(ChartState& state);

// A body's tropical longitude (Sun to Pluto) at an instant by the mode's road, what the chart shows before
// the zodiac; degrees in [0, 360]. Fails only where the precise ephemeris does.
Result<double> BodyLongitudeAt(BodyIndex body, const BirthInstant& at, EphemerisMode mode);

// The ayanamsa to subtract at an instant (Julian day, UT) for a choice of zodiac; 0 for the tropical one.
Result<double> AyanamsaFor(const ZodiacChoice& zodiac, double julianDayUT);

// A tropical longitude counted in the chosen zodiac; degrees in [0, 360). A tropical one comes back unchanged.
double InZodiac(double tropical, const ZodiacChoice& zodiac, double ayanamsaDegrees) noexcept;

// Which orbit gives each body: the Earth's orbit, seen from the Earth, gives the Sun.
struct BodyOrbit {
    BodyIndex body;
    OrbitIndex orbit;
};

inline constexpr std::array<BodyOrbit, kOrbitCount> kBodyOrbits{{
    {BodyIndex::Sun, OrbitIndex::Earth},
    {BodyIndex::Mercury, OrbitIndex::Mercury},
    {BodyIndex::Venus, OrbitIndex::Venus},
    {BodyIndex::Mars, OrbitIndex::Mars},
    {BodyIndex::Jupiter, OrbitIndex::Jupiter},
    {BodyIndex::Saturn, OrbitIndex::Saturn},
    {BodyIndex::Uranus, OrbitIndex::Uranus},
    {BodyIndex::Neptune, OrbitIndex::Neptune},
    {BodyIndex::Pluto, OrbitIndex::Pluto},
}};

// Sun, planets and nodes for the one birth instant, then all fourteen position table entries (the
// Moon and the angles from what Moon_Calculation and Angles_Calculation left).
void Positions_Calculation(ChartState& state);

} // namespace tessaline
