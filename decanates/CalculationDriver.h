// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "chart/BirthData.h"
#include "chart/ChartState.h"

namespace tessaline {

// The driver's steps after validation: the name, the zone correction, then the rest of the record in
// its fixed order; then what every engine reads, worked out once: the birth instant, the ayanamsa of a
// sidereal chart and the points of a precise one (the state's mode and zodiac are set before). The form
// must have passed ValidateBirthData. Fails only where the precise ephemeris does.
Status StoreBirthData(ChartState& state, const BirthDataForm& form);

// The engines in their fixed order: angles, Moon, positions, decanates, then in a classic chart the
// precise decanates near an edge.
Status RunChartEngines(ChartState& state);

// Validation, storing, the engines and the birth-time margins. A failed check leaves the state untouched;
// a position the precise ephemeris could not compute fails as check 0, with its reason.
Result<void, ValidationFailure> CalculateChart(ChartState& state, const BirthDataForm& form);

} // namespace tessaline
