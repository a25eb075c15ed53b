// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/ChartTool.h"

#include "base/Result.h"
#include "base/VisibleText.h"
#include "chart/BirthArguments.h"
#include "chart/Text.h"
#include "chart/Version.h"
#include "cli/BatchRun.h"
#include "cli/Compare.h"
#include "cli/FailureWords.h"
#include "cli/Ingresses.h"
#include "cli/OneChart.h"
#include "cli/PlaceOptions.h"
#include "cli/PngPicture.h"
#include "cli/Progressions.h"
#include "cli/Tables.h"
#include "cli/ToolOptions.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <array>
#include <cerrno>
#include <charconv>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

namespace tessaline::cli {

namespace {

// Help that lists every option under its heading, whichever option group holds it, and shows each
// option's value name alone: which options go together is told in the groups' headings and the footer.
class HelpFormatter : public CLI::Formatter
{
public:
    // The options in the order the help lists them.
    std::vector<const CLI::Option*> shown;

    std::string make_option_opts(const CLI::Option* option) const override
    {
        return option->get_type_size() != 0 ? " " + option->get_type_name() : std::string();
    }

    std::string make_help(const CLI::App* app, std::string name, CLI::AppFormatMode mode) const override
    {
        if (mode == CLI::AppFormatMode::Sub || app->get_parent() != nullptr)
            return CLI::Formatter::make_help(app, std::move(name), mode);
        std::vector<std::string> headings;
        for (const CLI::Option* option : shown)
            if (std::find(headings.begin(), headings.end(), option->get_group()) == headings.end())
                headings.push_back(option->get_group());
        std::string out = make_description(app) + make_usage(app, name);
        for (const std::string& heading : headings) {
            std::vector<const CLI::Option*> options;
            for (const CLI::Option* option : shown)
                if (option->get_group() == heading)
                    options.push_back(option);
            out += make_group(heading, false, options);
            if (heading != headings.back())
                out += '\n';
        }
        return out + '\n' + make_footer(app);
    }
};

constexpr const char* kOneChart = "One chart (a date, a time, and a place or --zone, --lon and --lat)";
constexpr const char* kBatch = "A batch: one chart per CSV row";
constexpr const char* kTables = "The tables";
constexpr const char* kIngresses = "The calendar of decanate changes (in the clock of --place or --zone, else UT)";
constexpr const char* kProgressions = "A life's progressions (with one chart's options)";
constexpr const char* kTransits = "The sky around one chart (with one chart's options)";
constexpr const char* kOutput = "How to calculate and print (text when none of --json, --csv, --html, --svg)";

constexpr const char* kHelpFooter = R"(Examples:
  One chart:   tessaline-chart --name "ASHA RAO" --date 1975-06-15 --time 10:30 --zone 34 --lon 77E12 --lat 28N36
  A batch:     tessaline-chart --batch births.csv --json
  The wheel:   tessaline-chart --name "ASHA RAO" ... --svg >wheel.svg
  Pictures:    tessaline-chart --batch births.csv --svg --drekkana north --svg-dir charts
  The tables:  tessaline-chart --zones
  A calendar:  tessaline-chart --ingresses --from 2025-01-01 --to 2025-12-31 --place "Paris, France" --ics >2025.ics
  A life:      tessaline-chart --name "ASHA RAO" ... --progressions --csv >progressions.csv
  The sky:     tessaline-chart --name "ASHA RAO" ... --transits "2026-12-09 20:00" --svg >bi-wheel.svg

--batch, --zones, --decanates, --places, --ayanamsas and --schemes each stand alone, without the options of one
chart; --html is for one chart only. --ingresses takes --from and --to, and of one chart's options only
--place, --place-id or --zone, for the clock; --json writes it as JSON Lines. --svg prints one chart's wheel, or with --drekkana its drekkana
chart; --progressions lists the decanates one chart's progressed points enter from birth to a hundred (a day
after birth for each year of life), or with --progressed-on their places on one date; --transits adds the
sky at an instant around one chart (the outer ring of --svg). A batch writes its
pictures to files, one per row, in the folder --svg-dir names (with --json or
--csv beside them, or nothing on the standard output with --svg).

Exit codes: 0 every chart calculated; 1 a chart, or a row of a batch, was rejected by the checks (the
message says why); 2 a usage error (an unknown, missing or conflicting option, an unreadable batch file);
3 the output could not be written (a full disk, a closed output); 4 not enough memory to go on.)";

