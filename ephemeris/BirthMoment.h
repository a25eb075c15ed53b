#pragma once

#include "app/ChartState.h"

namespace tessaline {

inline constexpr double kJ2000 = 2451545.0;
inline constexpr double kDaysPerCentury = 36525.0;

struct BirthMoment {
    double universalTime = 0.0; // hours; may lie below 0 or at or above 24, never wrapped
    double signedLongitude = 0.0; // degrees, west positive
    double signedLatitude = 0.0; // degrees, north positive
};

// Universal time of birth = clock time + the signed zone correction − 1 hour under daylight saving.
// The zone's direction comes from the chosen zone, never from the longitude's hemisphere.
BirthMoment BirthUniversalTime(const BirthRecord& record, const ZoneCorrection& zone) noexcept;

// Number of the Julian day that begins at noon of the civil date (Gregorian from 1582-10-15, Julian
// before). An impossible date counts on into the next month.
double JulianDayNumber(int month, int day, int year) noexcept;

// Julian centuries from J2000.0 to the instant (lunar theory time argument).
double CenturiesSinceJ2000(double julianDayNumber, double universalTime) noexcept;

} // namespace tessaline
