// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/Ingresses.h"

#include "atlas/Clock.h"
#include "base/VisibleText.h"
#include "chart/BirthArguments.h"
#include "chart/Text.h"
#include "chart/Version.h"
#include "chart/ZoneTable.h"
#include "cli/ExitCodes.h"
#include "decanates/DecanateChanges.h"
#include "report/DecanateCalendar.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>
#include <vector>

namespace tessaline::cli {

namespace {

constexpr std::int64_t kSecondsPerDay = 86400;
constexpr double kJulianDayOf1970 = 2440587.5;
constexpr std::size_t kWrittenAtOnce = 1 << 16; // bytes gathered before they go to the output
constexpr const char* kMoreHelp = "\nRun with --help for more information.\n";

// The bodies --bodies names, and the ones listed without it: Sun to Pluto and the mean node.
struct BodyKey {
    std::string_view key;
    Body body;
};
constexpr std::array<BodyKey, 13> kBodyKeys{{
    {"sun", Body::Sun},
    {"moon", Body::Moon},
    {"mercury", Body::Mercury},
    {"venus", Body::Venus},
    {"mars", Body::Mars},
    {"jupiter", Body::Jupiter},
    {"saturn", Body::Saturn},
    {"uranus", Body::Uranus},
    {"neptune", Body::Neptune},
    {"pluto", Body::Pluto},
    {"node", Body::Rahu},
    {"rahu", Body::Rahu},
    {"ketu", Body::Ketu},
}};

std::string Lowered(std::string_view text)
{
    std::string lowered(text);
    for (char& c : lowered)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return lowered;
}

// The bodies of a comma-separated list, each once, in the list's order; the message otherwise.
Result<std::vector<Body>> BodiesNamed(std::string_view list)
{
    std::vector<Body> bodies;
    if (list.empty()) {
        for (std::size_t i = 0; i < kDecanateBodyCount; ++i)
            bodies.push_back(static_cast<Body>(i));
        bodies.push_back(Body::Rahu);
        return bodies;
    }
    while (true) {
        const std::size_t comma = list.find(',');
        const std::string name = Lowered(TrimBlanks(list.substr(0, comma)));
        const auto* known
            = std::find_if(kBodyKeys.begin(), kBodyKeys.end(), [&name](const BodyKey& key) { return key.key == name; });
        if (known == kBodyKeys.end())
            return Fail("--bodies: \"" + TerminalText(name)
                        + "\" is not a body; name them with commas between, from sun, moon, mercury, venus, mars, "
                          "jupiter, saturn, uranus, neptune, pluto, node (or rahu) and ketu");
        if (std::find(bodies.begin(), bodies.end(), known->body) == bodies.end())
            bodies.push_back(known->body);
        if (comma == std::string_view::npos)
            return bodies;
        list.remove_prefix(comma + 1);
    }
}

// Days since 1970 of a date written YYYY-MM-DD, from 1901-01-01 to 2050-12-31; nothing for anything else.
std::optional<std::int64_t> DayOf(std::string_view text)
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
    if (!year || !month || !day || *year < 1901 || *year > 2050 || *month < 1 || *month > 12 || *day < 1)
        return std::nullopt;
    const std::int64_t days = DaysFromCivil(*year, *month, *day);
    int y = 0;
    int m = 0;
    int d = 0;
    CivilFromDays(days, y, m, d);
    if (m != *month) // the 30th of February counts on into March
        return std::nullopt;
    return days;
}

// The clock the changes are shown in: a place's history, one fixed offset, or none (universal time).
struct ChangeClock {
    std::string zoneId; // the place's time zone; empty for a fixed offset
    double longitudeEast = 0.0;
    ClockAtChange fixed;

    Result<ClockAtChange> At(std::int64_t unixSeconds) const
    {
        if (zoneId.empty())
            return fixed;
        const Result<atlas::ClockOffset> offset = atlas::ClockAtInstant(zoneId, unixSeconds, longitudeEast);
        if (!offset)
            return Fail(offset.error());
        return ClockAtChange{offset->seconds, offset->abbreviation};
    }

