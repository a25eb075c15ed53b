// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/Compare.h"

#include "base/VisibleText.h"
#include "chart/BatchFile.h"
#include "chart/Text.h"
#include "cli/ExitCodes.h"
#include "cli/FailureWords.h"
#include "cli/OneChart.h"
#include "cli/PictureFiles.h"
#include "report/ChartComparison.h"

#include <charconv>

namespace tessaline::cli {

namespace {

// The row of the file on the line asked for (its first birth when none is), charted; why not otherwise.
Result<Chart> OtherPerson(const Options& options, const ChartOptions& chosen, PlaceCache& places)
{
    const std::string_view wanted = TrimBlanks(options.compareLine);
    std::size_t line = 0;
    if (!wanted.empty()) {
        const auto [end, error] = std::from_chars(wanted.data(), wanted.data() + wanted.size(), line);
        if (error != std::errc{} || end != wanted.data() + wanted.size() || line < 2)
            return Fail("--compare-line takes the line of a birth in the file, a whole number from 2 (the header is "
                        "line 1), not \""
                        + std::string(wanted) + "\"");
    }
    auto opened = BatchFile::Open(options.compare);
    if (!opened)
        return Fail(
            "The birth to compare with cannot be read from " + options.compare + ": "
            + (opened.error().reason.empty() ? std::string("it is empty or cannot be opened") : opened.error().reason));
    while (std::optional<BatchFile::Row> row = (*opened)->Next(chosen.zodiac)) {
        if (line != 0 && row->line != line)
            continue;
        if (!row->birth)
            return Fail(options.compare + ", line " + std::to_string(row->line) + ": "
                        + FailureInWords(row->birth.error(), kToolVoice));
        const BatchBirth& birth = *row->birth;
        ChartExtras extras;
        extras.json = false;
        Result<Chart> chart = birth.Placed()
            ? ChartAtPlace(birth.birth, chosen, PlaceRequest{birth.place, birth.placeId, birth.dst}, places, extras)
            : ChartOf(birth.birth, chosen);
        if (!chart)
            return Fail(options.compare + ", line " + std::to_string(row->line) + ": " + chart.error());
        return chart;
    }
    return Fail(options.compare + (line != 0 ? " has no birth on line " + std::to_string(line) : " holds no birth"));
}

} // namespace

int RunCompare(const Options& options, const ZodiacChoice& zodiac, const PlaceRequest& request, std::ostream& out,
               std::ostream& err)
{
    const ChartOptions chosen = ChartOptionsFor(options, zodiac);
    AtlasOnDemand atlases;
    PlaceCache places(atlases);
    ChartExtras extras;
    extras.json = false;
    const Result<Chart> first = request.Named() ? ChartAtPlace(options.birth, chosen, request, places, extras)
                                                : ChartOf(options.birth, chosen);
    if (!first) {
        err << TerminalText(first.error()) << '\n';
        return kExitRejected;
    }
    const Result<Chart> second = OtherPerson(options, chosen, places);
    if (!second) {
        err << TerminalText(second.error()) << '\n';
        return kExitRejected;
    }
    if (options.svg) // the two charts as one picture: the other person round the wheel
        return WritePicture(ChartPictureSvg(*first, options, &static_cast<const OuterRing&>(ChartRing(*second))),
                            options, out, err);
    std::string text;
    AppendComparison(text, *first, *second, WritingOf(options).format);
    out << text;
    return kExitOk;
}

} // namespace tessaline::cli
