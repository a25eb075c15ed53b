// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "decanates/Chart.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace tessaline {

// The chart as a readable page: positions, then each body's decanate and its texts wrapped to width.
void AppendChartText(std::string& out, const Chart& chart, std::size_t width);

// Breaks a paragraph into lines of at most width characters (a longer word stands on its own line).
std::string WrapText(std::string_view text, std::size_t width, std::string_view indent);

} // namespace tessaline
