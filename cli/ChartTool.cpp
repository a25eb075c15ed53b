// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/ChartTool.h"

#include "report/Reading.h"

#include "chart/BirthArguments.h"
#include "chart/BirthBatch.h"
#include "chart/Csv.h"
#include "chart/Text.h"
#include "chart/Version.h"
#include "chart/ZoneTable.h"
#include "cli/ChartOutput.h"
#include "cli/PlaceOptions.h"
#include "decanates/CalculationDriver.h"
#include "ephemeris/PreciseEphemeris.h"

#include <CLI/CLI.hpp>
#include <array>
#include <cerrno>
#include <charconv>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <sys/ioctl.h>
#include <system_error>
#include <unistd.h>
#include <variant>
#include <vector>

namespace tessaline::cli {

namespace {

constexpr std::size_t kDefaultWidth = 80;

// The output stream and, once it has failed, the system's reason: a full disk, a closed stream.
struct Output {
    std::ostream& out;
    int error = 0;

    // Whether out has refused something written to it. Asked straight after the writes, so errno still
    // holds the reason of the write that failed.
    bool Failed()
    {
        if (out.good())
            return false;
        if (error == 0)
            error = errno != 0 ? errno : EIO;
        return true;
    }
};

struct Options {
    BirthArguments birth;
    bool json = false;
    bool brief = false;
    bool csv = false;
    bool html = false;
    std::string batch;
    bool zones = false;
    bool decanates = false;
    bool precise = false;
    std::string zodiac;
    std::string ayanamsa;
    bool ayanamsas = false;
    std::string place;
    std::string placeId;
    std::string places;
};

// Where a birth was: the atlas query or GeoNames id, when the birth names its place; and the daylight-saving
// flag as given (nothing when not given), which then chooses the reading in an overlap only.
struct PlaceRequest {
    std::string place;
    std::string placeId;
    std::optional<bool> dst;
    bool Named() const { return !place.empty() || !placeId.empty(); }
};

std::size_t TextWidth()
{
    winsize size{};
    if (isatty(STDOUT_FILENO) && ioctl(STDOUT_FILENO, TIOCGWINSZ, &size) == 0 && size.ws_col >= 40)
        return size.ws_col;
    return kDefaultWidth;
}

// Validates and calculates one birth; the message that rejects it otherwise.
std::optional<std::string> Calculate(ChartState& state, const BirthArguments& birth)
{
    ParsedBirth parsed = ParseBirthArguments(birth);
    if (auto* message = std::get_if<std::string>(&parsed))
        return std::move(*message);
    const auto& form = std::get<BirthDataForm>(parsed);
    if (auto done = CalculateChart(state, form); !done)
        return std::move(done).error().message;
    return std::nullopt;
}

// Validates and calculates one birth at a place of the atlas; the message that rejects it otherwise. The
// JSON members of the place and its clock go to placeJson.
std::optional<std::string> CalculateAtPlace(ChartState& state, const BirthArguments& birth, const PlaceRequest& request,
                                            AtlasOnDemand& atlases, std::string& placeJson)
{
    const auto got = atlases.Get();
    if (const auto* message = std::get_if<std::string>(&got))
        return *message;
    const atlas::Atlas& atlas = *std::get<const atlas::Atlas*>(got);
    const atlas::Place* place = nullptr;
    if (!request.placeId.empty()) {
        std::int32_t id = 0;
        const auto& text = request.placeId;
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), id);
        if (error != std::errc{} || end != text.data() + text.size() || !(place = atlas.FindId(id)))
            return "No place in the atlas has the id \"" + text.substr(0, 20) + "\"";
    } else {
        auto resolved = ResolvePlace(atlas, request.place);
        if (auto* message = std::get_if<std::string>(&resolved))
            return std::move(*message);
        place = std::get<const atlas::Place*>(resolved);
    }
    PlacedClock clock;
    auto parsed = ParsePlacedBirth(birth, request.dst, atlas, *place, clock);
    if (auto* message = std::get_if<std::string>(&parsed))
        return std::move(*message);
    if (auto done = CalculateChart(state, std::get<BirthDataForm>(parsed)); !done)
        return std::move(done).error().message;
    state.place = clock.label;
    state.clock = clock.sentence;
    placeJson = PlaceAndClockJson(atlas, clock);
    return std::nullopt;
}

