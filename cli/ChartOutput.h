// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/CsvText.h"
#include "base/JsonText.h"
#include "base/VisibleText.h"
#include "chart/BatchFile.h"
#include "chart/ChartState.h"

#include <array>
#include <cstdint>
#include <nlohmann/json.hpp>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

namespace tessaline::cli {

using Json = nlohmann::ordered_json;

// One chart as one line of JSON: {"line" (when given), "name", "instantUT", "utcOffset", "ephemeris",
// for a sidereal chart "zodiac": "sidereal" and "ayanamsa": {"name", "degrees"},
// "positions": {14 bodies}, "longitudes": {14 bodies}, "decanates": [ten bodies, each with "precise" where
// a classic chart's precise decanate differs]}. Written straight into out: a batch writes a
// hundred thousand of these, and the decanate texts alone are some kilobytes each.
// moreMembers, when given, is inserted after "utcOffset" as it stands ("place": {...}, "clock": {...}).
// Brief leaves out the three interpretation texts of each body, which --decanates gives once for all.
void AppendChartJson(std::string& out, const ChartState& state, std::optional<std::size_t> line,
                     std::string_view moreMembers = {}, bool brief = false);

// The birth as a batch row gives it, in the order of kBirthColumnNames; a column the batch lacks is empty.
inline constexpr std::array<const char*, 11> kBirthColumnNames{"name", "date",  "time",    "zone",   "lon",     "lat",
                                                               "dst",  "place", "placeId", "zodiac", "ayanamsa"};
using BirthColumns = std::array<std::string_view, kBirthColumnNames.size()>;

// The place a chart was charted at, for the CSV columns placeId, placeLabel, latitude, longitude.
struct CsvPlace {
    std::int32_t id = 0;
    std::string label; // "Springfield, Illinois, United States"
    double latitude = 0; // degrees, north positive
    double longitude = 0; // degrees, east positive
};

// CSV for spreadsheets (RFC 4180, one record per line): the header, then one row per chart or per
// rejected birth. The columns: line, the birth columns, instantUT, utcOffset, the 14 positions, the 14
// longitudes, for each of the ten bodies its decanate sign, decanate number (1-3) and the two margin
// times, error; then, when the charts name their places (placeColumns), placeId, placeLabel, latitude and
// longitude of the place chosen, after the others so that a reader of the older columns reads on. A
// rejected row fills line, the birth columns it has, and error. place: nullptr without the place columns,
// else the place (nothing for a chart given by its coordinates).
void AppendCsvHeader(std::string& out, bool placeColumns = false);
void AppendChartCsv(std::string& out, const ChartState& state, std::optional<std::size_t> line,
                    const BirthColumns& inputs, const std::optional<CsvPlace>* place = nullptr);
void AppendCsvError(std::string& out, std::size_t line, const BirthColumns& inputs, std::string_view message,
                    bool placeColumns = false);

// The whole decanate table: {"signs": [{"signKey", "rows": [three rows]}, ...]}.
Json DecanateTableJson();

// The chart as a readable page: positions, then each body's decanate and its texts wrapped to width.
void PrintChart(std::ostream& out, const ChartState& state, std::size_t width);

// Breaks a paragraph into lines of at most width characters (a longer word stands on its own line).
std::string WrapText(std::string_view text, std::size_t width, std::string_view indent);

} // namespace tessaline::cli
