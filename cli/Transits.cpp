// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/Transits.h"

#include "atlas/Clock.h"
#include "base/VisibleText.h"
#include "chart/BirthArguments.h"
#include "chart/Text.h"
#include "chart/ZoneTable.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>

namespace tessaline::cli {

namespace {

constexpr std::int64_t kSecondsPerDay = 86400;
constexpr double kJulianDayOf1970 = 2440587.5;

std::string Years()
{
    return "the sky can be charted from " + std::to_string(kFirstYear) + " to " + std::to_string(kLastYear);
}

// "2026-12-09 20:00" (or with a T between): the local instant as seconds since 1970 on its own clock.
std::optional<std::int64_t> LocalSeconds(std::string_view text)
{
    const auto number = [text](std::size_t at, std::size_t length) -> std::optional<int> {
        int value = 0;
        const char* first = text.data() + at;
        const auto [end, error] = std::from_chars(first, first + length, value);
        if (error != std::errc{} || end != first + length)
            return std::nullopt;
        return value;
    };
    if (text.size() != 16 || text[4] != '-' || text[7] != '-' || (text[10] != ' ' && text[10] != 'T')
        || text[13] != ':')
        return std::nullopt;
    const auto year = number(0, 4), month = number(5, 2), day = number(8, 2);
    const auto hour = number(11, 2), minute = number(14, 2);
    if (!year || !month || !day || !hour || !minute || *month < 1 || *month > 12 || *day < 1 || *hour > 23
        || *minute > 59)
        return std::nullopt;
    const std::int64_t days = DaysFromCivil(*year, *month, *day);
    int y = 0, m = 0, d = 0;
    CivilFromDays(days, y, m, d);
    if (m != *month) // the 30th of February counts on into March
        return std::nullopt;
    return days * kSecondsPerDay + std::int64_t{*hour} * 3600 + std::int64_t{*minute} * 60;
}

Result<atlas::InstantClock> ZoneClock(std::string_view zone)
{
    int seconds = 0;
    if (const auto exact = ParseExactOffset(zone)) {
        seconds = OffsetOf(*exact).seconds;
    } else {
        int row = -1;
        const auto [end, error] = std::from_chars(zone.data(), zone.data() + zone.size(), row);
        if (error != std::errc{} || end != zone.data() + zone.size() || row < 0 || row >= static_cast<int>(kZoneCount))
            return Fail("--transit-zone " + QuotedInput(zone)
                        + " is not a zone: give its position 0 to 70 in --zones, or the offset as +HH:MM or -HH:MM");
        const ZoneRow& listed = ZoneTable()[static_cast<std::size_t>(row)];
        seconds = OffsetOf({listed.correctionHours, listed.correctionMinutes}).seconds;
    }
    return atlas::FixedClock(seconds);
}

Result<atlas::InstantClock> ClockFor(const Options& options, const Chart& chart, const PlaceRequest& request,
                                     PlaceCache& places)
{
    if (const std::string_view zone = TrimBlanks(options.transitZone); !zone.empty())
        return ZoneClock(zone);
    if (request.Named()) {
        const Result<PlaceCache::Found> found = places.Find(request);
        if (!found)
            return Fail(found.error());
        return found->atlas->Clock(*found->place);
    }
    return atlas::FixedClock(chart.ClockOffset().seconds);
}

} // namespace

Result<TransitReport> TransitsOfChart(const Options& options, const Chart& chart, const PlaceRequest& request,
                                      PlaceCache& places)
{
    const std::string_view text = TrimBlanks(options.transits);
    const std::optional<std::int64_t> local = LocalSeconds(text);
    if (!local)
        return Fail("--transits " + QuotedInput(text) + " is not an instant: give it as \"YYYY-MM-DD HH:MM\"");
    const Result<atlas::InstantClock> clock = ClockFor(options, chart, request, places);
    if (!clock)
        return Fail(clock.error());
    const Result<std::int64_t> universal = clock->UniversalOf(*local);
    if (!universal)
        return Fail(universal.error());
    const double julianDayUT = kJulianDayOf1970 + static_cast<double>(*universal) / kSecondsPerDay;
    Result<TransitReport> report = TransitReportAt(
        chart, julianDayUT, [&clock](std::int64_t at) { return clock->At(at); }, clock->name);
    if (!report && report.error().find("precise tables") != std::string::npos)
        return Fail("--transits " + QuotedInput(text) + " lies outside the tables' years: " + Years());
    return report;
}

} // namespace tessaline::cli