void PrintZones(std::ostream& out, bool json)
{
    const auto& zones = ZoneTable();
    if (json) {
        Json list = Json::array();
        for (std::size_t i = 0; i < zones.size(); ++i)
            list.push_back(Json{
                {"position", i},
                {"zone", std::string(ZoneDisplayText(static_cast<int>(i)))},
                {"utcOffset", OffsetText(MinutesEast({zones[i].correctionHours, zones[i].correctionMinutes}) * 60)}});
        out << list.dump(2) << '\n';
        return;
    }
    out << "position\tzone (as listed)\thours to UT\tminutes to UT\n"; // the clock time plus these is UT
    for (std::size_t i = 0; i < zones.size(); ++i)
        out << i << '\t' << ZoneDisplayText(static_cast<int>(i)) << '\t' << zones[i].correctionHours << '\t'
            << zones[i].correctionMinutes << '\n';
}

// Help that shows each option's value name alone: the options that exclude each other are told once, in
// the groups and the footer, not on every line.
class HelpFormatter : public CLI::Formatter
{
public:
    std::string make_option_opts(const CLI::Option* option) const override
    {
        return option->get_type_size() != 0 ? " " + option->get_type_name() : std::string();
    }
};

constexpr const char* kOneChart = "One chart (a date, a time, and a place or --zone, --lon and --lat)";
constexpr const char* kBatch = "A batch: one chart per CSV row";
constexpr const char* kTables = "The tables";
constexpr const char* kOutput = "How to calculate and print (text when none of --json, --csv, --html)";

constexpr const char* kHelpFooter = R"(Examples:
  One chart:   tessaline-chart --name "ASHA RAO" --date 1975-06-15 --time 10:30 --zone 34 --lon 77E12 --lat 28N36
  A batch:     tessaline-chart --batch births.csv --json
  The tables:  tessaline-chart --zones

--batch, --zones, --decanates, --places and --ayanamsas each stand alone, without the options of one
chart; --html is for one chart only.

Exit codes: 0 every chart calculated; 1 a chart, or a row of a batch, was rejected by the checks (the
message says why); 2 a usage error (an unknown, missing or conflicting option, an unreadable batch file);
3 the output could not be written (a full disk, a closed output).)";

// The zodiac named by a --zodiac and an --ayanamsa text (or a row's columns), either may be empty: an
// ayanamsa alone means the sidereal zodiac, a sidereal zodiac alone means Lahiri, nothing means fallback.
std::variant<ZodiacChoice, std::string> ParseZodiac(std::string_view zodiac, std::string_view ayanamsa,
                                                    const ZodiacChoice& fallback)
{
    ZodiacChoice choice = fallback;
    const std::string zodiacKey = FoldKey(zodiac);
    if (zodiacKey == "tropical")
        choice = {};
    else if (zodiacKey == "sidereal")
        choice.zodiac = Zodiac::Sidereal;
    else if (!zodiacKey.empty())
        return "the zodiac must be tropical or sidereal, not \"" + std::string(zodiac) + "\"";
    if (ayanamsa.empty())
        return choice;
    const std::optional<Ayanamsa> named = AyanamsaNamed(ayanamsa);
    if (!named)
        return "no ayanamsa is called \"" + std::string(ayanamsa) + "\" (see --ayanamsas)";
    if (zodiacKey == "tropical")
        return std::string("an ayanamsa belongs to the sidereal zodiac, not the tropical one");
    return ZodiacChoice{Zodiac::Sidereal, *named};
}

void PrintAyanamsas(std::ostream& out)
{
    for (int i = 0; i < kAyanamsaCount; ++i)
        out << AyanamsaKey(static_cast<Ayanamsa>(i)) << '\t' << AyanamsaName(static_cast<Ayanamsa>(i))
            << (i == 0 ? "\t(the default)" : "") << '\n';
}