// --jobs: a whole number of rows at once, said in the tool's words when it is not one.
CLI::Validator JobsCheck()
{
    return CLI::Validator(
        [](const std::string& value) -> std::string {
            int jobs = 0;
            const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), jobs);
            if (error == std::errc{} && end == value.data() + value.size() && jobs >= 1 && jobs <= 1024)
                return {};
            return "give the rows to chart at once as a whole number from 1 to 1024, not \"" + value + "\"";
        },
        "");
}

// The options of one chart, which the command line may give or leave out.
struct BirthOptions {
    std::array<CLI::Option*, 9> all{}; // name, date, time, zone, lon, lat, dst, place, placeId
    CLI::Option* zone = nullptr;
    CLI::Option* lon = nullptr;
    CLI::Option* lat = nullptr;
    CLI::Option* dst = nullptr;
    CLI::Option* place = nullptr;
    CLI::Option* placeId = nullptr;
    CLI::Option* places = nullptr;
};

// The help lists each option under a heading, in the order they are defined.
struct Shown {
    HelpFormatter& help;
    CLI::Option* operator()(CLI::Option* option, const char* heading) const
    {
        help.shown.push_back(option->group(heading));
        return option;
    }
};

// The option groups: one chart, a batch or one table (at most one of the three, and one table at a time); a
// place by name or by id, not both; the calculation's choices; at most one output format.
struct Groups {
    CLI::App* one = nullptr;
    CLI::App* where = nullptr;
    CLI::App* batch = nullptr;
    CLI::App* tables = nullptr;
    CLI::App* calculation = nullptr;
    CLI::App* formats = nullptr;
};

