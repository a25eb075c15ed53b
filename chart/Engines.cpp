// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart/Engines.h"

#include "chart/BirthMoment.h"
#include "chart/PositionText.h"

#include <cstddef>

namespace tessaline {

Status StoreBirthInstant(ChartState& state)
{
    BirthInstant& instant = state.instant;
    instant = MakeBirthInstant(state.birthRecord, state.zoneCorrection);
    const Result<Sky> sky = SkyAt(instant, state.ephemeris, state.zodiac, true);
    if (!sky)
        return Fail(sky.error());
    state.ayanamsaDegrees = sky->ayanamsa;
    for (std::size_t point = 0; point < kBodyCount; ++point)
        state.skyLongitudes[point] = sky->points[point].longitude;
    return {};
}

void Angles_Calculation(ChartState& state)
{
    const double ascendant = state.skyLongitudes[ToIndex(BodyIndex::Ascendant)];
    const double midheaven = state.skyLongitudes[ToIndex(BodyIndex::Midheaven)];
    state.ascendantText = FormatZodiacPosition(ascendant);
    state.midheavenText = FormatZodiacPosition(midheaven);
    state.longitudes[ToIndex(BodyIndex::Ascendant)] = ascendant;
    state.longitudes[ToIndex(BodyIndex::Midheaven)] = midheaven;
}

void Moon_Calculation(ChartState& state)
{
    const double lambda = state.skyLongitudes[ToIndex(BodyIndex::Moon)];
    state.moonPosition = FormatZodiacPosition(lambda);
    state.longitudes[ToIndex(BodyIndex::Moon)] = lambda;
}

void Positions_Calculation(ChartState& state)
{
    for (const BodyIndex body :
         {BodyIndex::Sun, BodyIndex::Mercury, BodyIndex::Venus, BodyIndex::Mars, BodyIndex::Jupiter, BodyIndex::Saturn,
          BodyIndex::Uranus, BodyIndex::Neptune, BodyIndex::Pluto, BodyIndex::Rahu, BodyIndex::Ketu}) {
        const double lambda = state.skyLongitudes[ToIndex(body)];
        state.longitudes[ToIndex(body)] = lambda;
        state.positionTable[ToIndex(body)] = FormatPositionEntry(lambda);
    }
    state.positionTable[ToIndex(BodyIndex::Moon)] = FormatPositionEntry(state.moonPosition);
    state.positionTable[ToIndex(BodyIndex::Ascendant)] = FormatPositionEntry(state.ascendantText);
    state.positionTable[ToIndex(BodyIndex::Midheaven)] = FormatPositionEntry(state.midheavenText);
}

} // namespace tessaline