// A chart state in the chosen mode. A precise chart without the ephemeris's data files still comes out,
// from the library's analytic mode, and the user is told so once.
ChartState NewChartState(const Options& options, const ZodiacChoice& zodiac, std::ostream& err)
{
    ChartState state;
    state.zodiac = zodiac;
    state.checkPreciseDecanates = !options.csv; // a CSV row has no column for it
    if (options.precise) {
        state.ephemeris = EphemerisMode::Precise;
        if (PreciseEphemerisSource() == PreciseSource::Analytic)
            err << "Note: " << PreciseEphemerisDescription() << ".\n";
    }
    return state;
}

int RunSingle(const Options& options, const ZodiacChoice& zodiac, const PlaceRequest& request, std::ostream& out,
              std::ostream& err)
{
    ChartState state = NewChartState(options, zodiac, err);
    AtlasOnDemand atlases;
    std::string placeJson;
    const auto rejected = request.Named() ? CalculateAtPlace(state, options.birth, request, atlases, placeJson)
                                          : Calculate(state, options.birth);
    if (rejected) {
        err << TerminalText(*rejected) << '\n';
        return kExitRejected;
    }
    if (options.html) {
        out << RenderReadingHtml(state);
    } else if (options.json) {
        std::string line;
        AppendChartJson(line, state, std::nullopt, placeJson, options.brief);
        out << Json::parse(line).dump(2) << '\n';
    } else if (options.csv) {
        const BirthArguments& birth = options.birth;
        std::string text;
        AppendCsvHeader(text);
        AppendChartCsv(text, state, std::nullopt,
                       {birth.name, birth.date, birth.time, birth.zone, birth.lon, birth.lat, birth.dst ? "1" : "0",
                        options.place, options.placeId, options.zodiac, options.ayanamsa});
        out << text;
    } else
        PrintChart(out, state, TextWidth());
    return kExitOk;
}

std::string Plural(std::size_t count, std::string_view noun)
{
    return std::to_string(count) + ' ' + std::string(noun) + (count == 1 ? "" : "s");
}

