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

namespace {

double PreciseJulianDay(const ChartState& state) noexcept
{
    return JulianDayUT(BodiesInstant(state.birthRecord, state.zoneCorrection));
}

// The ayanamsa of the chart's birth instant, kept in the state for what is shown beside the chart and
// taken from the library only when the instant or the zodiac has changed since.
double ChartAyanamsa(ChartState& state) noexcept
{
    const CivilInstant at = BodiesInstant(state.birthRecord, state.zoneCorrection);
    if (!state.ayanamsaTakenFor || state.ayanamsaTakenFor->first != at
        || state.ayanamsaTakenFor->second != state.zodiac) {
        state.ayanamsaDegrees = AyanamsaFor(state.zodiac, at);
        state.ayanamsaTakenFor.emplace(at, state.zodiac);
    }
    return state.ayanamsaDegrees;
}

} // namespace

double AyanamsaFor(const ZodiacChoice& zodiac, const CivilInstant& universal) noexcept
{
    return zodiac.zodiac == Zodiac::Sidereal ? PreciseAyanamsa(zodiac.ayanamsa, JulianDayUT(universal)) : 0.0;
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

void Angles_Calculation(ChartState& state)
{
    const BirthRecord& record = state.birthRecord;
    const BirthMoment moment = BirthUniversalTime(record, state.zoneCorrection);
    double ascendant = 0.0;
    double midheaven = 0.0;
    if (state.ephemeris == EphemerisMode::Precise) {
        const PreciseAngles angles
            = PreciseChartAngles(PreciseJulianDay(state), moment.signedLongitude, moment.signedLatitude);
        ascendant = angles.ascendant;
        midheaven = angles.midheaven;
    } else {
        const double J = JulianDayNumber(record.month, record.day, record.year);
        const ChartAngles angles
            = ComputeAngles(J, moment.universalTime, moment.signedLongitude, moment.signedLatitude);
        ascendant = ReduceDegrees(angles.ascendant);
        midheaven = ReduceDegrees(angles.midheaven);
    }
    const double ayanamsa = ChartAyanamsa(state);
    ascendant = InZodiac(ascendant, state.zodiac, ayanamsa);
    midheaven = InZodiac(midheaven, state.zodiac, ayanamsa);
    state.ascendantText = FormatZodiacPosition(ascendant);
    state.midheavenText = FormatZodiacPosition(midheaven);
    state.longitudes[ToIndex(BodyIndex::Ascendant)] = ascendant;
    state.longitudes[ToIndex(BodyIndex::Midheaven)] = midheaven;
}

double MoonLongitudeFor(const BirthRecord& record, const ZoneCorrection& zone) noexcept
{
    const BirthMoment moment = BirthUniversalTime(record, zone);
    const double J = JulianDayNumber(record.month, record.day, record.year);
    return MoonLongitude(CenturiesSinceJ2000(J, moment.universalTime));
}

double PreciseBodyLongitude(BodyIndex body, const CivilInstant& universal) noexcept
{
    return PreciseLongitude(static_cast<PreciseBody>(ToIndex(body)), JulianDayUT(universal));
}

double BodyLongitudeFor(BodyIndex body, const BirthRecord& record, const ZoneCorrection& zone,
                        EphemerisMode mode) noexcept
{
    if (mode == EphemerisMode::Precise)
        return PreciseBodyLongitude(body, BodiesInstant(record, zone));
    if (body == BodyIndex::Moon)
        return MoonLongitudeFor(record, zone);
    const auto orbit = std::find_if(kBodyOrbits.begin(), kBodyOrbits.end(),
                                    [body](const BodyOrbit& entry) { return entry.body == body; });
    return GeocentricLongitude(orbit->orbit, J2000DayNumber(BodiesInstant(record, zone)));
}

double BodyLongitudeFor(BodyIndex body, const BirthRecord& record, const ZoneCorrection& zone, EphemerisMode mode,
                        const ZodiacChoice& zodiac) noexcept
{
    const double tropical = BodyLongitudeFor(body, record, zone, mode);
    if (zodiac.zodiac == Zodiac::Tropical)
        return tropical;
    return InZodiac(tropical, zodiac, AyanamsaFor(zodiac, BodiesInstant(record, zone)));
}

void Moon_Calculation(ChartState& state)
{
    const double tropical = state.ephemeris == EphemerisMode::Precise
        ? PreciseLongitude(PreciseBody::Moon, PreciseJulianDay(state))
        : MoonLongitudeFor(state.birthRecord, state.zoneCorrection);
    const double lambda = InZodiac(tropical, state.zodiac, ChartAyanamsa(state));
    state.moonPosition = FormatZodiacPosition(lambda);
    state.longitudes[ToIndex(BodyIndex::Moon)] = lambda;
}

void Positions_Calculation(ChartState& state)
{
    const CivilInstant at = BodiesInstant(state.birthRecord, state.zoneCorrection);
    state.universalInstant = at;
    const bool precise = state.ephemeris == EphemerisMode::Precise;
    const double d = J2000DayNumber(at);
    const double jd = JulianDayUT(at);
    const double ayanamsa = ChartAyanamsa(state);

    std::array<double, kOrbitCount> lambdas{};
    if (!precise)
        lambdas = GeocentricLongitudes(d);
    for (const BodyOrbit& entry : kBodyOrbits) {
        const double lambda = InZodiac(precise ? PreciseLongitude(static_cast<PreciseBody>(ToIndex(entry.body)), jd)
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
        nodes.rahu = PreciseMeanNode(jd);
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
