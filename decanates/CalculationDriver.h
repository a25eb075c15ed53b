// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "chart/BirthData.h"
#include "chart/ChartState.h"

namespace tessaline {

// The driver's steps after validation: the name, the zone correction, then the rest of the record in
// its fixed order. The form must have passed ValidateBirthData.
void StoreBirthData(ChartState& state, const BirthDataForm& form);

// The engines in their fixed order: angles, Moon, positions, decanates, then in a classic chart the
// precise decanates near an edge.
void RunChartEngines(ChartState& state);

// Validation, storing, the engines and the birth-time margins; returns the failed check (state untouched)
// or nothing.
std::optional<ValidationFailure> CalculateChart(ChartState& state, const BirthDataForm& form);

} // namespace tessaline
