// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "chart/BatchFile.h"
#include "decanates/Chart.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tessaline {

// The birth as a batch row gives it, in the order of the batch's columns (BatchHeader::kNames); a column the
// batch lacks is empty.
using BirthColumns = std::array<std::string_view, BatchHeader::kNames.size()>;

// The place a chart was charted at, for the CSV columns placeId, placeLabel, latitude, longitude.
struct CsvPlace {
    std::int32_t id = 0;
    std::string label; // "Springfield, Illinois, United States"
    double latitude = 0; // degrees, north positive
    double longitude = 0; // degrees, east positive
};

// Columns after all the others, for what a run asked beyond the first outputs: "scheme" (when the decanates
// take another scheme than the table's own), then each point's lunar mansion and pada ("SunNakshatra",
// "SunPada", ... for the 14 points).
struct CsvExtras {
    bool scheme = false;
    bool mansions = false;
    static CsvExtras Of(const ChartOptions& options) noexcept
    {
        return {options.scheme != DecanScheme::Triplicity, options.mansions};
    }
};

// CSV for spreadsheets (RFC 4180, one record per line): the header, then one row per chart or per
// rejected birth. The columns: line, the birth columns, instantUT, utcOffset, the 14 positions, the 14
// longitudes, for each of the ten bodies its decanate sign, decanate number (1-3) and the two margin
// times, error; then, when the charts name their places (placeColumns), placeId, placeLabel, latitude and
// longitude of the place chosen, after the others so that a reader of the older columns reads on. A
// rejected row fills line, the birth columns it has, and error. place: nullptr without the place columns,
// else the place (nothing for a chart given by its coordinates).
void AppendCsvHeader(std::string& out, bool placeColumns = false, CsvExtras extras = {});
void AppendChartCsv(std::string& out, const Chart& chart, std::optional<std::size_t> line, const BirthColumns& inputs,
                    const std::optional<CsvPlace>* place = nullptr);
void AppendCsvError(std::string& out, std::size_t line, const BirthColumns& inputs, std::string_view message,
                    bool placeColumns = false, CsvExtras extras = {});

} // namespace tessaline