// What is charted: one chart, a batch, a table, a comparison or the calendar.
BirthOptions DefineChartOptions(CLI::App& app, const Groups& g, const Shown& show, Options& o)
{
    BirthOptions birth;
    // clang-format off
    auto* name = show(g.one->add_option("--name", o.birth.name, "the person's name: letters of any alphabet, blanks")->type_name("NAME"), kOneChart);
    auto* date = show(g.one->add_option("--date", o.birth.date, "birth date, 1901-01-01 to 2050-12-31")->type_name("YYYY-MM-DD"), kOneChart);
    auto* time = show(g.one->add_option("--time", o.birth.time, "clock time of birth, 00:00 to 23:59")->type_name("HH:MM"), kOneChart);
    birth.place = show(g.where->add_option("--place", o.place, "birthplace from the place atlas, e.g. \"Springfield, Illinois\": sets lon, lat and the zone")->type_name("PLACE"), kOneChart);
    birth.placeId = show(g.where->add_option("--place-id", o.placeId, "birthplace by its GeoNames id (see --places)")->type_name("ID"), kOneChart);
    birth.zone = show(g.one->add_option("--zone", o.birth.zone, "time zone: list position 0..70 (see --zones), the clock's exact offset +HH:MM or -HH:MM, or auto (the default with a place: from the place's clock history)")->type_name("N"), kOneChart);
    birth.lon = show(g.one->add_option("--lon", o.birth.lon, "longitude: degrees, E or W, minutes (073W05)")->type_name("77E12"), kOneChart);
    birth.lat = show(g.one->add_option("--lat", o.birth.lat, "latitude: degrees, N or S, minutes (33S52)")->type_name("28N36"), kOneChart);
    birth.dst = show(g.one->add_flag("--dst", o.birth.dst, "daylight-saving time was in force; with a place and zone auto, --dst=yes or no chooses the reading of a clock time that happened twice (default: the earlier)"), kOneChart);
    show(g.batch->add_option("--batch", o.batch, "CSV file with the header name,date,time,zone,lon,lat,dst; - reads standard input")->type_name("FILE"), kBatch);
    show(app.add_option("--jobs", o.jobs, "with --batch, how many rows to chart at once (default: one per core; 1: one after the other); the output keeps the rows' order")->check(JobsCheck())->type_name("N"), kBatch);
    show(g.batch->add_option("--format", o.format, "the batch file's format: csv (our own) or aaf (the astrological exchange format); by default its extension (.aaf), else csv")->type_name("csv|aaf")->check(CLI::IsMember({"csv", "aaf"}, CLI::ignore_case).description("")), kBatch);
    show(g.batch->add_option("--svg-dir", o.svgDir, "each row's picture as DIR/line-N.svg, N the row's line in the file (the folder is made if missing)")->type_name("DIR"), kBatch);
    show(g.tables->add_flag("--zones", o.zones, "list the 71 time zones, each with the hours and minutes that turn its clock time into UT"), kTables);
    show(g.tables->add_flag("--decanates", o.decanates, "print the decanate table as JSON and exit"), kTables);
    birth.places = show(g.tables->add_option("--places", o.places, "list the atlas's places matching a name and exit")->type_name("NAME"), kTables);
    show(g.tables->add_flag("--ayanamsas", o.ayanamsas, "list the ayanamsas and exit"), kTables);
    show(g.tables->add_flag("--schemes", o.schemes, "list the decan schemes and exit"), kTables);
    show(app.add_option("--compare", o.compare, "with one chart's options, the decanates it shares with another person's chart: a birth batch file's first birth, or the one on --compare-line; with --svg, the wheel with the other chart as its outer ring")->type_name("FILE"), kOneChart);
    show(app.add_option("--compare-line", o.compareLine, "with --compare, the line of the file that holds the other person's birth")->type_name("N"), kOneChart);
    show(app.add_flag("--progressions", o.progressions, "with one chart's options, every decanate the progressed Sun to Pluto, Ascendant and Midheaven enter from birth to age 100 (a day after birth for each year of life; the precise ephemeris; the tables end with 2050)"), kProgressions);
    show(app.add_option("--progressed-on", o.progressedOn, "with --progressions, the progressed points on this date of the birth's clock instead")->type_name("YYYY-MM-DD"), kProgressions);
    show(app.add_option("--transits", o.transits, "with one chart's options, the sky at this instant around the chart: each body's place by the precise ephemeris, its decanate, the chart's bodies in the same one and the day it leaves; with --svg, the wheel's outer ring (--html: both); on the clock of the chart's place, or its zone, or --transit-zone")->type_name("\"YYYY-MM-DD HH:MM\""), kTransits);
    show(app.add_option("--transit-zone", o.transitZone, "with --transits, the clock it is read on: a zone's position 0 to 70 in --zones, or +HH:MM or -HH:MM")->type_name("ZONE"), kTransits);
    show(app.add_flag("--ingresses", o.ingresses, "list every change of decanate of the bodies from --from to --to, by the precise ephemeris"), kIngresses);
    show(app.add_option("--from", o.from, "with --ingresses, the first day (1901-01-01 to 2050-12-31)")->type_name("YYYY-MM-DD"), kIngresses);
    show(app.add_option("--to", o.to, "with --ingresses, the last day")->type_name("YYYY-MM-DD"), kIngresses);
    show(app.add_option("--bodies", o.bodies, "with --ingresses, the bodies: sun,moon,mercury,venus,mars,jupiter,saturn,uranus,neptune,pluto,node (rahu),ketu (default: sun to pluto and node)")->type_name("LIST"), kIngresses);
    show(g.formats->add_flag("--ics", o.ics, "with --ingresses, an iCalendar file (RFC 5545): one event per change"), kIngresses);
    // clang-format on
    birth.all = {name, date, time, birth.zone, birth.lon, birth.lat, birth.dst, birth.place, birth.placeId};
    return birth;
}

