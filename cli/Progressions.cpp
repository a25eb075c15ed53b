// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/Progressions.h"

#include "base/VisibleText.h"
#include "chart/Text.h"
#include "cli/ExitCodes.h"
#include "cli/OneChart.h"
#include "decanates/Progressions.h"
#include "report/ProgressionReport.h"

#include <charconv>
#include <optional>
#include <string>
#include <string_view>

namespace tessaline::cli {

namespace {

constexpr const char* kMoreHelp = "\nRun with --help for more information.\n";

// A date written YYYY-MM-DD, digits only; whether it is a day of the calendar, and of the life, is the
// progressions' to say.
std::optional<LifeDate> DateOf(std::string_view text)
{
    const auto number = [&text](std::size_t at, std::size_t length) -> std::optional<int> {
        int value = 0;
        const char* first = text.data() + at;
        const auto [end, error] = std::from_chars(first, first + length, value);
        if (error != std::errc{} || end != first + length || *first == '-' || *first == '+')
            return std::nullopt;
        return value;
    };
    if (text.size() != 10 || text[4] != '-' || text[7] != '-')
        return std::nullopt;
    const auto year = number(0, 4);
    const auto month = number(5, 2);
    const auto day = number(8, 2);
    if (!year || !month || !day)
        return std::nullopt;
    return LifeDate{*year, *month, *day};
}

} // namespace

int RunProgressions(const Options& options, const ZodiacChoice& zodiac, const PlaceRequest& request, std::ostream& out,
                    std::ostream& err)
{
    std::optional<LifeDate> on;
    if (!options.progressedOn.empty()) {
        on = DateOf(TrimBlanks(options.progressedOn));
        if (!on) {
            err << "--progressed-on " << TerminalText(QuotedInput(options.progressedOn))
                << " is not a date: write it as YYYY-MM-DD" << kMoreHelp;
            return kExitUsage;
        }
    }
    ChartOptions chosen = ChartOptionsFor(options, zodiac);
    chosen.checkPreciseDecanates = false; // the natal chart's own decanates are not shown
    AtlasOnDemand atlases;
    PlaceCache places(atlases);
    ChartExtras extras;
    extras.json = false;
    const Result<Chart> natal = request.Named() ? ChartAtPlace(options.birth, chosen, request, places, extras)
                                                : ChartOf(options.birth, chosen);
    if (!natal) {
        err << TerminalText(natal.error()) << '\n';
        return kExitRejected;
    }
    const ChartFormat format = WritingOf(options).format;
    std::string text;
    if (on) {
        const Result<ProgressedPositions> positions = ProgressedOn(*natal, *on);
        if (!positions) {
            err << TerminalText(positions.error()) << '\n';
            return kExitRejected;
        }
        AppendProgressedPositions(text, *natal, *positions, format);
    } else {
        const Result<ProgressionTimeline> timeline = FindProgressions(*natal);
        if (!timeline) {
            err << TerminalText(timeline.error()) << '\n';
            return kExitRejected;
        }
        AppendProgressions(text, *natal, *timeline, format);
    }
    out << text;
    return kExitOk;
}

} // namespace tessaline::cli
