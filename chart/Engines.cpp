// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart/Engines.h"

#include "chart/BirthMoment.h"

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
    const double ascendant = state.skyLongitudes[ToIndex(Body::Ascendant)];
    const double midheaven = state.skyLongitudes[ToIndex(Body::Midheaven)];
    state.longitudes[ToIndex(Body::Ascendant)] = ascendant;
    state.longitudes[ToIndex(Body::Midheaven)] = midheaven;
}

void Moon_Calculation(ChartState& state)
{
    const double lambda = state.skyLongitudes[ToIndex(Body::Moon)];
    state.longitudes[ToIndex(Body::Moon)] = lambda;
}

void Positions_Calculation(ChartState& state)
{
    for (const Body body : {Body::Sun, Body::Mercury, Body::Venus, Body::Mars, Body::Jupiter, Body::Saturn,
                            Body::Uranus, Body::Neptune, Body::Pluto, Body::Rahu, Body::Ketu}) {
        const double lambda = state.skyLongitudes[ToIndex(body)];
        state.longitudes[ToIndex(body)] = lambda;
    }
}

} // namespace tessaline