// How it is calculated and printed.
void DefineOutputOptions(CLI::App& app, const Groups& g, const Shown& show, Options& o)
{
    // clang-format off
    show(g.calculation->add_flag("--precise", o.precise, "positions from the precise ephemeris instead of the classic formulas"), kOutput);
    show(g.calculation->add_option("--zodiac", o.zodiac, "tropical (the default) or sidereal")->type_name("tropical|sidereal"), kOutput);
    show(g.calculation->add_option("--ayanamsa", o.ayanamsa, "the sidereal zodiac's ayanamsa (see --ayanamsas; Lahiri by default)")->type_name("NAME"), kOutput);
    show(g.calculation->add_option("--scheme", o.scheme, "whose sign and ruler each decanate takes (see --schemes; triplicity, the decanate table's own, by default)")->type_name("NAME"), kOutput);
    show(g.calculation->add_flag("--nakshatras", o.nakshatras, "each point's lunar mansion (nakshatra) and pada too, in the text, JSON, CSV and reading"), kOutput);
    show(g.formats->add_flag("--json", o.json, "JSON: a chart, a line per batch row, or the zones with utcOffset (east positive)"), kOutput);
    show(app.add_flag("--brief", o.brief, "with --json, leave out each body's three interpretation texts (see --decanates)"), kOutput);
    show(g.formats->add_flag("--csv", o.csv, "CSV for spreadsheets: a header, then a row per chart or rejected batch row"), kOutput);
    show(g.formats->add_flag("--html", o.html, "one chart's reading as one self-contained HTML document"), kOutput);
    show(g.formats->add_flag("--svg", o.svg, "one chart's wheel as a self-contained SVG picture; with --batch, see --svg-dir"), kOutput);
    show(g.formats->add_option("--export", o.exportFormat, "each chart as an AAF record (#A93 and #B93, UTF-8) instead, so another program gets its instant and place")->type_name("aaf")->check(CLI::IsMember({"aaf"}, CLI::ignore_case).description("")), kOutput);
    show(app.add_flag("--png", o.png, "with --svg or --svg-dir, the picture as PNG (its description as the text chunk Description)"), kOutput);
    show(app.add_option("--size", o.size, "with --png, the picture's width in pixels, its height in proportion (default 1000)")->check(CLI::Range(16, 8000))->type_name("N"), kOutput);
    show(app.add_option("--drekkana", o.drekkana, "with --svg or --svg-dir, the drekkana chart (D3) in the South or North Indian form instead of the wheel")->type_name("south|north")->check(CLI::IsMember({"south", "north"}, CLI::ignore_case).description("")), kOutput);
    show(app.set_help_flag("-h,--help", "print this help and exit"), "Help");
    show(app.set_version_flag("--version", "tessaline-chart " + std::string(kProgramVersion), "print the version and exit"), "Help");
    // clang-format on
}

// What the groups leave to say, pairwise: a place never with coordinates, and which options need or exclude others.
void RelateOptions(CLI::App& app, const Groups& g)
{
    const auto option = [&app](const char* name) {
        return app.get_option(name);
    };
    g.where->excludes(option("--lon"));
    g.where->excludes(option("--lat"));
    option("--brief")->needs(option("--json"));
    option("--jobs")->needs(option("--batch"));
    option("--html")->excludes(option("--batch")); // the reading is of one chart
    g.tables->excludes(option("--csv"));
    g.tables->excludes(option("--svg"));
    option("--svg-dir")->needs(option("--batch"));
    option("--format")->needs(option("--batch"));
    option("--size")->needs(option("--png"));
    for (const char* table : {"--zones", "--decanates", "--ayanamsas", "--schemes"})
        g.calculation->excludes(option(table));
    for (const char* name : {"--from", "--to", "--bodies", "--ics"})
        option(name)->needs(option("--ingresses"));
    option("--compare-line")->needs(option("--compare"));
    option("--progressed-on")->needs(option("--progressions"));
    option("--transit-zone")->needs(option("--transits"));
    for (const char* other : {"--batch", "--html", "--drekkana", "--brief"})
        option("--compare")->excludes(option(other));
    for (const char* table : {"--ayanamsas", "--schemes"}) {
        option(table)->excludes(option("--json"));
        option(table)->excludes(option("--html"));
    }
}

BirthOptions DefineOptions(CLI::App& app, HelpFormatter& help, Options& options)
{
    Groups g;
    CLI::App* modes = app.add_option_group("modes")->require_option(0, 1);
    g.one = modes->add_option_group("one chart");
    g.where = g.one->add_option_group("place")->require_option(0, 1);
    g.batch = modes->add_option_group("batch");
    g.tables = modes->add_option_group("tables")->require_option(0, 1);
    g.calculation = app.add_option_group("calculation");
    g.formats = app.add_option_group("formats")->require_option(0, 1);
    const Shown show{help};
    const BirthOptions birth = DefineChartOptions(app, g, show, options);
    DefineOutputOptions(app, g, show, options);
    RelateOptions(app, g);
    return birth;
}

