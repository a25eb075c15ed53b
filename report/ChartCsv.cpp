// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/ChartCsv.h"

#include "base/CsvText.h"
#include "chart/PositionText.h"
#include "decanates/DecanateAssignment.h"
#include "report/ChartLines.h"
#include "report/ShortestNumber.h"

namespace tessaline {

namespace {

constexpr std::size_t kCsvColumnCount
    = 1 + BatchHeader::kNames.size() + 2 + 2 * kBodyCount + 4 * kDecanateBodyCount + 1;

void AppendCsvStart(std::string& out, std::optional<std::size_t> line, const BirthColumns& inputs)
{
    if (line)
        out += std::to_string(*line);
    for (std::string_view input : inputs) {
        out += ',';
        AppendCsvField(out, input);
    }
}

void AppendPlaceColumns(std::string& out, const std::optional<CsvPlace>& place)
{
    if (!place) {
        out += ",,,,";
        return;
    }
    out += ',';
    out += std::to_string(place->id);
    out += ',';
    AppendCsvField(out, place->label);
    out += ',';
    AppendShortestNumber(out, place->latitude);
    out += ',';
    AppendShortestNumber(out, place->longitude);
}

// Each decanate body's decanate sign, decanate number and the two margin times.
void AppendDecanateColumns(std::string& out, const Chart& chart)
{
    for (std::size_t i = 0; i < kDecanateBodyCount; ++i) {
        out += ',';
        AppendCsvField(out, chart.DecanateTextsOf(static_cast<Body>(i)).DecanateSign);
        out += ',';
        if (const auto decanate = DecanateOf(chart.Longitudes()[i]))
            out += static_cast<char>('0' + decanate->decanate);
        for (const auto& at :
             {chart.Margin(static_cast<Body>(i)).changesBefore, chart.Margin(static_cast<Body>(i)).changesAfter}) {
            out += ',';
            if (at)
                out += LocalDateTimeText(*at);
        }
    }
}

// The scheme's key and each point's mansion and pada, as far as asked; empty cells for a rejected row.
void AppendExtraColumns(std::string& out, const Chart* chart, CsvExtras extras)
{
    if (extras.scheme) {
        out += ',';
        if (chart != nullptr)
            out += NameOf(chart->Scheme()).key;
    }
    if (!extras.mansions)
        return;
    for (std::size_t i = 0; i < kBodyCount; ++i) {
        out += ',';
        if (chart == nullptr) {
            out += ',';
            continue;
        }
        const LunarMansion mansion = chart->Mansion(static_cast<Body>(i));
        AppendCsvField(out, MansionName(mansion.mansion));
        out += ',';
        out += static_cast<char>('0' + mansion.pada);
    }
}

} // namespace

void AppendCsvHeader(std::string& out, bool placeColumns, CsvExtras extras)
{
    out += "line";
    for (std::string_view column : BatchHeader::kNames) {
        out += ',';
        out += column;
    }
    out += ",instantUT,utcOffset";
    for (std::size_t i = 0; i < kBodyCount; ++i) {
        out += ',';
        out += BodyName(static_cast<Body>(i));
    }
    for (std::size_t i = 0; i < kBodyCount; ++i) {
        out += ',';
        out += BodyName(static_cast<Body>(i));
        out += "Longitude";
    }
    for (std::size_t i = 0; i < kDecanateBodyCount; ++i) {
        for (const char* column : {"DecanateSign", "Decanate", "ChangesBefore", "ChangesAfter"}) {
            out += ',';
            out += BodyName(static_cast<Body>(i));
            out += column;
        }
    }
    out += ",error";
    if (placeColumns)
        out += ",placeId,placeLabel,latitude,longitude";
    if (extras.scheme)
        out += ",scheme";
    for (std::size_t i = 0; extras.mansions && i < kBodyCount; ++i) {
        for (const char* column : {"Nakshatra", "Pada"}) {
            out += ',';
            out += BodyName(static_cast<Body>(i));
            out += column;
        }
    }
    out += '\n';
}

void AppendChartCsv(std::string& out, const Chart& chart, std::optional<std::size_t> line, const BirthColumns& inputs,
                    const std::optional<CsvPlace>* place)
{
    AppendCsvStart(out, line, inputs);
    out += ',';
    out += InstantUtText(chart);
    out += ',';
    AppendCsvField(out, UtcOffsetText(chart));
    for (std::size_t i = 0; i < kBodyCount; ++i) {
        out += ',';
        AppendCsvField(out, chart.Position(static_cast<Body>(i)));
    }
    for (std::size_t i = 0; i < kBodyCount; ++i) {
        out += ',';
        AppendShortestNumber(out, chart.Longitudes()[i]);
    }
    AppendDecanateColumns(out, chart);
    out += ',';
    if (place != nullptr)
        AppendPlaceColumns(out, *place);
    AppendExtraColumns(out, &chart, {chart.Scheme() != DecanScheme::Triplicity, chart.Mansions()});
    out += '\n';
}

void AppendCsvError(std::string& out, std::size_t line, const BirthColumns& inputs, std::string_view message,
                    bool placeColumns, CsvExtras extras)
{
    AppendCsvStart(out, line, inputs);
    out.append(kCsvColumnCount - 1 - inputs.size(), ','); // empty chart columns, then the error
    AppendCsvField(out, message);
    if (placeColumns)
        out += ",,,,";
    AppendExtraColumns(out, nullptr, extras);
    out += '\n';
}

} // namespace tessaline
