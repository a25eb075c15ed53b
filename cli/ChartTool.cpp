#include "cli/ChartTool.h"

#include "report/Reading.h"

#include "chart/ZoneTable.h"
#include "cli/BirthArguments.h"
#include "cli/ChartOutput.h"
#include "cli/Csv.h"
#include "decanates/CalculationDriver.h"
#include "ephemeris/PreciseEphemeris.h"

#include <CLI/CLI.hpp>
#include <array>
#include <cerrno>
#include <filesystem>
#include <fstream>
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

constexpr const char* kVersion = "tessaline-chart 1.15.0";
constexpr std::size_t kDefaultWidth = 80;
constexpr std::array<const char*, 7> kColumns{"name", "date", "time", "zone", "lon", "lat", "dst"};

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
    bool html = false;
    std::string batch;
    bool zones = false;
    bool decanates = false;
    bool precise = false;
    std::string zodiac;
    std::string ayanamsa;
    bool ayanamsas = false;
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
    if (const auto failure = CalculateChart(state, form))
        return std::string(failure->message);
    return std::nullopt;
}

void PrintZones(std::ostream& out)
{
    const auto& zones = ZoneTable();
    for (std::size_t i = 0; i < zones.size(); ++i)
        out << i << '\t' << zones[i].displayText << '\t' << zones[i].correctionHours << '\t'
            << zones[i].correctionMinutes << '\n';
}

