// SPDX-License-Identifier: GPL-3.0-or-later
#include "ephemeris/Angles.h"

#include "ephemeris/AngleMath.h"
#include "ephemeris/JulianDay.h"

#include <cmath>

namespace tessaline {

namespace {

constexpr double kJ1900 = 2415020.0;

} // namespace

double CenturiesSince1900(double julianDayNumber, double universalTime) noexcept
{
    return ((julianDayNumber - kJ1900) + universalTime / 24.0 - 0.5) / kDaysPerCentury;
}

ChartAngles ComputeAngles(double julianDayNumber, double universalTime, double signedLongitude,
                          double signedLatitude) noexcept
{
    const double T = CenturiesSince1900(julianDayNumber, universalTime);
    const double UT = universalTime;
    const double L = signedLongitude;

    ChartAngles angles;
    // UT is added unscaled: T already carries the fraction of the day through UT / 24.
    double theta = 15.0 * (6.6460656 + 2400.0513 * T + 0.0000258 * T * T + UT) - L;
    // Into [0, 360) from both sides; removing whole turns is exact, as repeated subtraction would be.
    theta = std::fmod(theta, 360.0);
    if (theta < 0.0)
        theta += 360.0;
    angles.siderealTime = theta;

    const double RAMC = theta * kRadiansPerDegree;
    const double epsilon = (23.452294 - 0.0130125 * T) * kRadiansPerDegree;

    // The Midheaven lies in the same half of the circle as RAMC.
    double M = ArcTan2(std::tan(RAMC), std::cos(epsilon));
    if (M < 0.0)
        M += kPi;
    if (std::sin(RAMC) < 0.0)
        M += kPi;
    angles.midheaven = M * kDegreesPerRadian;

    // The Ascendant lies in 0°..180° when cos RAMC is positive, in 180°..360° when it is negative.
    const double phi = signedLatitude * kRadiansPerDegree;
    const double x = -(std::sin(RAMC) * std::cos(epsilon)) - (std::sin(epsilon) * std::tan(phi));
    double A = ArcTan2(std::cos(RAMC), x);
    if (A < 0.0)
        A += kPi;
    if (std::cos(RAMC) < 0.0)
        A += kPi;
    double ascendant = A * kDegreesPerRadian;
    while (ascendant >= 360.0)
        ascendant -= 360.0;
    angles.ascendant = ascendant;
    return angles;
}

} // namespace tessaline
