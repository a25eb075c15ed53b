// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "chart/ChartState.h"

namespace tessaline {

// The birth record read as an instant and a place: what the engines hand to the astronomy below.
struct BirthMoment {
    double universalTime = 0.0; // hours; may lie below 0 or at or above 24, never wrapped
    double signedLongitude = 0.0; // degrees, west positive
    double signedLatitude = 0.0; // degrees, north positive
};

// What the record's clock adds to reach universal time: the signed zone correction, less the hour the clock ran
// ahead of the zone's standard time under daylight saving (UT = clock + this). The one home of that rule.
ZoneCorrection ClockToUniversal(const BirthRecord& record, const ZoneCorrection& zone) noexcept;

// Universal time of birth = clock time + the signed zone correction − 1 hour under daylight saving.
// The zone's direction comes from the chosen zone, never from the longitude's hemisphere.
BirthMoment BirthUniversalTime(const BirthRecord& record, const ZoneCorrection& zone) noexcept;

// The record's clock date and time.
CivilInstant ClockInstant(const BirthRecord& record) noexcept;

// The clock date-time of the record moved by the signed zone correction and, under daylight saving,
// back one hour, with carry into day, month and year. The one instant of every body of the chart.
CivilInstant BodiesInstant(const BirthRecord& record, const ZoneCorrection& zone) noexcept;

// Everything the engines read of a record and its zone, worked out once.
BirthInstant MakeBirthInstant(const BirthRecord& record, const ZoneCorrection& zone) noexcept;

} // namespace tessaline