std::string Lowered(std::string_view text)
{
    std::string out;
    for (char c : text)
        if (c != ' ')
            out += (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c;
    return out;
}

// The zodiac named by a --zodiac and an --ayanamsa text (or a row's columns), either may be empty: an
// ayanamsa alone means the sidereal zodiac, a sidereal zodiac alone means Lahiri, nothing means fallback.
std::variant<ZodiacChoice, std::string> ParseZodiac(std::string_view zodiac, std::string_view ayanamsa,
                                                    const ZodiacChoice& fallback)
{
    ZodiacChoice choice = fallback;
    const std::string zodiacKey = Lowered(zodiac);
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
    if (options.precise) {
        state.ephemeris = EphemerisMode::Precise;
        if (PreciseEphemerisSource() == PreciseSource::Analytic)
            err << "Note: " << PreciseEphemerisDescription() << ".\n";
    }
    return state;
}

int RunSingle(const Options& options, const ZodiacChoice& zodiac, std::ostream& out, std::ostream& err)
{
    ChartState state = NewChartState(options, zodiac, err);
    if (const auto rejected = Calculate(state, options.birth)) {
        err << TerminalText(*rejected) << '\n';
        return kExitRejected;
    }
    if (options.html) {
        out << RenderReadingHtml(state);
    } else if (options.json) {
        std::string line;
        AppendChartJson(line, state, std::nullopt);
        out << Json::parse(line).dump(2) << '\n';
    } else
        PrintChart(out, state, TextWidth());
    return kExitOk;
}

std::string Plural(std::size_t count, std::string_view noun)
{
    return std::to_string(count) + ' ' + std::string(noun) + (count == 1 ? "" : "s");
}

// Why the reader refused a row, or nothing when it read the row whole.
std::optional<std::string> ReaderProblem(const CsvReader& reader)
{
    const std::string quoteLine = std::to_string(reader.QuoteLine());
    const std::string goesOn
        = reader.ResumedAt() != 0 ? "; reading goes on at line " + std::to_string(reader.ResumedAt()) : "";
    switch (reader.LastProblem()) {
    case CsvReader::Problem::None:
        return std::nullopt;
    case CsvReader::Problem::StrayQuote:
        if (reader.ResumedAt() != 0)
            return "The quote opened on line " + quoteLine + " closes with text after it" + goesOn;
        return std::string("The row has a stray quote, or text after a closing quote");
    case CsvReader::Problem::UnclosedQuote:
        return "The quote opened on line " + quoteLine + " is never closed" + goesOn;
    case CsvReader::Problem::QuoteTooLong:
        return "The quote opened on line " + quoteLine + " runs on past 16 MB" + goesOn;
    case CsvReader::Problem::TooLong:
        return std::string("The row is longer than 16 MB");
    case CsvReader::Problem::TooManyFields:
        return std::string("The row has more than 1024 fields");
    }
    return std::nullopt;
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
    std::array<std::size_t, kColumns.size()> columnOf{};
    for (std::size_t c = 0; c < kColumns.size(); ++c) {
        std::size_t found = 0;
        while (found < fields.size() && Lowered(fields[found]) != kColumns[c])
            ++found;
        if (found == fields.size()) {
            err << "The batch header has no column \"" << kColumns[c]
                << "\": it must name name,date,time,zone,lon,lat,dst\n";
            return kExitUsage;
        }
        columnOf[c] = found;
    }
    // Optional columns: a row's zodiac and ayanamsa, where empty the command line's.
    const auto optionalColumn = [&fields](std::string_view name) {
        std::size_t found = 0;
        while (found < fields.size() && Lowered(fields[found]) != name)
            ++found;
        return found < fields.size() ? std::optional<std::size_t>(found) : std::nullopt;
    };
    const std::optional<std::size_t> zodiacColumn = optionalColumn("zodiac");
    const std::optional<std::size_t> ayanamsaColumn = optionalColumn("ayanamsa");
    const std::size_t columnCount = fields.size();

    ChartState state = NewChartState(options, zodiac, err);
    std::string text; // one output line, its buffer reused row after row
    const std::size_t width = TextWidth();
    int exitCode = kExitOk;
    std::size_t rowsRead = 0;
    std::size_t rowsRejected = 0;
    while (reader.Next(fields)) {
        const std::size_t line = reader.RecordLine();
        std::optional<std::string> rejected = ReaderProblem(reader);
        if (!rejected && fields.size() == 1 && fields[0].empty())
            continue; // a blank line
        ++rowsRead;

        if (rejected) {
            // the reader's own reason
        } else if (fields.size() != columnCount) {
            rejected = "The row has " + std::to_string(fields.size()) + " fields where the header has "
                + std::to_string(columnCount);
        } else {
            BirthArguments birth{fields[columnOf[0]],
                                 fields[columnOf[1]],
                                 fields[columnOf[2]],
                                 fields[columnOf[3]],
                                 fields[columnOf[4]],
                                 fields[columnOf[5]],
                                 false};
            const auto dst = ParseFlag(fields[columnOf[6]]);
            const auto rowZodiac = ParseZodiac(zodiacColumn ? fields[*zodiacColumn] : std::string_view{},
                                               ayanamsaColumn ? fields[*ayanamsaColumn] : std::string_view{}, zodiac);
            if (!dst)
                rejected = "dst must be 1 or 0 (true/false, yes/no)";
            else if (const auto* message = std::get_if<std::string>(&rowZodiac))
                rejected = "In this row " + *message;
            else {
                birth.dst = *dst;
                state.zodiac = std::get<ZodiacChoice>(rowZodiac);
                rejected = Calculate(state, birth);
            }
        }

        if (rejected) {
            exitCode = kExitRejected;
            ++rowsRejected;
            if (options.json) // the message may quote what the row held, valid UTF-8 or not
                out << Json{{"line", line}, {"error", *rejected}}.dump(-1, ' ', false, Json::error_handler_t::replace)
                    << '\n';
            else
                err << "line " << line << ": " << TerminalText(*rejected) << '\n';
        } else if (options.json) {
            text.clear();
            AppendChartJson(text, state, line);
            text += '\n';
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
                 "Ascendant, the Midheaven and the lunar nodes.",
                 "tessaline-chart"};
    app.set_version_flag("--version", kVersion);
    auto* name = app.add_option("--name", options.birth.name, "the person's name (letters and blanks)");
    auto* date = app.add_option("--date", options.birth.date, "birth date, YYYY-MM-DD, 1901..2050");
    auto* time = app.add_option("--time", options.birth.time, "clock time of birth, HH:MM");
    auto* zone = app.add_option("--zone", options.birth.zone, "time zone, list position 0..70 (see --zones)");
    auto* lon = app.add_option("--lon", options.birth.lon, "longitude: degrees, E or W, minutes (77E12)");
    auto* lat = app.add_option("--lat", options.birth.lat, "latitude: degrees, N or S, minutes (28N36)");
    auto* dst = app.add_flag("--dst", options.birth.dst, "daylight-saving time was in force");
    auto* json = app.add_flag("--json", options.json, "print JSON (one object; JSON Lines for a batch)");
    auto* html = app.add_flag("--html", options.html, "print the reading as one self-contained HTML document");
    auto* batch = app.add_option("--batch", options.batch,
                                 "CSV file with the header name,date,time,zone,lon,lat,dst; - reads standard input");
    auto* zones = app.add_flag("--zones", options.zones, "list the time zones and exit");
    auto* decanates = app.add_flag("--decanates", options.decanates, "print the decanate table as JSON and exit");
    auto* precise = app.add_flag("--precise", options.precise,
                                 "positions from the precise ephemeris instead of the classic formulas");
    auto* zodiac = app.add_option("--zodiac", options.zodiac, "tropical (the default) or sidereal");
    auto* ayanamsa = app.add_option("--ayanamsa", options.ayanamsa,
                                    "the sidereal zodiac's ayanamsa (see --ayanamsas; Lahiri by default)");
    auto* ayanamsas = app.add_flag("--ayanamsas", options.ayanamsas, "list the ayanamsas and exit");
    const std::array<CLI::Option*, 7> single{name, date, time, zone, lon, lat, dst};
    for (CLI::Option* option : single) {
        option->excludes(batch);
        option->excludes(zones);
        option->excludes(decanates);
    }
    html->excludes(json);
    html->excludes(batch);
    batch->excludes(zones);
    batch->excludes(decanates);
    zones->excludes(decanates);
    precise->excludes(zones);
    precise->excludes(decanates);
    app.footer("Exit status 3: the output could not be written (a full disk, a closed output).");
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
        PrintZones(out);
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
    if (batch->count() > 0)
        return RunBatch(options, zodiacChoice, in, output, err);

    for (CLI::Option* option : single) {
        if (option != dst && option->count() == 0) {
            err << option->get_name() << " is required for a chart (or use --batch FILE, --zones, --help)\n";
            return kExitUsage;
        }
    }
    return RunSingle(options, zodiacChoice, out, err);
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
