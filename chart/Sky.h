// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/Result.h"
#include "chart/ChartState.h"
#include "ephemeris/CivilTime.h"

#include <array>

namespace tessaline {

// The sky at any instant: where every point of a chart stands, in a zodiac, by the classic formulas or the
// precise ephemeris. The one source of positions: a birth chart's engines read it at the birth instant, and
// whatever looks at another moment (the sky around a chart, a calendar of decanate changes) asks it there.

// One point at one instant.
struct SkyPoint {
    double longitude = 0.0; // degrees in [0, 360), in the sky's zodiac
    double speed = 0.0; // degrees a day, negative while the point moves backwards (retrograde); 0 unless asked
    bool Retrograde() const noexcept { return speed < 0.0; }
};

// Whether the daily speeds are wanted: they cost two more skies, one either side of the instant.
enum class SkySpeeds { Left, Wanted };

struct Sky {
    std::array<SkyPoint, kBodyCount> points{}; // by Body; the Ascendant and Midheaven only with angles
    bool angles = false; // the instant had a place, so the Ascendant and Midheaven are set
    double ayanamsa = 0.0; // what was taken off every point (0 in the tropical zodiac), degrees
    const SkyPoint& operator[](Body body) const noexcept { return points[ToIndex(body)]; }
};

// Every point at the instant (and, withAngles, the Ascendant and Midheaven at its place), counted in the
// zodiac. Fails only where the precise ephemeris (which also gives every ayanamsa) does: outside its years.
Result<Sky> SkyAt(const BirthInstant& at, EphemerisMode mode, const ZodiacChoice& zodiac, bool withAngles,
                  SkySpeeds speeds = SkySpeeds::Left);

// A universal instant at a place (degrees, longitude west positive, latitude north positive) in the forms
// the formulas take, as a birth's would be at the same instant.
BirthInstant InstantAt(const CivilInstant& universal, double signedLongitude = 0.0, double signedLatitude = 0.0);

// A body's tropical longitude (Sun to Pluto) at an instant by the mode's road, the one point SkyAt gives
// without the others; degrees in [0, 360]. Fails only where the precise ephemeris does.
Result<double> BodyLongitudeAt(Body body, const BirthInstant& at, EphemerisMode mode);

// The ayanamsa to subtract at an instant (Julian day, UT) for a choice of zodiac; 0 for the tropical one.
Result<double> AyanamsaFor(const ZodiacChoice& zodiac, double julianDayUT);

// A tropical longitude counted in the chosen zodiac; degrees in [0, 360). A tropical one comes back unchanged.
double InZodiac(double tropical, const ZodiacChoice& zodiac, double ayanamsaDegrees) noexcept;

} // namespace tessaline