    // The universal instant of a local midnight, days since 1970: the offset in force then, looked up twice so
    // that a midnight after a change of the clocks reads the new offset.
    Result<std::int64_t> Midnight(std::int64_t days) const
    {
        const std::int64_t local = days * kSecondsPerDay;
        const Result<ClockAtChange> guess = At(local);
        if (!guess)
            return Fail(guess.error());
        const Result<ClockAtChange> offset = At(local - guess->offsetSeconds);
        if (!offset)
            return Fail(offset.error());
        return local - offset->offsetSeconds;
    }
};

// The clock and its name for the calendar, from --place or --place-id (and --zone, which a place's own
// history gives unless a zone is named), or from --zone alone; universal time without either.
Result<ChangeClock> ClockOf(const Options& options, const PlaceRequest& request, CalendarSetting& setting)
{
    ChangeClock clock;
    const std::string zone(TrimBlanks(options.birth.zone));
    const bool automatic = zone.empty() || zone == "auto";
    if (request.Named()) {
        AtlasOnDemand atlases;
        PlaceCache places(atlases);
        const Result<PlaceCache::Found> found = places.Find(request);
        if (!found)
            return Fail(found.error());
        setting.clock = true;
        setting.clockName = found->atlas->Label(*found->place);
        if (automatic) {
            clock.zoneId = found->atlas->ZoneId(*found->place);
            clock.longitudeEast = found->place->Longitude();
            setting.clockName += " (" + clock.zoneId + ")";
            return clock;
        }
    } else if (zone == "auto")
        return Fail(std::string("--zone auto takes the clock of a place: give --place or --place-id too"));
    else if (zone.empty())
        return clock;
    if (const auto exact = ParseExactOffset(zone)) {
        clock.fixed.offsetSeconds = OffsetOf(*exact).seconds;
    } else {
        int row = -1;
        const auto [end, error] = std::from_chars(zone.data(), zone.data() + zone.size(), row);
        if (error != std::errc{} || end != zone.data() + zone.size() || row < 0 || row >= static_cast<int>(kZoneCount))
            return Fail("--zone " + QuotedInput(zone)
                        + " is not a zone: give its position 0 to 70 in --zones, or the offset as +HH:MM or -HH:MM");
        const ZoneRow& listed = ZoneTable()[static_cast<std::size_t>(row)];
        clock.fixed
            = {OffsetOf({listed.correctionHours, listed.correctionMinutes}).seconds, std::string(listed.abbreviation)};
    }
    if (!setting.clock)
        setting.clockName = atlas::OffsetName(clock.fixed.offsetSeconds);
    setting.clock = true;
    return clock;
}

// The whole days asked for, as a range of Julian days (UT): from the first's midnight to the midnight after
// the last, in the clock.
Result<std::pair<double, double>> RangeOf(const Options& options, const ChangeClock& clock)
{
    const auto from = DayOf(TrimBlanks(options.from));
    const auto to = DayOf(TrimBlanks(options.to));
    for (const auto& [name, text, day] :
         {std::tuple{"--from", &options.from, from}, std::tuple{"--to", &options.to, to}})
        if (!day)
            return Fail(std::string(name) + " " + QuotedInput(*text)
                        + " is not a date: write it as YYYY-MM-DD, from 1901-01-01 to 2050-12-31");
    if (*to < *from)
        return Fail("--to " + QuotedInput(options.to) + " comes before --from " + QuotedInput(options.from)
                    + ": give the first day, then the last");
    const Result<std::int64_t> start = clock.Midnight(*from);
    const Result<std::int64_t> end = clock.Midnight(*to + 1);
    if (!start || !end)
        return Fail(start ? end.error() : start.error());
    return std::pair{kJulianDayOf1970 + static_cast<double>(*start) / kSecondsPerDay,
                     kJulianDayOf1970 + static_cast<double>(*end) / kSecondsPerDay};
}

CalendarFormat FormatOf(const Options& options)
{
    return options.ics ? CalendarFormat::ICalendar
        : options.json ? CalendarFormat::JsonLines
        : options.csv  ? CalendarFormat::Csv
                       : CalendarFormat::Text;
}

// The calendar on the output, gathered a block at a time; false once the output has failed.
bool Write(const std::vector<DecanateChange>& changes, const ChangeClock& clock, const CalendarSetting& setting,
           Output& output, std::ostream& err, int& code)
{
    std::string block;
    AppendCalendarStart(block, setting);
    for (const DecanateChange& change : changes) {
        const Result<ClockAtChange> reading = clock.At(change.unixSeconds);
        if (!reading) {
            err << TerminalText(reading.error()) << '\n';
            code = kExitRejected;
            return true;
        }
        AppendCalendarChange(block, change, *reading, setting);
        if (block.size() >= kWrittenAtOnce) {
            output.out << block;
            block.clear();
            if (output.Failed())
                return false;
        }
    }
    AppendCalendarEnd(block, setting);
    output.out << block;
    return !output.Failed();
}

} // namespace

int RunIngresses(const Options& options, const ZodiacChoice& zodiac, const PlaceRequest& request, Output& output,
                 std::ostream& err)
{
    for (const auto& [option, text] : {std::pair{"--from", &options.from}, std::pair{"--to", &options.to}})
        if (TrimBlanks(*text).empty()) {
            err << option << " is required with --ingresses: the first and the last day, YYYY-MM-DD" << kMoreHelp;
            return kExitUsage;
        }
    const Result<std::vector<Body>> bodies = BodiesNamed(options.bodies);
    if (!bodies) {
        err << bodies.error() << kMoreHelp;
        return kExitUsage;
    }
    CalendarSetting setting;
    setting.format = FormatOf(options);
    setting.version = kProgramVersion;
    setting.scheme = DecanSchemeFromKey(options.scheme).value_or(DecanScheme::Triplicity);
    setting.zodiacKey = CalendarZodiacKey(zodiac);
    const Result<ChangeClock> clock = ClockOf(options, request, setting);
    if (!clock) {
        if (request.Named()) {
            err << TerminalText(clock.error()) << '\n';
            return kExitRejected;
        }
        err << TerminalText(clock.error()) << kMoreHelp;
        return kExitUsage;
    }
    const auto range = RangeOf(options, *clock);
    if (!range) {
        err << TerminalText(range.error()) << kMoreHelp;
        return kExitUsage;
    }
    const auto changes = FindDecanateChanges({range->first, range->second, *bodies, zodiac});
    if (!changes) {
        err << TerminalText(changes.error()) << '\n';
        return kExitRejected;
    }
    int code = kExitOk;
    Write(*changes, *clock, setting, output, err, code);
    return code;
}

} // namespace tessaline::cli
