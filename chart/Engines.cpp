// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart/Engines.h"

#include "chart/BirthMoment.h"
#include "chart/PositionText.h"
#include "ephemeris/Angles.h"
#include "ephemeris/JulianDay.h"
#include "ephemeris/LunarNodes.h"
#include "ephemeris/Moon.h"
#include "ephemeris/PreciseEphemeris.h"

#include <algorithm>
#include <array>

namespace tessaline {

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

Status StoreBirthInstant(ChartState& state)
{
    BirthInstant& instant = state.instant;
    instant = MakeBirthInstant(state.birthRecord, state.zoneCorrection);
    const Result<double> ayanamsa = AyanamsaFor(state.zodiac, instant.julianDay);
    if (!ayanamsa)
        return Fail(ayanamsa.error());
    state.ayanamsaDegrees = *ayanamsa;
    state.precisePoints = {};
    if (state.ephemeris == EphemerisMode::Precise) {
        Result<PrecisePoints> points
            = PreciseChartPoints(instant.julianDay, instant.signedLongitude, instant.signedLatitude);
        if (!points)
            return Fail(points.error());
        state.precisePoints = *points;
    }
    return {};
}

void Angles_Calculation(ChartState& state)
{
    const BirthInstant& at = state.instant;
    double ascendant = state.precisePoints.angles.ascendant;
    double midheaven = state.precisePoints.angles.midheaven;
    if (state.ephemeris == EphemerisMode::Classic) {
        const ChartAngles angles
            = ComputeAngles(at.clockDayNumber, at.universalHours, at.signedLongitude, at.signedLatitude);
        ascendant = ReduceDegrees(angles.ascendant);
        midheaven = ReduceDegrees(angles.midheaven);
    }
    ascendant = InZodiac(ascendant, state.zodiac, state.ayanamsaDegrees);
    midheaven = InZodiac(midheaven, state.zodiac, state.ayanamsaDegrees);
    state.ascendantText = FormatZodiacPosition(ascendant);
    state.midheavenText = FormatZodiacPosition(midheaven);
    state.longitudes[ToIndex(BodyIndex::Ascendant)] = ascendant;
    state.longitudes[ToIndex(BodyIndex::Midheaven)] = midheaven;
}

Result<double> BodyLongitudeAt(BodyIndex body, const BirthInstant& at, EphemerisMode mode)
{
    if (mode == EphemerisMode::Precise)
        return PreciseLongitude(static_cast<PreciseBody>(ToIndex(body)), at.julianDay);
    if (body == BodyIndex::Moon)
        return MoonLongitude(CenturiesSinceJ2000(at.clockDayNumber, at.universalHours));
    const auto orbit = std::find_if(kBodyOrbits.begin(), kBodyOrbits.end(),
                                    [body](const BodyOrbit& entry) { return entry.body == body; });
    return GeocentricLongitude(orbit->orbit, at.j2000Days);
}

void Moon_Calculation(ChartState& state)
{
    const BirthInstant& at = state.instant;
    const double tropical = state.ephemeris == EphemerisMode::Precise
        ? state.precisePoints.bodies[ToIndex(BodyIndex::Moon)]
        : MoonLongitude(CenturiesSinceJ2000(at.clockDayNumber, at.universalHours));
    const double lambda = InZodiac(tropical, state.zodiac, state.ayanamsaDegrees);
    state.moonPosition = FormatZodiacPosition(lambda);
    state.longitudes[ToIndex(BodyIndex::Moon)] = lambda;
}

void Positions_Calculation(ChartState& state)
{
    const bool precise = state.ephemeris == EphemerisMode::Precise;
    const double d = state.instant.j2000Days;
    const double ayanamsa = state.ayanamsaDegrees;

    std::array<double, kOrbitCount> lambdas{};
    if (!precise)
        lambdas = GeocentricLongitudes(d);
    for (const BodyOrbit& entry : kBodyOrbits) {
        const double lambda = InZodiac(precise ? state.precisePoints.bodies[ToIndex(entry.body)]
                                               : lambdas[static_cast<std::size_t>(entry.orbit)],
                                       state.zodiac, ayanamsa);
        state.longitudes[ToIndex(entry.body)] = lambda;
        state.positionTable[ToIndex(entry.body)] = FormatPositionEntry(lambda);
    }
    state.positionTable[ToIndex(BodyIndex::Moon)] = FormatPositionEntry(state.moonPosition);
    state.positionTable[ToIndex(BodyIndex::Ascendant)] = FormatPositionEntry(state.ascendantText);
    state.positionTable[ToIndex(BodyIndex::Midheaven)] = FormatPositionEntry(state.midheavenText);

    LunarNodes nodes{};
    if (precise) {
        // The standard mean node, without the classic rule's degree.
        nodes.rahu = state.precisePoints.meanNode;
        nodes.ketu = nodes.rahu < 180.0 ? nodes.rahu + 180.0 : nodes.rahu - 180.0;
    } else
        nodes = MeanLunarNodes(d);
    if (state.zodiac.zodiac == Zodiac::Sidereal) {
        // Both nodes move by the same angle, so they stay opposite.
        nodes.rahu = InZodiac(nodes.rahu, state.zodiac, ayanamsa);
        nodes.ketu = InZodiac(nodes.ketu, state.zodiac, ayanamsa);
    }
    state.longitudes[ToIndex(BodyIndex::Rahu)] = nodes.rahu;
    state.longitudes[ToIndex(BodyIndex::Ketu)] = nodes.ketu;
    state.positionTable[ToIndex(BodyIndex::Rahu)] = FormatPositionEntry(nodes.rahu);
    state.positionTable[ToIndex(BodyIndex::Ketu)] = FormatPositionEntry(nodes.ketu);
}

} // namespace tessaline
