// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart/Sky.h"

#include "ephemeris/AngleMath.h"
#include "ephemeris/Angles.h"
#include "ephemeris/JulianDay.h"
#include "ephemeris/LunarNodes.h"
#include "ephemeris/Moon.h"
#include "ephemeris/Planets.h"
#include "ephemeris/PreciseEphemeris.h"

#include <algorithm>
#include <cmath>

namespace tessaline {

namespace {

// Which orbit gives each body: the Earth's orbit, seen from the Earth, gives the Sun.
struct BodyOrbit {
    Body body;
    OrbitIndex orbit;
};

constexpr std::array<BodyOrbit, kOrbitCount> kBodyOrbits{{
    {Body::Sun, OrbitIndex::Earth},
    {Body::Mercury, OrbitIndex::Mercury},
    {Body::Venus, OrbitIndex::Venus},
    {Body::Mars, OrbitIndex::Mars},
    {Body::Jupiter, OrbitIndex::Jupiter},
    {Body::Saturn, OrbitIndex::Saturn},
    {Body::Uranus, OrbitIndex::Uranus},
    {Body::Neptune, OrbitIndex::Neptune},
    {Body::Pluto, OrbitIndex::Pluto},
}};

// The classic Moon: its series at the clock's day and the hours of universal time from that day's midnight.
double ClassicMoonLongitude(const BirthInstant& at) noexcept
{
    return MoonLongitude(CenturiesSinceJ2000(at.clockDayNumber, at.universalHours));
}

// Each point's tropical longitude by the mode's road, by Body (the angles only withAngles).
Result<std::array<double, kBodyCount>> TropicalPoints(const BirthInstant& at, EphemerisMode mode, bool withAngles)
{
    std::array<double, kBodyCount> points{};
    const auto point = [&points](Body body) -> double& {
        return points[ToIndex(body)];
    };
    if (mode == EphemerisMode::Precise) {
        const Result<PrecisePoints> precise = PreciseChartPoints(at.julianDay, at.signedLongitude, at.signedLatitude);
        if (!precise)
            return Fail(precise.error());
        for (std::size_t body = 0; body < kDecanateBodyCount; ++body)
            points[body] = precise->bodies[body];
        // The standard mean node, without the classic rule's degree.
        point(Body::Rahu) = precise->meanNode;
        point(Body::Ketu) = precise->meanNode < 180.0 ? precise->meanNode + 180.0 : precise->meanNode - 180.0;
        if (withAngles) {
            point(Body::Ascendant) = precise->angles.ascendant;
            point(Body::Midheaven) = precise->angles.midheaven;
        }
        return points;
    }
    const std::array<double, kOrbitCount> lambdas = GeocentricLongitudes(at.j2000Days);
    for (const BodyOrbit& entry : kBodyOrbits)
        point(entry.body) = lambdas[static_cast<std::size_t>(entry.orbit)];
    point(Body::Moon) = ClassicMoonLongitude(at);
    const LunarNodes nodes = MeanLunarNodes(at.j2000Days);
    point(Body::Rahu) = nodes.rahu;
    point(Body::Ketu) = nodes.ketu;
    if (withAngles) {
        const ChartAngles angles
            = ComputeAngles(at.clockDayNumber, at.universalHours, at.signedLongitude, at.signedLatitude);
        point(Body::Ascendant) = ReduceDegrees(angles.ascendant);
        point(Body::Midheaven) = ReduceDegrees(angles.midheaven);
    }
    return points;
}

bool IsAngle(Body body) noexcept
{
    return body == Body::Ascendant || body == Body::Midheaven;
}

// The instant moved by a number of days, in every form the formulas read.
BirthInstant Shifted(BirthInstant at, double days) noexcept
{
    at.julianDay += days;
    at.j2000Days += days;
    at.universalHours += days * 24.0;
    return at;
}

// How far a longitude moved from before to after, the short way round: degrees in (-180, 180].
double Moved(double before, double after) noexcept
{
    const double moved = std::remainder(after - before, 360.0);
    return moved == -180.0 ? 180.0 : moved;
}

} // namespace

Result<double> AyanamsaFor(const ZodiacChoice& zodiac, double julianDayUT)
{
    if (zodiac.zodiac == Zodiac::Tropical)
        return 0.0;
    return PreciseAyanamsa(zodiac.ayanamsa, julianDayUT);
}

double InZodiac(double tropical, const ZodiacChoice& zodiac, double ayanamsaDegrees) noexcept
{
    if (zodiac.zodiac == Zodiac::Tropical)
        return tropical; // untouched, to the last digit
    const double sidereal = tropical - ayanamsaDegrees;
    if (sidereal < 0.0)
        return sidereal + 360.0 >= 360.0 ? 0.0 : sidereal + 360.0;
    return sidereal >= 360.0 ? sidereal - 360.0 : sidereal;
}

Result<double> BodyLongitudeAt(Body body, const BirthInstant& at, EphemerisMode mode)
{
    if (mode == EphemerisMode::Precise)
        return PreciseLongitude(body, at.julianDay);
    if (body == Body::Moon)
        return ClassicMoonLongitude(at);
    const auto orbit = std::find_if(kBodyOrbits.begin(), kBodyOrbits.end(),
                                    [body](const BodyOrbit& entry) { return entry.body == body; });
    return GeocentricLongitude(orbit->orbit, at.j2000Days);
}

Result<Sky> SkyAt(const BirthInstant& at, EphemerisMode mode, const ZodiacChoice& zodiac, bool withAngles,
                  SkySpeeds speeds)
{
    const Result<double> ayanamsa = AyanamsaFor(zodiac, at.julianDay);
    if (!ayanamsa)
        return Fail(ayanamsa.error());
    const Result<std::array<double, kBodyCount>> tropical = TropicalPoints(at, mode, withAngles);
    if (!tropical)
        return Fail(tropical.error());
    Sky sky;
    sky.angles = withAngles;
    sky.ayanamsa = *ayanamsa;
    for (std::size_t point = 0; point < kBodyCount; ++point)
        if (withAngles || !IsAngle(static_cast<Body>(point))) // without a place the angles stay 0, unmoving
            sky.points[point].longitude = InZodiac((*tropical)[point], zodiac, *ayanamsa);
    if (speeds == SkySpeeds::Left)
        return sky;
    // Half a day either side for the bodies and nodes, whose speed changes slowly; two minutes for the angles,
    // which go round in a day.
    for (const double half : {0.5, 1.0 / 720}) {
        const Result<Sky> before = SkyAt(Shifted(at, -half), mode, zodiac, withAngles);
        const Result<Sky> after = SkyAt(Shifted(at, half), mode, zodiac, withAngles);
        if (!before || !after)
            return Fail(before ? after.error() : before.error());
        const bool angles = half < 0.5;
        for (std::size_t point = 0; point < kBodyCount; ++point)
            if (IsAngle(static_cast<Body>(point)) == angles)
                sky.points[point].speed
                    = Moved(before->points[point].longitude, after->points[point].longitude) / (2.0 * half);
    }
    return sky;
}

BirthInstant InstantAt(const CivilInstant& universal, double signedLongitude, double signedLatitude)
{
    BirthInstant instant;
    instant.universal = universal;
    instant.julianDay = JulianDayUT(universal);
    instant.j2000Days = J2000DayNumber(universal);
    instant.clockDayNumber = JulianDayNumber(universal.month, universal.day, universal.year);
    instant.universalHours = universal.hour + universal.minute / 60.0;
    instant.signedLongitude = signedLongitude;
    instant.signedLatitude = signedLatitude;
    return instant;
}

} // namespace tessaline
