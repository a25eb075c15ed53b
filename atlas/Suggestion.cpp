// SPDX-License-Identifier: GPL-3.0-or-later
#include "atlas/Suggestion.h"

#include "atlas/PlaceText.h"
#include "chart/BirthData.h"
#include "chart/ZoneTable.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace tessaline::atlas {

namespace {

constexpr int kHour = 3600;

const ZoneRow& Row(int row)
{
    return ZoneTable()[static_cast<std::size_t>(row)];
}

bool IsWarOrDoubleRow(int row)
{
    const std::string_view abbreviation = Row(row).abbreviation;
    return abbreviation == "BDST" || abbreviation.ends_with("WT");
}

// What RowFor asks of each row, worked out once: every placed batch row asks it once or twice.
struct RowFacts {
    int offsetMinutes;
    bool summerOrWar;
    bool australian;
};

const std::array<RowFacts, kZoneCount>& Facts()
{
    static const std::array<RowFacts, kZoneCount> facts = [] {
        std::array<RowFacts, kZoneCount> all{};
        for (int row = 0; row < static_cast<int>(kZoneCount); ++row)
            all[static_cast<std::size_t>(row)] = {RowOffset(row, false).seconds / 60, IsSummerOrWarRow(row),
                                                  Row(row).name.find("Austral") != std::string_view::npos};
        return all;
    }();
    return facts;
}

// The row for an offset in whole minutes: one whose abbreviation is the clock's, else a standard-time row,
// Australian rows only for Australian zones; the first in the list among equals. -1 when none has it.
int RowFor(int offsetMinutes, std::string_view abbreviation, std::string_view zoneId)
{
    int best = -1;
    int bestRank = 0;
    const auto& facts = Facts();
    for (int row = 0; row < static_cast<int>(kZoneCount); ++row) {
        const RowFacts& fact = facts[static_cast<std::size_t>(row)];
        if (fact.offsetMinutes != offsetMinutes)
            continue;
        int rank = 1;
        if (Row(row).abbreviation == abbreviation)
            rank = 4;
        else if (!fact.summerOrWar)
            rank = fact.australian && !zoneId.starts_with("Australia/") ? 2 : 3;
        if (rank > bestRank) {
            best = row;
            bestRank = rank;
        }
    }
    return best;
}

std::string RowName(int row, bool tick)
{
    std::string name(Row(row).name);
    if (tick)
        name += " with daylight saving";
    return name;
}

std::string Described(const ClockOffset& offset)
{
    std::string text = OffsetName(offset.seconds);
    text += offset.summerSeconds != 0 ? ", summer time" : ", standard time";
    if (!offset.abbreviation.empty() && offset.abbreviation[0] != '+' && offset.abbreviation[0] != '-')
        text += " (" + offset.abbreviation + ")";
    return text;
}

} // namespace

std::optional<RowAndTick> RowForOffset(const ClockOffset& offset, std::string_view zoneId)
{
    if (offset.seconds % 60 != 0)
        return std::nullopt;
    const int minutes = offset.seconds / 60;
    const int same = RowFor(minutes, offset.abbreviation, zoneId);
    if (same >= 0 && IsWarOrDoubleRow(same) && Row(same).abbreviation == offset.abbreviation)
        return RowAndTick{same, false};
    if (offset.summerSeconds == kHour)
        if (const int standard = RowFor(minutes - 60, "", zoneId); standard >= 0)
            return RowAndTick{standard, true};
    if (same >= 0)
        return RowAndTick{same, false};
    return std::nullopt;
}

namespace {

ZoneSuggestion Exact(int seconds)
{
    ZoneSuggestion suggestion;
    suggestion.kind = SuggestionKind::ExactOffset;
    suggestion.clockSeconds = seconds;
    suggestion.exact = UtcOffset{static_cast<int>(std::lround(seconds / 60.0)) * 60};
    return suggestion;
}

// The row and tick that give an offset exactly, else the exact offset itself.
ZoneSuggestion RowOrExact(const ClockOffset& offset, std::string_view zoneId)
{
    const auto choice = RowForOffset(offset, zoneId);
    if (!choice)
        return Exact(offset.seconds);
    ZoneSuggestion suggestion;
    suggestion.row = choice->row;
    suggestion.tick = choice->tick;
    suggestion.clockSeconds = offset.seconds;
    return suggestion;
}

std::string Used(const ZoneSuggestion& suggestion)
{
    if (suggestion.kind == SuggestionKind::Row)
        return " \u2192 " + RowName(suggestion.row, suggestion.tick) + ".";
    return "; no zone in the list matches it, so the chart uses " + OffsetName(suggestion.exact.seconds) + ".";
}

std::string Degrees(double longitudeEast)
{
    const ArcMinutes rounded = RoundToArcMinute(longitudeEast);
    char text[32];
    std::snprintf(text, sizeof text, "%d\u00b0%02d\u2032%c", rounded.degrees, rounded.minutes,
                  longitudeEast < 0 ? 'W' : 'E');
    return text;
}

} // namespace

