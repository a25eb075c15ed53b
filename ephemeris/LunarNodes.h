// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace tessaline {

struct LunarNodes {
    double rahu; // ascending node, degrees in [0, 360)
    double ketu; // descending node, degrees in [0, 360]
};

// Mean lunar nodes for d days from J2000.0: the conversion uses 180 / 3.1416 and one degree is taken
// off, as the chart has always shown them.
LunarNodes MeanLunarNodes(double d) noexcept;

} // namespace tessaline
