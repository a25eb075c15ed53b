// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace tessaline {

inline constexpr double kJ2000 = 2451545.0;
inline constexpr double kDaysPerCentury = 36525.0;

// Number of the Julian day that begins at noon of the civil date (Gregorian from 1582-10-15, Julian
// before). An impossible date counts on into the next month.
double JulianDayNumber(int month, int day, int year) noexcept;

// Julian centuries from J2000.0 to the instant (lunar theory time argument).
double CenturiesSinceJ2000(double julianDayNumber, double universalTime) noexcept;

} // namespace tessaline