UtcOffset RowOffset(int row, bool tick) noexcept
{
    if (row < 0 || row >= static_cast<int>(kZoneCount))
        return {};
    const ZoneRow& zone = ZoneTable()[static_cast<std::size_t>(row)];
    return UtcOffset{OffsetOf(ZoneCorrection{zone.correctionHours, zone.correctionMinutes}).seconds
                     + (tick ? 3600 : 0)};
}

bool IsSummerOrWarRow(int row) noexcept
{
    if (row < 0 || row >= static_cast<int>(kZoneCount))
        return false;
    const std::string_view name = Row(row).name;
    for (std::string_view word : {"Daylight", "Summer", "War"})
        if (name.find(word) != std::string_view::npos)
            return true;
    return false;
}

bool FarFromLongitude(UtcOffset offset, double longitudeEast) noexcept
{
    double difference = offset.seconds / 3600.0 - longitudeEast / 15.0;
    // A zone across the date line is near in the other direction: +12 against 179°W is one hour away.
    difference = std::remainder(difference, 24.0);
    return std::abs(difference) > 3.0;
}

std::string LocalTimeText(const CivilInstant& local)
{
    const auto month = (local.month >= 1 && local.month <= 12) ? kMonthNames[static_cast<std::size_t>(local.month - 1)]
                                                               : std::string_view("?");
    std::string text; // "15 June 1975, 10:30"
    AppendDigits(text, local.day, false);
    text += ' ';
    text += month;
    text += ' ';
    AppendDigits(text, local.year, false);
    text += ", ";
    AppendDigits(text, local.hour, true);
    text += ':';
    AppendDigits(text, local.minute, true);
    return text;
}

ZoneSuggestion SuggestZone(const ClockReading& reading, const SuggestionContext& context)
{
    const std::string where = std::string(context.placeName) + ", " + LocalTimeText(context.local) + ": ";
    ZoneSuggestion suggestion;

    if (reading.kind == ClockKind::Unique && reading.localMeanTime) {
        suggestion = Exact(reading.first.seconds);
        suggestion.sentence = where + "clocks ran on local mean time at " + Degrees(context.longitudeEast) + ", "
            + OffsetName(reading.first.seconds) + Used(suggestion);
        return suggestion;
    }

    if (reading.kind == ClockKind::Gap) {
        // The clock not yet put forward: the offset before the jump.
        suggestion = RowOrExact(reading.first, context.zoneId);
        suggestion.sentence = where + "that clock time never existed: the clocks jumped from "
            + OffsetName(reading.first.seconds) + " to " + OffsetName(reading.second.seconds)
            + "; the chart takes the clock as not yet put forward" + Used(suggestion);
        return suggestion;
    }

    if (reading.kind == ClockKind::Overlap) {
        const std::string twice = where + "that clock time happened twice, first at " + Described(reading.first)
            + ", then at " + Described(reading.second) + "; the daylight-saving tick chooses (ticked = the first)";
        // The tick can carry the choice when the later reading has a row and the earlier is one hour on.
        const auto later = RowForOffset(reading.second, context.zoneId);
        if (later && !later->tick && reading.first.seconds - reading.second.seconds == kHour
            && !IsSummerOrWarRow(later->row)) {
            suggestion.row = later->row;
            suggestion.tick = context.tickChoosesEarlier;
            suggestion.clockSeconds = suggestion.tick ? reading.first.seconds : reading.second.seconds;
            suggestion.tickChoosesReading = true;
        } else {
            suggestion = RowOrExact(context.tickChoosesEarlier ? reading.first : reading.second, context.zoneId);
            // An exact offset leaves the tick free to show the choice; a row has a tick of its own.
            suggestion.tickChoosesReading = suggestion.kind == SuggestionKind::ExactOffset;
        }
        suggestion.sentence = twice + Used(suggestion);
        return suggestion;
    }

    suggestion = RowOrExact(reading.first, context.zoneId);
    suggestion.sentence = where + "clocks ran " + Described(reading.first) + Used(suggestion);
    return suggestion;
}

} // namespace tessaline::atlas
