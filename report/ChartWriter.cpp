// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/ChartWriter.h"

#include "report/ChartJson.h"
#include "report/ChartText.h"

namespace tessaline {

void WriteChart(std::string& out, const Chart& chart, const ChartRow& row, const ChartWriting& writing)
{
    switch (writing.format) {
    case ChartFormat::Json:
        if (row.line) {
            AppendChartJson(out, chart, row.line, row.moreJson, writing.brief);
        } else {
            std::string line;
            AppendChartJson(line, chart, std::nullopt, row.moreJson, writing.brief);
            out += IndentedJson(line);
        }
        out += '\n';
        return;
    case ChartFormat::Csv:
        if (!row.line)
            AppendCsvHeader(out, row.place != nullptr, {chart.Scheme() != DecanScheme::Triplicity, chart.Mansions()});
        AppendChartCsv(out, chart, row.line, row.inputs, row.place);
        return;
    case ChartFormat::Text:
        if (row.line) {
            out += "line ";
            out += std::to_string(*row.line);
            out += ": ";
        }
        AppendChartText(out, chart, writing.width);
        if (row.line)
            out += '\n';
        return;
    }
}

void WriteRejectedRow(std::string& out, ChartFormat format, std::size_t line, const BirthColumns& inputs,
                      std::string_view message, bool placeColumns, CsvExtras extras)
{
    switch (format) {
    case ChartFormat::Json:
        AppendRejectedJson(out, line, message);
        out += '\n';
        return;
    case ChartFormat::Csv:
        AppendCsvError(out, line, inputs, message, placeColumns, extras);
        return;
    case ChartFormat::Text:
        return;
    }
}

} // namespace tessaline