// What the option groups cannot say: which of the picture options go together.
const char* PictureConflict(const Options& options)
{
    if (options.png && !options.svg && options.svgDir.empty())
        return "--png draws a picture: it needs --svg or --svg-dir";
    if (!options.drekkana.empty() && !options.svg && options.svgDir.empty())
        return "--drekkana draws a picture: it needs --svg or --svg-dir";
    if (options.svg && !options.batch.empty() && options.svgDir.empty())
        return "--svg with --batch needs --svg-dir DIR: one picture per row, each in a file of its own";
    if (!options.drekkana.empty() && DecanSchemeFromKey(options.scheme) == DecanScheme::Chaldean)
        return "--drekkana draws each point in the sign of its decanate, and the Chaldean faces place no decanate "
               "in a sign: leave out --drekkana, or choose another --scheme";
    return nullptr;
}

// Whether --name (a long option given alone) takes the next argument as its value, in app or its groups.
bool TakesValue(const CLI::App& app, std::string_view argument)
{
    if (!argument.starts_with("--") || argument.find('=') != std::string_view::npos)
        return false;
    const std::string name(argument.substr(2));
    for (const CLI::Option* option : app.get_options())
        if (option->get_expected_max() != 0 && option->check_lname(name))
            return true;
    const auto groups = app.get_subcommands([](const CLI::App*) { return true; });
    return std::any_of(groups.begin(), groups.end(),
                       [&](const CLI::App* group) { return TakesValue(*group, argument); });
}

// The command line walked once before parsing: the long options given, by name without their dashes or value,
// in order (the values of options that take one are passed over, and so is everything after "--"); or what the
// parser would take wrongly, said before parsing: an empty argument that no option takes as its value (CLI11 2.1
// mistakes it for the name of an option group and never returns), and an option whose value is missing, so that
// it would swallow the next option ("--svg-dir --csv" would make a folder named --csv).
Result<std::vector<std::string>> GivenOptions(const CLI::App& app, int argc, const char* const* argv)
{
    const std::string stray = "An empty argument stands where no option takes it";
    std::vector<std::string> given;
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument(argv[i]);
        if (argument == "--") { // what follows is no option, and no option's value
            if (std::any_of(argv + i + 1, argv + argc, [](const char* rest) { return *rest == '\0'; }))
                return Fail(stray);
            break;
        }
        if (argument.empty())
            return Fail(stray);
        if (!argument.starts_with("--"))
            continue;
        given.emplace_back(argument.substr(2, argument.find('=') - 2));
        if (TakesValue(app, argument)) {
            if (i + 1 < argc && std::string_view(argv[i + 1]).starts_with("--"))
                return Fail(std::string(argument) + " needs a value, and \"" + TerminalText(argv[i + 1])
                            + "\" is an option; for a value that begins with --, write " + std::string(argument)
                            + "=VALUE");
            ++i; // its value, empty or not
        }
    }
    return given;
}

