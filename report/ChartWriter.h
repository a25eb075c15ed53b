// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "decanates/Chart.h"
#include "report/ChartCsv.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace tessaline {

enum class ChartFormat { Text, Json, Csv };

// What a chart's output carries beside the chart itself.
struct ChartRow {
    std::optional<std::size_t> line; // a batch row's line in its file; nothing for a chart on its own
    BirthColumns inputs{}; // the birth as given, for the CSV
    std::string_view moreJson; // JSON members after "utcOffset": the place, the clock, the warnings
    const std::optional<CsvPlace>* place = nullptr; // the CSV's place columns; nullptr without them
};

struct ChartWriting {
    ChartFormat format = ChartFormat::Text;
    bool brief = false; // JSON without the interpretation texts
    std::size_t width = 80; // the text's lines
};

// One chart in the format asked for, the same for a chart on its own and a batch row but for what a batch
// needs: a chart on its own is an indented JSON document, a CSV header and its row, or the page; a batch row
// is one JSON line, one CSV row (AppendCsvHeader writes the header once before the rows) or "line N: " and
// the page, followed by an empty line.
void WriteChart(std::string& out, const Chart& chart, const ChartRow& row, const ChartWriting& writing);

// A batch row that could not be charted, said in the output where the format has room for it (a JSON line, a
// CSV row); nothing in text, whose readers find the message among the others.
void WriteRejectedRow(std::string& out, ChartFormat format, std::size_t line, const BirthColumns& inputs,
                      std::string_view message, bool placeColumns, CsvExtras extras = {});

} // namespace tessaline
