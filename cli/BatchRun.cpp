// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/BatchRun.h"

#include "chart/BatchFile.h"
#include "cli/ChartOutput.h"
#include "cli/ChartTool.h"
#include "cli/OneChart.h"

#include <memory>
#include <string>
#include <string_view>

namespace tessaline::cli {

namespace {

std::string Plural(std::size_t count, std::string_view noun)
{
    return std::to_string(count) + ' ' + std::string(noun) + (count == 1 ? "" : "s");
}

// The batch opened, or nothing after saying why on err.
std::unique_ptr<BatchFile> OpenBatch(const std::string& name, std::istream& stdIn, std::ostream& err)
{
    auto opened = name == "-" ? BatchFile::Read(stdIn) : BatchFile::Open(name);
    if (opened)
        return std::move(*opened);
    const BatchFailure& failure = opened.error();
    using enum BatchFailure::Kind;
    switch (failure.kind) {
    case Folder:
    case CannotOpen:
        err << "Cannot read the batch file \"" << TerminalText(name) << '"'
            << (failure.reason.empty() ? std::string() : ": " + failure.reason) << '\n';
        break;
    case Empty:
        err << "The batch is empty: its first line must be the header name,date,time,zone,lon,lat,dst\n";
        break;
    case HeaderTooLong:
        err << "The batch header is too long: "
            << (failure.tooManyFields ? "it has more than 1024 fields" : "it is longer than 16 MB") << '\n';
        break;
    case Header:
        err << TerminalText(failure.reason) << '\n';
        break;
    case ReadFailed:
        err << "Reading the batch failed: " << TerminalText(failure.reason) << '\n';
        break;
    }
    return nullptr;
}

// One row's chart, or its refusal, in the output's form; its warnings on err. placeColumns: the CSV has the
// place columns.
void WriteRow(const Options& options, const ChartState& state, const BatchFile::Row& row, const Status& charted,
              const ChartExtras& extras, bool placeColumns, std::size_t width, std::string& text, std::ostream& out,
              std::ostream& err)
{
    BirthColumns inputs{}; // as the row gave them, once the row has the header's shape
    for (std::size_t c = 0; c < inputs.size(); ++c)
        inputs[c] = row.fields[c];
    text.clear();
    if (!charted) {
        if (options.json) // the message may quote what the row held, valid UTF-8 or not
            out << Json{{"line", row.line}, {"error", charted.error()}}.dump(-1, ' ', false,
                                                                             Json::error_handler_t::replace)
                << '\n';
        else if (options.csv) {
            AppendCsvError(text, row.line, inputs, charted.error(), placeColumns);
            out << text;
        } else
            err << "line " << row.line << ": " << TerminalText(charted.error()) << '\n';
        return;
    }
    extras.PrintWarnings(err, "line " + std::to_string(row.line) + ": ");
    if (options.json) {
        AppendChartJson(text, state, row.line, extras.JsonMembers(), options.brief);
        text += '\n';
        out << text;
    } else if (options.csv) {
        AppendChartCsv(text, state, row.line, inputs, placeColumns ? &extras.place : nullptr);
        out << text;
    } else {
        out << "line " << row.line << ": ";
        PrintChart(out, state, width);
        out << '\n';
    }
}

} // namespace

int RunBatch(const Options& options, const ZodiacChoice& zodiac, std::istream& stdIn, Output& output, std::ostream& err)
{
    std::ostream& out = output.out;
    const std::unique_ptr<BatchFile> batch = OpenBatch(options.batch, stdIn, err);
    if (!batch)
        return kExitUsage;

    ChartState state = NewChartState(options, zodiac);
    AtlasOnDemand atlases;
    ChartExtras extras;
    std::string text; // one output line, its buffer reused row after row
    const bool placeColumns = batch->Header().Placed();
    if (options.csv) {
        AppendCsvHeader(text, placeColumns);
        out << text;
    }
    const std::size_t width = TextWidth();
    std::size_t rowsRead = 0;
    std::size_t rowsRejected = 0;
    while (const std::optional<BatchFile::Row> row = batch->Next(zodiac, Reader::ChartTool)) {
        ++rowsRead;
        extras = ChartExtras{};
        Status charted = Fail(row->birth ? std::string() : row->birth.error());
        if (row->birth) {
            const BatchBirth& birth = *row->birth;
            state.zodiac = birth.zodiac;
            charted = birth.Placed() ? CalculateAtPlace(
                          state, birth.birth, PlaceRequest{birth.place, birth.placeId, birth.dst}, atlases, extras)
                                     : Calculate(state, birth.birth);
        }
        rowsRejected += charted ? 0 : 1;
        WriteRow(options, state, *row, charted, extras, placeColumns, width, text, out, err);
        if (output.Failed())
            return kExitOutputFailed; // no one receives the rest: stop reading
    }
    if (const auto finished = batch->Finished(); !finished) {
        err << "Reading the batch failed: " << TerminalText(finished.error().reason) << '\n';
        return kExitUsage;
    }
    out.flush(); // a failed output is said alone, not after a summary of charts written
    if (output.Failed())
        return kExitOutputFailed;
    err << "tessaline-chart: " << Plural(rowsRead, "row") << " read, " << Plural(rowsRead - rowsRejected, "chart")
        << " written, " << Plural(rowsRejected, "row") << " rejected\n";
    return rowsRejected > 0 ? kExitRejected : kExitOk;
}

} // namespace tessaline::cli
