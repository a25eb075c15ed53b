// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "chart/ChartState.h"
#include "chart/Sky.h"

#include <array>

namespace tessaline {

// The engines: each takes its points from the sky at the birth instant that StoreBirthInstant asked for once
// (chart/Sky.h: the classic formulas or the precise ephemeris, in the state's zodiac) and writes their
// longitudes into the working record. The texts are made from the longitudes where a chart is written
// (chart/PositionText.h), never here.

// What every engine reads, worked out once from the stored birth record, zone correction, mode and zodiac:
// the birth instant, the ayanamsa of a sidereal chart and the sky at that instant and place. Fails where the
// precise ephemeris does.
Status StoreBirthInstant(ChartState& state);

// The Ascendant's and the Midheaven's longitudes.
void Angles_Calculation(ChartState& state);

// The Moon's longitude for the birth.
void Moon_Calculation(ChartState& state);

// The longitudes of the Sun, the planets and the nodes for the one birth instant.
void Positions_Calculation(ChartState& state);

} // namespace tessaline