int RunBatch(const Options& options, const ZodiacChoice& zodiac, std::istream& stdIn, Output& output, std::ostream& err)
{
    std::ostream& out = output.out;
    std::ifstream file;
    std::istream* in = &stdIn;
    if (options.batch != "-") {
        const std::string shownName = TerminalText(options.batch);
        std::error_code error;
        if (std::filesystem::is_directory(options.batch, error)) {
            err << "Cannot read the batch file \"" << shownName << "\": it is a folder\n";
            return kExitUsage;
        }
        errno = 0;
        file.open(options.batch, std::ios::binary);
        if (!file) {
            const int reason = errno;
            err << "Cannot read the batch file \"" << shownName << '"'
                << (reason != 0 ? ": " + std::system_category().message(reason) : std::string()) << '\n';
            return kExitUsage;
        }
        in = &file;
    }

    CsvReader reader(*in);
    std::vector<std::string> fields;
    const auto readFailed = [&reader, &err] {
        if (reader.ReadError().empty())
            return false;
        err << "Reading the batch failed: " << TerminalText(reader.ReadError()) << '\n';
        return true;
    };
    if (!reader.Next(fields)) {
        if (readFailed())
            return kExitUsage;
        err << "The batch is empty: its first line must be the header name,date,time,zone,lon,lat,dst\n";
        return kExitUsage;
    }
    if (reader.TooLong()) {
        err << "The batch header is too long: "
            << (reader.LastProblem() == CsvReader::Problem::TooManyFields ? "it has more than 1024 fields"
                                                                          : "it is longer than 16 MB")
            << '\n';
        return kExitUsage;
    }
    auto readHeader = BatchHeader::Read(fields);
    if (const auto* message = std::get_if<std::string>(&readHeader)) {
        err << TerminalText(*message) << '\n';
        return kExitUsage;
    }
    const auto& header = std::get<BatchHeader>(readHeader);
    using enum BatchHeader::Column;
    const auto field = [&header, &fields](BatchHeader::Column c) {
        return std::string(header.Field(fields, c));
    };

    ChartState state = NewChartState(options, zodiac, err);
    AtlasOnDemand atlases;
    std::string placeJson;
    std::string text; // one output line, its buffer reused row after row
    if (options.csv) {
        AppendCsvHeader(text);
        out << text;
    }
    const std::size_t width = TextWidth();
    int exitCode = kExitOk;
    std::size_t rowsRead = 0;
    std::size_t rowsRejected = 0;
    std::optional<std::string> rejected;
    while (header.NextRow(reader, fields, rejected)) {
        const std::size_t line = reader.RecordLine();
        ++rowsRead;

        BirthColumns inputs{}; // as the row gave them, once the row has the header's shape
        if (!rejected) {
            for (std::size_t c = 0; c < inputs.size(); ++c)
                inputs[c] = header.Field(fields, static_cast<BatchHeader::Column>(c));
            BirthArguments birth{field(kName), field(kDate), field(kTime), field(kZone),
                                 field(kLon),  field(kLat),  false};
            const PlaceRequest request{field(kPlace), field(kPlaceId), std::nullopt};
            const std::string dstText = field(kDst);
            const auto dst = ParseFlag(dstText);
            const auto rowZodiac = ParseZodiac(header.Field(fields, kZodiac), header.Field(fields, kAyanamsa), zodiac);
            placeJson.clear();
            if (!dst)
                rejected = std::string(kMsgDstNotAFlag);
            else if (const auto* message = std::get_if<std::string>(&rowZodiac))
                rejected = "In this row " + *message;
            else if (request.Named()) {
                state.zodiac = std::get<ZodiacChoice>(rowZodiac);
                PlaceRequest withDst = request;
                if (dstText.find_first_not_of(' ') != std::string::npos)
                    withDst.dst = *dst;
                rejected = CalculateAtPlace(state, birth, withDst, atlases, placeJson);
            } else if (!header.Has(kLon) || !header.Has(kLat) || !header.Has(kZone))
                rejected = "The row names no place, and the batch has no lon, lat and zone columns";
            else {
                birth.dst = *dst;
                state.zodiac = std::get<ZodiacChoice>(rowZodiac);
                rejected = Calculate(state, birth);
            }
        }

        if (rejected) {
            exitCode = kExitRejected;
            ++rowsRejected;
            if (options.json) { // the message may quote what the row held, valid UTF-8 or not
                out << Json{{"line", line}, {"error", *rejected}}.dump(-1, ' ', false, Json::error_handler_t::replace)
                    << '\n';
            } else if (options.csv) {
                text.clear();
                AppendCsvError(text, line, inputs, *rejected);
                out << text;
            } else
                err << "line " << line << ": " << TerminalText(*rejected) << '\n';
        } else if (options.json) {
            text.clear();
            AppendChartJson(text, state, line, placeJson, options.brief);
            text += '\n';
            out << text;
        } else if (options.csv) {
            text.clear();
            AppendChartCsv(text, state, line, inputs);
            out << text;
        } else {
            out << "line " << line << ": ";
            PrintChart(out, state, width);
            out << '\n';
        }
        if (output.Failed())
            return kExitOutputFailed; // no one receives the rest: stop reading
    }
    if (readFailed())
        return kExitUsage;
    err << "tessaline-chart: " << Plural(rowsRead, "row") << " read, " << Plural(rowsRead - rowsRejected, "chart")
        << " written, " << Plural(rowsRejected, "row") << " rejected\n";
    return exitCode;
}

