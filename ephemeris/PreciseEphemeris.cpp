// SPDX-License-Identifier: GPL-3.0-or-later
// The precise positions, from the ephemeris tables.

#include "ephemeris/PreciseEphemeris.h"

#include "ephemeris/EphemerisTables.h"

#include <array>
#include <cstdio>
#include <string>

namespace tessaline {

namespace {

constexpr double kJulianDayOf1970 = 2440587.5;

// The tables at the instant, or why there are none: an instant outside their span.
Result<TabulatedInstant> Tabulated(double julianDayUT)
{
    if (const auto at = TabulatedInstant::At(julianDayUT))
        return *at;
    char text[160];
    std::snprintf(text, sizeof text,
                  "The precise positions cover 29 December 1900 to 3 January 2051 (universal time); Julian day "
                  "%.5f lies outside",
                  julianDayUT);
    return Fail(text);
}

} // namespace

double JulianDayUT(const CivilInstant& at) noexcept
{
    const auto days = static_cast<double>(DaysFromCivil(at.year, at.month, at.day));
    return kJulianDayOf1970 + days + (at.hour * 60 + at.minute) / 1440.0;
}

Result<double> PreciseLongitude(Body body, double julianDayUT)
{
    const Result<TabulatedInstant> at = Tabulated(julianDayUT);
    if (!at)
        return Fail(at.error());
    return at->Longitude(body);
}

Result<PreciseAngles> PreciseChartAngles(double julianDayUT, double signedLongitude, double signedLatitude)
{
    const Result<TabulatedInstant> at = Tabulated(julianDayUT);
    if (!at)
        return Fail(at.error());
    return at->ChartAngles(signedLongitude, signedLatitude);
}

Result<double> PreciseTrueObliquity(double julianDayUT)
{
    const Result<TabulatedInstant> at = Tabulated(julianDayUT);
    if (!at)
        return Fail(at.error());
    return at->TrueObliquity();
}

Result<double> PreciseMeanNode(double julianDayUT)
{
    const Result<TabulatedInstant> at = Tabulated(julianDayUT);
    if (!at)
        return Fail(at.error());
    return at->MeanNode();
}

Result<PrecisePoints> PreciseChartPoints(double julianDayUT, double signedLongitude, double signedLatitude)
{
    const Result<TabulatedInstant> at = Tabulated(julianDayUT); // nutation evaluated once for every point
    if (!at)
        return Fail(at.error());
    PrecisePoints points;
    for (int i = 0; i < kPreciseBodyCount; ++i)
        points.bodies[static_cast<std::size_t>(i)] = at->Longitude(static_cast<Body>(i));
    points.meanNode = at->MeanNode();
    points.angles = at->ChartAngles(signedLongitude, signedLatitude);
    return points;
}

Result<double> PreciseAyanamsa(Ayanamsa ayanamsa, double julianDayUT)
{
    const Result<TabulatedInstant> at = Tabulated(julianDayUT);
    if (!at)
        return Fail(at.error());
    return at->AyanamsaDegrees(ayanamsa);
}

std::string PreciseEphemerisDescription()
{
    return EphemerisTablesDescription();
}

} // namespace tessaline