// Options given together that do not go together, said in the tool's words: which one stands alone, and what
// to leave out. The option groups would refuse them too, but in words that name the groups, not the options.
std::optional<std::string> ConflictProblem(const std::vector<std::string>& given)
{
    static constexpr std::array<std::string_view, 9> kChart{"name", "date", "time",  "zone",    "lon",
                                                            "lat",  "dst",  "place", "place-id"};
    static constexpr std::array<std::string_view, 5> kTables{"zones", "decanates", "places", "ayanamsas", "schemes"};
    const auto among = [](const auto& names, const std::string& option) {
        return std::find(names.begin(), names.end(), option) != names.end();
    };
    const auto listed = [&given](const auto& keep) {
        std::string list;
        for (const std::string& option : given)
            if (keep(option) && list.find("--" + option + ",") == std::string::npos)
                list += "--" + option + ", ";
        return list.substr(0, list.size() >= 2 ? list.size() - 2 : 0);
    };
    const std::string tables = listed([&](const std::string& o) { return among(kTables, o); });
    const std::string chart = listed([&](const std::string& o) { return among(kChart, o); });
    const bool batch = among(given, "batch");
    const bool version = among(given, "version");
    if (const std::size_t comma = tables.rfind(", "); comma != std::string::npos)
        return tables.substr(0, comma) + " and " + tables.substr(comma + 2) + " are tables of their own: ask for one "
            + "at a time";
    if (version && given.size() > 1)
        return std::string("--version stands alone: give it without other options");
    if (among(given, "progressions")) {
        static constexpr std::array<std::string_view, 19> kNotWithProgressions{
            "batch", "jobs", "format", "svg-dir",  "ingresses", "from",  "to",         "bodies",  "ics",         "html",
            "svg",   "png",  "size",   "drekkana", "export",    "brief", "nakshatras", "compare", "compare-line"};
        const std::string others = listed([&](const std::string& o) { return among(kNotWithProgressions, o); });
        if (!tables.empty() || !others.empty())
            return "--progressions follows one chart's points through a life, as text, --json or --csv: leave out "
                + (tables.empty()       ? others
                       : others.empty() ? tables
                                        : tables + ", " + others);
    }
    if (among(given, "transits")) {
        static constexpr std::array<std::string_view, 15> kNotWithTransits{
            "batch", "jobs",     "format", "svg-dir",      "ingresses", "from",         "to",           "bodies",
            "ics",   "drekkana", "export", "progressions", "compare",   "compare-line", "progressed-on"};
        const std::string others = listed([&](const std::string& o) { return among(kNotWithTransits, o); });
        if (!tables.empty() || !others.empty())
            return "--transits adds the sky at an instant to one chart, as text, --json, --csv, --html or the --svg "
                   "wheel: "
                   "leave out "
                + (tables.empty()       ? others
                       : others.empty() ? tables
                                        : tables + ", " + others);
    }
    if (among(given, "ingresses")) {
        static constexpr std::array<std::string_view, 16> kNotWithIngresses{
            "name",    "date", "time", "lon",      "lat",   "dst",        "batch",   "jobs",
            "svg-dir", "html", "svg",  "drekkana", "brief", "nakshatras", "compare", "compare-line"};
        const std::string others = listed([&](const std::string& o) { return among(kNotWithIngresses, o); });
        if (!tables.empty() || !others.empty())
            return "--ingresses lists the changes of the sky, with --place, --place-id or --zone for the clock: "
                   "leave out "
                + (tables.empty()       ? others
                       : others.empty() ? tables
                                        : tables + ", " + others);
    }
    if (!tables.empty() && (batch || !chart.empty()))
        return tables + " stands alone: leave out "
            + listed([&](const std::string& o) { return among(kChart, o) || o == "batch"; });
    if (batch && !chart.empty())
        return "--batch takes its births from the file: leave out " + chart;
    const bool place = among(given, "place");
    const bool placeId = among(given, "place-id");
    if (place && placeId)
        return std::string("--place and --place-id both name the birthplace: give one of them");
    const std::string coordinates = listed([](const std::string& o) { return o == "lon" || o == "lat"; });
    if ((place || placeId) && !coordinates.empty())
        return std::string(place ? "--place" : "--place-id") + " brings the place's own coordinates: leave out "
            + coordinates + ", or the place";
    return std::nullopt;
}

// The tables, which stand alone; nothing when none was asked for.
std::optional<int> RunTable(const Options& options, std::ostream& out, std::ostream& err)
{
    if (options.zones) {
        PrintZones(out, options.json);
        return kExitOk;
    }
    if (options.decanates) {
        PrintDecanateTable(out);
        return kExitOk;
    }
    if (options.ayanamsas) {
        PrintAyanamsas(out);
        return kExitOk;
    }
    if (options.schemes) {
        PrintSchemes(out);
        return kExitOk;
    }
    if (options.places.empty())
        return std::nullopt;
    AtlasOnDemand atlases;
    const Result<const atlas::Atlas*> got = atlases.Get();
    if (!got) {
        err << TerminalText(got.error()) << '\n';
        return kExitRejected;
    }
    if (const Status printed = PrintPlaces(out, **got, options.places, options.json); !printed) {
        err << TerminalText(printed.error()) << '\n';
        return kExitRejected;
    }
    return kExitOk;
}

constexpr const char* kMoreHelp = "\nRun with --help for more information.\n";

// The command line read into options: an exit code when it is wrong, or was --help or --version.
std::optional<int> ParseCommandLine(CLI::App& app, int argc, const char* const* argv, std::ostream& out,
                                    std::ostream& err)
{
    const Result<std::vector<std::string>> given = GivenOptions(app, argc, argv);
    const std::optional<std::string> problem = given ? ConflictProblem(*given) : given.error();
    if (problem) {
        err << TerminalText(*problem) << kMoreHelp;
        return kExitUsage;
    }
    try {
        app.parse(argc, argv);
    } catch (const CLI::ConversionError&) { // the one option converted by the parser is the flag --dst
        err << "--dst takes yes or no (or 1 or 0, true or false), as in --dst=no" << kMoreHelp;
        return kExitUsage;
    } catch (const CLI::ParseError& e) {
        if (e.get_exit_code() == static_cast<int>(CLI::ExitCodes::Success))
            return app.exit(e, out, err); // --help, --version
        err << TerminalText(e.what()) << kMoreHelp;
        return kExitUsage;
    }
    return std::nullopt;
}