int RunTool(int argc, const char* const* argv, std::istream& in, Output& output, std::ostream& err)
{
    std::ostream& out = output.out;
    Options options;
    CLI::App app{"Decanate charts from birth data: the Sun, the Moon and the planets with their decanates, the "
                 "Ascendant, the Midheaven and the lunar nodes, with the checks of the desktop program.",
                 "tessaline-chart"};
    app.formatter(std::make_shared<HelpFormatter>());
    app.footer(kHelpFooter);
    app.set_help_flag(); // added again below, so that it comes last
    auto* name = app.add_option("--name", options.birth.name, "the person's name: letters of any alphabet, blanks")
                     ->type_name("NAME")
                     ->group(kOneChart);
    auto* date = app.add_option("--date", options.birth.date, "birth date, 1901-01-01 to 2050-12-31")
                     ->type_name("YYYY-MM-DD")
                     ->group(kOneChart);
    auto* time = app.add_option("--time", options.birth.time, "clock time of birth, 00:00 to 23:59")
                     ->type_name("HH:MM")
                     ->group(kOneChart);
    auto* place = app.add_option("--place", options.place,
                                 "birthplace from the place atlas, e.g. \"Springfield, Illinois\": sets lon, lat "
                                 "and the zone")
                      ->type_name("PLACE")
                      ->group(kOneChart);
    auto* placeId = app.add_option("--place-id", options.placeId, "birthplace by its GeoNames id (see --places)")
                        ->type_name("ID")
                        ->group(kOneChart);
    auto* zone = app.add_option("--zone", options.birth.zone,
                                "time zone: list position 0..70 (see --zones), the clock's exact offset +HH:MM or "
                                "-HH:MM, or auto (the default with a place: from the place's clock history)")
                     ->type_name("N")
                     ->group(kOneChart);
    auto* lon = app.add_option("--lon", options.birth.lon, "longitude: degrees, E or W, minutes (073W05)")
                    ->type_name("77E12")
                    ->group(kOneChart);
    auto* lat = app.add_option("--lat", options.birth.lat, "latitude: degrees, N or S, minutes (33S52)")
                    ->type_name("28N36")
                    ->group(kOneChart);
    auto* dst = app.add_flag("--dst", options.birth.dst,
                             "daylight-saving time was in force; with a place and zone auto, --dst=yes or no "
                             "chooses the reading of a clock time that happened twice (default: the earlier)")
                    ->group(kOneChart);
    auto* batch = app.add_option("--batch", options.batch,
                                 "CSV file with the header name,date,time,zone,lon,lat,dst; - reads standard input")
                      ->type_name("FILE")
                      ->group(kBatch);
    auto* zones = app.add_flag("--zones", options.zones,
                               "list the 71 time zones, each with the hours and minutes that turn its clock time "
                               "into UT")
                      ->group(kTables);
    auto* decanates
        = app.add_flag("--decanates", options.decanates, "print the decanate table as JSON and exit")->group(kTables);
    auto* places = app.add_option("--places", options.places, "list the atlas's places matching a name and exit")
                       ->type_name("NAME")
                       ->group(kTables);
    auto* ayanamsas = app.add_flag("--ayanamsas", options.ayanamsas, "list the ayanamsas and exit")->group(kTables);
    auto* precise = app.add_flag("--precise", options.precise,
                                 "positions from the precise ephemeris instead of the classic formulas")
                        ->group(kOutput);
    auto* zodiac = app.add_option("--zodiac", options.zodiac, "tropical (the default) or sidereal")
                       ->type_name("tropical|sidereal")
                       ->group(kOutput);
    auto* ayanamsa = app.add_option("--ayanamsa", options.ayanamsa,
                                    "the sidereal zodiac's ayanamsa (see --ayanamsas; Lahiri by default)")
                         ->type_name("NAME")
                         ->group(kOutput);
    auto* json = app.add_flag("--json", options.json,
                              "JSON: a chart, a line per batch row, or the zones with utcOffset (east positive)")
                     ->group(kOutput);
    auto* brief = app.add_flag("--brief", options.brief,
                               "with --json, leave out each body's three interpretation texts (see --decanates)")
                      ->group(kOutput);
    auto* csv = app.add_flag("--csv", options.csv,
                             "CSV for spreadsheets: a header, then a row per chart or rejected batch row")
                    ->group(kOutput);
    auto* html = app.add_flag("--html", options.html, "one chart's reading as one self-contained HTML document")
                     ->group(kOutput);
    app.set_help_flag("-h,--help", "print this help and exit")->group("Help");
    app.set_version_flag("--version", "tessaline-chart " + std::string(kProgramVersion), "print the version and exit")
        ->group("Help");
    const std::array<CLI::Option*, 9> single{name, date, time, zone, lon, lat, dst, place, placeId};
    place->excludes(placeId);
    for (CLI::Option* option : {lon, lat}) {
        option->excludes(place);
        option->excludes(placeId);
    }
    places->excludes(batch);
    places->excludes(zones);
    places->excludes(decanates);
    for (CLI::Option* option : single)
        option->excludes(places);
    for (CLI::Option* option : single) {
        option->excludes(batch);
        option->excludes(zones);
        option->excludes(decanates);
    }
    html->excludes(json);
    html->excludes(batch);
    brief->needs(json);
    csv->excludes(json);
    csv->excludes(html);
    for (CLI::Option* option : {zones, decanates, places, ayanamsas})
        csv->excludes(option);
    batch->excludes(zones);
    batch->excludes(decanates);
    zones->excludes(decanates);
    precise->excludes(zones);
    precise->excludes(decanates);
    for (CLI::Option* option : {zones, decanates, precise, zodiac, ayanamsa, batch, json, html})
        ayanamsas->excludes(option);
    for (CLI::Option* option : single)
        ayanamsas->excludes(option);
    for (CLI::Option* option : {zodiac, ayanamsa}) {
        option->excludes(zones);
        option->excludes(decanates);
    }

    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        if (e.get_exit_code() == static_cast<int>(CLI::ExitCodes::Success))
            return app.exit(e, out, err); // --help, --version
        err << TerminalText(e.what()) << "\nRun with --help for more information.\n";
        return kExitUsage;
    }

    if (options.zones) {
        PrintZones(out, options.json);
        return kExitOk;
    }
    if (options.decanates) {
        out << DecanateTableJson().dump(2) << '\n';
        return kExitOk;
    }
    if (options.ayanamsas) {
        PrintAyanamsas(out);
        return kExitOk;
    }
    const auto chosen = ParseZodiac(options.zodiac, options.ayanamsa, {});
    if (const auto* message = std::get_if<std::string>(&chosen)) {
        err << "In --zodiac and --ayanamsa, " << TerminalText(*message) << "\nRun with --help for more information.\n";
        return kExitUsage;
    }
    const ZodiacChoice& zodiacChoice = std::get<ZodiacChoice>(chosen);
    if (places->count() > 0) {
        AtlasOnDemand atlases;
        const auto got = atlases.Get();
        if (const auto* message = std::get_if<std::string>(&got)) {
            err << TerminalText(*message) << '\n';
            return kExitRejected;
        }
        PrintPlaces(out, *std::get<const atlas::Atlas*>(got), options.places, options.json);
        return kExitOk;
    }
    if (batch->count() > 0)
        return RunBatch(options, zodiacChoice, in, output, err);

    PlaceRequest request{options.place, options.placeId, std::nullopt};
    if (dst->count() > 0)
        request.dst = options.birth.dst;
    for (CLI::Option* option : single) {
        const bool optional = option == dst || option == place || option == placeId
            || (request.Named() && (option == zone || option == lon || option == lat));
        if (!optional && option->count() == 0) {
            err << option->get_name() << " is required for a chart (or use --batch FILE, --zones, --help)\n";
            return kExitUsage;
        }
    }
    return RunSingle(options, zodiacChoice, request, out, err);
}

} // namespace

int RunChartTool(int argc, const char* const* argv, std::istream& in, std::ostream& out, std::ostream& err)
{
    Output output{out};
    errno = 0;
    const int code = RunTool(argc, argv, in, output, err);
    if (!output.Failed()) {
        errno = 0;
        out.flush();
    }
    if (output.Failed()) {
        err << "tessaline-chart: cannot write the output: " << std::system_category().message(output.error) << '\n';
        return kExitOutputFailed;
    }
    return code;
}

} // namespace tessaline::cli
