#include "chart/Engines.h"

#include "chart/BirthMoment.h"
#include "chart/PositionText.h"
#include "ephemeris/Angles.h"
#include "ephemeris/JulianDay.h"
#include "ephemeris/LunarNodes.h"
#include "ephemeris/Moon.h"

#include <array>

namespace tessaline {

void Angles_Calculation(ChartState& state)
{
    const BirthRecord& record = state.birthRecord;
    const BirthMoment moment = BirthUniversalTime(record, state.zoneCorrection);
    const double J = JulianDayNumber(record.month, record.day, record.year);
    const ChartAngles angles = ComputeAngles(J, moment.universalTime, moment.signedLongitude, moment.signedLatitude);

    const double ascendant = ReduceDegrees(angles.ascendant);
    const double midheaven = ReduceDegrees(angles.midheaven);
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

void Moon_Calculation(ChartState& state)
{
    const double lambda = MoonLongitudeFor(state.birthRecord, state.zoneCorrection);
    state.moonPosition = FormatZodiacPosition(lambda);
    state.longitudes[ToIndex(BodyIndex::Moon)] = lambda;
}

void Positions_Calculation(ChartState& state)
{
    const CivilInstant at = BodiesInstant(state.birthRecord, state.zoneCorrection);
    state.universalInstant = at;
    const double d = J2000DayNumber(at);

    const std::array<double, kOrbitCount> lambdas = GeocentricLongitudes(d);
    for (const BodyOrbit& entry : kBodyOrbits) {
        const double lambda = lambdas[static_cast<std::size_t>(entry.orbit)];
        state.longitudes[ToIndex(entry.body)] = lambda;
        state.positionTable[ToIndex(entry.body)] = FormatPositionEntry(lambda);
    }
    state.positionTable[ToIndex(BodyIndex::Moon)] = FormatPositionEntry(state.moonPosition);
    state.positionTable[ToIndex(BodyIndex::Ascendant)] = FormatPositionEntry(state.ascendantText);
    state.positionTable[ToIndex(BodyIndex::Midheaven)] = FormatPositionEntry(state.midheavenText);

    const LunarNodes nodes = MeanLunarNodes(d);
    state.longitudes[ToIndex(BodyIndex::Rahu)] = nodes.rahu;
    state.longitudes[ToIndex(BodyIndex::Ketu)] = nodes.ketu;
    state.positionTable[ToIndex(BodyIndex::Rahu)] = FormatPositionEntry(nodes.rahu);
    state.positionTable[ToIndex(BodyIndex::Ketu)] = FormatPositionEntry(nodes.ketu);
}

} // namespace tessaline
