// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "chart/BirthData.h"
#include "chart/ChartState.h"
#include "decanates/Chart.h"

namespace tessaline {

// The driver's steps after validation: the name, the zone correction, then the rest of the record in
// its fixed order; then what every engine reads, worked out once: the birth instant, the ayanamsa of a
// sidereal chart and the points of a precise one (the state's mode and zodiac are set before). The form
// must have passed ValidateBirthData; the state is a fresh one (a field the form leaves out keeps its default). Fails
// only where the precise ephemeris does.
Status StoreBirthData(ChartState& state, const BirthDataForm& form);

// The engines in their fixed order: angles, Moon, positions, decanates, then in a classic chart the
// precise decanates near an edge.
Status RunChartEngines(ChartState& state);

// A chart from a birth: the form's checks, then on a working record of its own storing, the engines and the
// birth-time margins, and the chart read out of it. A failed check fails with its number, message and field; a
// position the precise ephemeris could not compute fails as check 0, with its reason. Nothing of one
// calculation reaches another.
Result<Chart, ValidationFailure> Calculate(const Birth& birth, const ChartOptions& options);

} // namespace tessaline
