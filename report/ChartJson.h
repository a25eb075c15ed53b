// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "decanates/Chart.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace tessaline {

// One chart as one line of JSON: {"line" (when given), "name", "instantUT", "utcOffset", "ephemeris",
// for a sidereal chart "zodiac": "sidereal" and "ayanamsa": {"name", "degrees"},
// "positions": {14 bodies}, "longitudes": {14 bodies}, "decanates": [ten bodies, each with "precise" where
// a classic chart's precise decanate differs]}. Written by hand, straight into out, rather than built as the
// JSON library's value and dumped: a batch writes a hundred thousand of these, the decanate texts alone are
// some kilobytes each, and a value copies each text twice over.
// moreMembers, when given, is inserted after "utcOffset" as it stands ("place": {...}, "clock": {...}).
// Brief leaves out the three interpretation texts of each body, which --decanates gives once for all.
void AppendChartJson(std::string& out, const Chart& chart, std::optional<std::size_t> line,
                     std::string_view moreMembers = {}, bool brief = false);

// The line of a batch row that could not be charted: {"line", "error"}, the message as valid UTF-8 whatever
// the row held.
void AppendRejectedJson(std::string& out, std::size_t line, std::string_view message);

// A line of JSON as an indented document, as one chart on its own is printed.
std::string IndentedJson(std::string_view line);

} // namespace tessaline
