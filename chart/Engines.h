// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "chart/ChartState.h"
#include "chart/Sky.h"

#include <array>

namespace tessaline {

// The engines: each takes its points from the sky at the birth instant that StoreBirthInstant asked for once
// (chart/Sky.h: the classic formulas or the precise ephemeris, in the state's zodiac) and writes their
// longitudes and texts into the chart. Run in this order: the Moon and the angles first, since the position
// table takes their long-form texts.

// What every engine reads, worked out once from the stored birth record, zone correction, mode and zodiac:
// the birth instant, the ayanamsa of a sidereal chart and the sky at that instant and place. Fails where the
// precise ephemeris does.
Status StoreBirthInstant(ChartState& state);

// Fills ascendantText and midheavenText (long form) and their longitudes.
void Angles_Calculation(ChartState& state);

// The Moon for the birth: fills moonPosition (long form) and its longitude.
void Moon_Calculation(ChartState& state);

// Sun, planets and nodes for the one birth instant, then all fourteen position table entries (the
// Moon and the angles from what Moon_Calculation and Angles_Calculation left).
void Positions_Calculation(ChartState& state);

} // namespace tessaline
