// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "chart/ChartState.h"
#include "ephemeris/Planets.h"

#include <array>

namespace tessaline {

// The engines: each reads the birth record from the state, asks the astronomy below for its points
// (the classic formulas or the precise ephemeris, as the state's mode says) and writes their texts and
// longitudes back. Run in this order: the Moon and the angles first, since the
// position table takes their long-form texts.

// Every point the engines write is counted in the state's zodiac: in a sidereal chart each engine subtracts
// the ayanamsa of the birth instant (from the precise ephemeris, in both modes) before formatting.

// Fills ascendantText and midheavenText (long form) from the birth record.
void Angles_Calculation(ChartState& state);

// The Moon's longitude for a record's clock time and a zone, by the birth moment's road: universal time,
// Julian Day Number, centuries from J2000.0.
double MoonLongitudeFor(const BirthRecord& record, const ZoneCorrection& zone) noexcept;

// The Moon for the birth in the record: fills moonPosition (long form) and its longitude.
void Moon_Calculation(ChartState& state);

// A body's precise longitude (Sun to Pluto) at an instant in universal time; degrees in [0, 360).
double PreciseBodyLongitude(BodyIndex body, const CivilInstant& universal) noexcept;

// A body's longitude (Sun to Pluto) for a record and a zone, by the mode's road: what the chart shows.
double BodyLongitudeFor(BodyIndex body, const BirthRecord& record, const ZoneCorrection& zone,
                        EphemerisMode mode) noexcept;

// The ayanamsa to subtract at an instant in universal time for a choice of zodiac; 0 for the tropical one.
double AyanamsaFor(const ZodiacChoice& zodiac, const CivilInstant& universal) noexcept;

// A tropical longitude counted in the chosen zodiac; degrees in [0, 360). A tropical one comes back unchanged.
double InZodiac(double tropical, const ZodiacChoice& zodiac, double ayanamsaDegrees) noexcept;

// The same in the chosen zodiac, the ayanamsa taken at the birth instant of the record.
double BodyLongitudeFor(BodyIndex body, const BirthRecord& record, const ZoneCorrection& zone, EphemerisMode mode,
                        const ZodiacChoice& zodiac) noexcept;

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