// Values the parser took but the tool cannot use: an empty place or name to look up.
bool PlacesUsable(const Options& options, const BirthOptions& birth, std::ostream& err)
{
    for (CLI::Option* given : {birth.place, birth.placeId})
        if (given->count() > 0 && TrimBlanks(given == birth.place ? options.place : options.placeId).empty()) {
            err << given->get_name()
                << " needs a place: its name (see --places NAME) or its GeoNames id; or give "
                   "--lon, --lat and --zone instead"
                << kMoreHelp;
            return false;
        }
    if (birth.places->count() > 0 && TrimBlanks(options.places).empty()) {
        err << "--places needs a name to look up, e.g. --places paris" << kMoreHelp;
        return false;
    }
    return true;
}

// The choices of the calculation and the pictures the tool cannot use: an unknown scheme, a picture without one.
bool ChoicesUsable(const Options& options, std::ostream& err)
{
    if (!options.scheme.empty() && !DecanSchemeFromKey(options.scheme)) {
        std::string keys;
        for (const DecanSchemeName& scheme : kDecanSchemes)
            keys += (keys.empty() ? "" : ", ") + std::string(scheme.key);
        err << "--scheme takes one of " << keys << " (see --schemes), not \"" << TerminalText(options.scheme) << '"'
            << kMoreHelp;
        return false;
    }
    if (const char* conflict = PictureConflict(options)) {
        err << conflict << kMoreHelp;
        return false;
    }
    return true;
}

// One chart, alone or beside another person's: every option it needs given.
int RunOneChart(const Options& options, const BirthOptions& birth, const ZodiacChoice& zodiac, PlaceRequest request,
                std::ostream& out, std::ostream& err)
{
    if (birth.dst->count() > 0)
        request.dst = options.birth.dst;
    for (CLI::Option* option : birth.all) {
        const bool optional = option == birth.dst || option == birth.place || option == birth.placeId
            || (request.Named() && (option == birth.zone || option == birth.lon || option == birth.lat));
        if (!optional && option->count() == 0) {
            err << option->get_name() << " is required for a chart (or use --batch FILE, --zones, --help)\n";
            return kExitUsage;
        }
    }
    if (!options.compare.empty())
        return RunCompare(options, zodiac, request, out, err);
    if (options.progressions)
        return RunProgressions(options, zodiac, request, out, err);
    return RunSingle(options, zodiac, request, out, err);
}

int RunTool(int argc, const char* const* argv, std::istream& in, Output& output, std::ostream& err)
{
    std::ostream& out = output.out;
    Options options;
    CLI::App app{"Decanate charts from birth data: the Sun, the Moon and the planets with their decanates, the "
                 "Ascendant, the Midheaven and the lunar nodes, with the checks of the desktop program.",
                 "tessaline-chart"};
    auto help = std::make_shared<HelpFormatter>();
    app.formatter(help);
    app.footer(kHelpFooter);
    const BirthOptions birth = DefineOptions(app, *help, options);
    if (const auto code = ParseCommandLine(app, argc, argv, out, err))
        return *code;
    if (!PlacesUsable(options, birth, err))
        return kExitUsage;
    if (const auto code = RunTable(options, out, err))
        return *code;
    const auto chosen = Worded(ParseZodiac(options.zodiac, options.ayanamsa, {}), kToolVoice);
    if (!chosen) {
        err << "In --zodiac and --ayanamsa, " << TerminalText(chosen.error()) << kMoreHelp;
        return kExitUsage;
    }
    if (!ChoicesUsable(options, err))
        return kExitUsage;
    if (const Status drawing = options.png ? StartDrawing() : Status{}; !drawing) {
        err << "tessaline-chart: cannot draw PNG pictures: " << drawing.error() << '\n';
        return kExitOutputFailed;
    }
    if (!options.batch.empty())
        return RunBatch(options, *chosen, in, output, err);
    const PlaceRequest request{options.place, options.placeId, std::nullopt};
    if (options.ingresses)
        return RunIngresses(options, *chosen, request, output, err);
    return RunOneChart(options, birth, *chosen, request, out, err);
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
