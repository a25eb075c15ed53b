// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/Result.h"
#include "chart/ChartState.h"

#include <string>

namespace tessaline {

// How far the birth time may be off before a body changes decanate: for each of the ten bodies, the
// latest earlier and the earliest later clock time within three hours at which the chart entered for
// that time would show another decanate. Reads the stored record, zone and longitudes; fails where the
// precise ephemeris does.
Status Margins_Calculation(ChartState& state);

// "The decanate changes if the birth was before 09:14 or after 13:02", or empty when the decanate holds
// for three hours either way. A time on another calendar day than the birth's clock names its day:
// "before 22:24 on 31 December 2049".
std::string MarginSentence(const BirthTimeMargin& margin, const CivilInstant& birthClock);

inline constexpr int kMarginWindowMinutes = 180;

} // namespace tessaline
