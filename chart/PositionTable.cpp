#include "chart/PositionTable.h"

#include "chart/Planets.h"
#include "chart/PositionText.h"

#include <array>

namespace tessaline {

LunarNodes MeanLunarNodes(double d) noexcept
{
    double N = (125.1228 - 0.0529538083 * d) * kRadiansPerDegree;
    N = ReduceRadians(N);
    double rahu = N * (180.0 / 3.1416) - 1.0;
    if (rahu < 0.0)
        rahu += 360.0;
    double ketu = rahu + 180.0;
    while (ketu > 360.0)
        ketu -= 360.0;
    return {rahu, ketu};
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
