#pragma once

#include "app/ChartState.h"

#include <nlohmann/json.hpp>
#include <ostream>

namespace tessaline::cli {

using Json = nlohmann::ordered_json;

// {"name", "positions": {14 bodies}, "longitudes": {14 bodies}, "decanates": [ten bodies]}.
Json ChartJson(const ChartState& state);

// The whole decanate table: {"signs": [{"signKey", "rows": [three rows]}, ...]}.
Json DecanateTableJson();

// The chart as a readable page: positions, then each body's decanate and its texts wrapped to width.
void PrintChart(std::ostream& out, const ChartState& state, std::size_t width);

// Breaks a paragraph into lines of at most width characters (a longer word stands on its own line).
std::string WrapText(std::string_view text, std::size_t width, std::string_view indent);

} // namespace tessaline::cli
