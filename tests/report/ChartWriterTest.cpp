// SPDX-License-Identifier: GPL-3.0-or-later
// One chart written on its own and as a batch row: the same chart either way, and a rejected row in the shape
// of the others.
#include "report/ChartWriter.h"

#include "chart/Csv.h"
#include "decanates/CalculationDriver.h"
#include "tests/support/Births.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

namespace tessaline {
namespace {

Chart Charted()
{
    ChartFacts facts = fixtures::Delhi1975Chart().Facts();
    facts.name = "ASHA \x1b[2J\"RAO\",";
    return Chart(facts);
}

std::vector<std::vector<std::string>> ReadCsv(const std::string& text)
{
    std::istringstream in(text);
    CsvReader reader(in);
    std::vector<std::vector<std::string>> records;
    for (std::vector<std::string> fields; reader.Next(fields);)
        records.push_back(fields);
    return records;
}

TEST(WriteChart, WritesTheSameChartAloneAndAsABatchRow)
{
    const Chart state = Charted();
    const ChartRow alone{std::nullopt, {"ASHA RAO", "1975-06-15"}, {}, nullptr};
    const ChartRow row{7, {"ASHA RAO", "1975-06-15"}, {}, nullptr};
    const auto written = [&state](const ChartRow& as, ChartFormat format) {
        std::string out;
        WriteChart(out, state, as, {format, false, 60});
        return out;
    };

    auto json = nlohmann::ordered_json::parse(written(row, ChartFormat::Json));
    EXPECT_EQ(json["line"], 7);
    json.erase("line");
    EXPECT_EQ(nlohmann::ordered_json::parse(written(alone, ChartFormat::Json)), json);
    EXPECT_NE(written(alone, ChartFormat::Json).find("\n  \"name\": "), std::string::npos); // a document, indented

    const auto aloneCsv = ReadCsv(written(alone, ChartFormat::Csv));
    auto rowCsv = ReadCsv(written(row, ChartFormat::Csv));
    ASSERT_EQ(aloneCsv.size(), 2U); // the header, then the chart
    ASSERT_EQ(rowCsv.size(), 1U);
    EXPECT_EQ(rowCsv[0][0], "7");
    rowCsv[0][0].clear();
    EXPECT_EQ(aloneCsv[1], rowCsv[0]);
    EXPECT_EQ(aloneCsv[0].size(), rowCsv[0].size());

    const std::string text = written(alone, ChartFormat::Text);
    EXPECT_EQ(written(row, ChartFormat::Text), "line 7: " + text + "\n");
    EXPECT_EQ(text.rfind("ASHA \\x1b[2J\"RAO\",\n", 0), 0U) << text.substr(0, 40); // the terminal sees no escape
}

TEST(WriteRejectedRow, FillsTheColumnsOfAChartAndKeepsTheMessageReadable)
{
    for (const bool placed : {false, true}) {
        std::string csv;
        AppendCsvHeader(csv, placed);
        WriteRejectedRow(csv, ChartFormat::Csv, 9, {"X", "1975-02-30"}, "no such day, \"30\"", placed);
        const auto records = ReadCsv(csv);
        ASSERT_EQ(records.size(), 2U);
        EXPECT_EQ(records[1].size(), records[0].size()) << placed;
        const auto error = std::find(records[0].begin(), records[0].end(), "error") - records[0].begin();
        EXPECT_EQ(records[1][static_cast<std::size_t>(error)], "no such day, \"30\"");
    }
    std::string json;
    WriteRejectedRow(json, ChartFormat::Json, 9, {}, "bad \xFF byte", false);
    EXPECT_EQ(json, "{\"line\":9,\"error\":\"bad \uFFFD byte\"}\n");
    std::string text;
    WriteRejectedRow(text, ChartFormat::Text, 9, {}, "said among the messages", false);
    EXPECT_EQ(text, "");
}

} // namespace
} // namespace tessaline
