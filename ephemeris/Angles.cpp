// SPDX-License-Identifier: GPL-3.0-or-later
#include "ephemeris/Angles.h"

#include "ephemeris/AngleMath.h"
#include "ephemeris/JulianDay.h"

#include <cmath>

namespace tessaline {

namespace {

constexpr double kJ1900 = 2415020.0;

double Wrapped(double degrees) noexcept
{
    const double wrapped = std::fmod(degrees, 360.0);
    return wrapped < 0.0 ? wrapped + 360.0 : wrapped;
}

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

double MeridianFromMidheaven(double midheaven, double obliquity) noexcept
{
    const double M = midheaven * kRadiansPerDegree;
    const double epsilon = obliquity * kRadiansPerDegree;
    return Wrapped(std::atan2(std::sin(M) * std::cos(epsilon), std::cos(M)) * kDegreesPerRadian);
}

double AscendantFromMidheaven(double midheaven, double obliquity, double signedLatitude) noexcept
{
    const double theta = MeridianFromMidheaven(midheaven, obliquity) * kRadiansPerDegree;
    const double epsilon = obliquity * kRadiansPerDegree;
    const double phi = signedLatitude * kRadiansPerDegree;
    double ascendant = Wrapped(
        std::atan2(std::cos(theta), -(std::sin(theta) * std::cos(epsilon) + std::tan(phi) * std::sin(epsilon)))
        * kDegreesPerRadian);
    if (Wrapped(ascendant - midheaven) > 180.0)
        ascendant = Wrapped(ascendant + 180.0);
    return ascendant;
}

} // namespace tessaline
