// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/OneChart.h"

#include "atlas/PlacedBirth.h"
#include "base/VisibleText.h"
#include "chart/BatchFile.h"
#include "cli/ExitCodes.h"
#include "cli/FailureWords.h"
#include "cli/PictureFiles.h"
#include "cli/PngPicture.h"
#include "cli/Transits.h"
#include "decanates/CalculationDriver.h"
#include "report/AafFile.h"
#include "report/Reading.h"

#include <sys/ioctl.h>
#include <unistd.h>

namespace tessaline::cli {

namespace {

constexpr std::size_t kDefaultWidth = 80;

Result<Chart> Charted(Result<Chart, ValidationFailure> done)
{
    if (!done)
        return Fail(std::move(done).error().message);
    return std::move(done).value();
}

} // namespace

std::size_t TextWidth()
{
    winsize size{};
    if (isatty(STDOUT_FILENO) && ioctl(STDOUT_FILENO, TIOCGWINSZ, &size) == 0 && size.ws_col >= 40)
        return size.ws_col;
    return kDefaultWidth;
}

ChartWriting WritingOf(const Options& options)
{
    const ChartFormat format = options.json ? ChartFormat::Json : options.csv ? ChartFormat::Csv : ChartFormat::Text;
    return {format, options.brief, TextWidth()};
}

ChartOptions ChartOptionsFor(const Options& options, const ZodiacChoice& zodiac)
{
    ChartOptions chosen;
    chosen.zodiac = zodiac;
    chosen.checkPreciseDecanates = !options.csv; // a CSV row has no column for it
    if (options.precise)
        chosen.ephemeris = EphemerisMode::Precise;
    chosen.scheme = DecanSchemeFromKey(options.scheme).value_or(DecanScheme::Triplicity);
    chosen.mansions = options.nakshatras;
    return chosen;
}

std::string ChartExtras::JsonMembers() const
{
    std::string members = placeJson;
    if (!warnings.empty()) {
        members += members.empty() ? "\"warnings\":" : ",\"warnings\":";
        members += Json(warnings).dump(-1, ' ', false, Json::error_handler_t::replace);
    }
    return members;
}

void ChartExtras::PrintWarnings(std::ostream& err, std::string_view prefix) const
{
    for (const std::string& warning : warnings)
        err << prefix << "warning: " << TerminalText(warning) << '\n';
}

Result<Chart> ChartOf(const BirthArguments& birth, const ChartOptions& options, std::string placeLabel)
{
    Result<BirthDataForm> form = Worded(ParseBirthArguments(birth), kToolVoice);
    if (!form)
        return Fail(std::move(form).error());
    return Charted(Calculate({*std::move(form), std::move(placeLabel)}, options));
}

Result<Chart> ChartAtPlace(const BirthArguments& birth, const ChartOptions& options, const PlaceRequest& request,
                           PlaceCache& places, ChartExtras& extras)
{
    const Result<PlaceCache::Found> found = places.Find(request);
    if (!found)
        return Fail(found.error());
    atlas::PlacedBirth placed;
    Result<BirthDataForm> form
        = Worded(atlas::BirthAtPlace(birth, request.dst, *found->atlas, *found->place, placed), kToolVoice);
    if (!form)
        return Fail(std::move(form).error());
    Result<Chart> chart = Charted(Calculate({*form, placed.PlaceLabel(), placed.ChartClockSentence()}, options));
    if (!chart)
        return chart;
    if (extras.json)
        extras.placeJson = PlaceAndClockJson(*found->placeJson, placed);
    extras.place = CsvPlaceOf(*found->atlas, *found->place);
    if (placed.HandChose())
        extras.warnings = atlas::HandZoneWarnings(*form);
    return chart;
}

// The chart in the form the options ask for, with the sky around it when there is one; the exit code.
int WriteSingle(const Options& options, const Chart& chart, const PlaceRequest& request, const ChartExtras& extras,
                const TransitReport* transits, std::ostream& out, std::ostream& err)
{
    const std::optional<OuterRing> ring = transits != nullptr ? std::optional(TransitRing(*transits)) : std::nullopt;
    if (options.html) {
        out << RenderReadingHtml(chart, ReadingPictures::InlineSvg,
                                 {ring, transits != nullptr ? std::optional(*transits) : std::nullopt});
    } else if (options.svg) {
        return WritePicture(ChartPictureSvg(chart, options, ring ? &*ring : nullptr), options, out, err);
    } else if (!options.exportFormat.empty()) {
        std::vector<std::string> lost;
        out << AafRecord(chart, lost);
        for (const std::string& warning : lost)
            err << "warning: " << TerminalText(warning) << '\n';
    } else if (transits != nullptr && options.csv) {
        std::string text;
        AppendTransits(text, *transits, chart, ChartFormat::Csv);
        out << text;
    } else {
        const BirthArguments& birth = options.birth;
        std::string members = extras.JsonMembers();
        if (transits != nullptr && options.json) {
            if (!members.empty())
                members += ',';
            members += TransitsJsonMember(*transits, chart);
        }
        const ChartRow row{std::nullopt,
                           {birth.name, birth.date, birth.time, birth.zone, birth.lon, birth.lat, birth.dst ? "1" : "0",
                            options.place, options.placeId, options.zodiac, options.ayanamsa},
                           members,
                           request.Named() ? &extras.place : nullptr};
        std::string text;
        WriteChart(text, chart, row, WritingOf(options));
        if (transits != nullptr && !options.json)
            AppendTransits(text, *transits, chart, ChartFormat::Text);
        out << text;
    }
    return kExitOk;
}

int RunSingle(const Options& options, const ZodiacChoice& zodiac, const PlaceRequest& request, std::ostream& out,
              std::ostream& err)
{
    const ChartOptions chosen = ChartOptionsFor(options, zodiac);
    AtlasOnDemand atlases;
    PlaceCache places(atlases);
    ChartExtras extras;
    const Result<Chart> done = request.Named() ? ChartAtPlace(options.birth, chosen, request, places, extras)
                                               : ChartOf(options.birth, chosen);
    if (!done) {
        err << TerminalText(done.error()) << '\n';
        return kExitRejected;
    }
    const Chart& chart = *done;
    if (!request.Named()) // the zone is the hand's: say what the window says of it (a place's, once charted)
        extras.warnings = atlas::HandZoneWarnings(*ParseBirthArguments(options.birth));
    extras.PrintWarnings(err, "");
    std::optional<TransitReport> transits;
    if (!options.transits.empty()) {
        Result<TransitReport> sky = TransitsOfChart(options, chart, request, places);
        if (!sky) {
            err << TerminalText(sky.error()) << "\nRun with --help for more information.\n";
            return kExitUsage;
        }
        transits = std::move(*sky);
    }
    return WriteSingle(options, chart, request, extras, transits ? &*transits : nullptr, out, err);
}

} // namespace tessaline::cli
