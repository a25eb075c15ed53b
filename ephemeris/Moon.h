#pragma once

#include "app/ChartState.h"

namespace tessaline {

// Geocentric ecliptic longitude of the Moon, mean equinox of date, from the 25 largest terms of the
// lunar series. T in Julian centuries from J2000.0; result in [0, 360].
double MoonLongitude(double T) noexcept;

// The Moon's longitude for a record's clock time and a zone, by the birth moment's road: universal time,
// Julian Day Number, centuries from J2000.0.
double MoonLongitudeFor(const BirthRecord& record, const ZoneCorrection& zone) noexcept;

// The Moon for the birth in the record: fills moonPosition (long form) and its longitude.
void Moon_Calculation(ChartState& state);

} // namespace tessaline
