// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <ostream>

namespace tessaline::cli {

// The 71 zones: position, text as listed, and the hours and minutes that turn the clock time into UT; or as
// JSON with each zone's offset east positive.
void PrintZones(std::ostream& out, bool json);

// The ayanamsas a sidereal chart can use: key and name a line, the default marked.
void PrintAyanamsas(std::ostream& out);

// The whole decanate table as JSON: {"signs": [{"signKey", "rows": [three rows]}, ...]}.
void PrintDecanateTable(std::ostream& out);

// The decan schemes, a line each: the key for --scheme and the name.
void PrintSchemes(std::ostream& out);

} // namespace tessaline::cli
