// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart/BirthArguments.h"

#include "chart/Text.h"
#include "chart/ZoneTable.h"

#include <charconv>
#include <cstdio>
#include <optional>
#include <utility>

namespace tessaline {

namespace {

bool IsDigit(char c) noexcept
{
    return c >= '0' && c <= '9';
}

// A run of digits as a number; nothing for an empty run, anything else in it, or a number too large.
std::optional<int> Digits(std::string_view text) noexcept
{
    if (text.empty())
        return std::nullopt;
    for (char c : text)
        if (!IsDigit(c))
            return std::nullopt;
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

// Fixed-width digit fields separated by one character: "1975-06-15", "10:30", "10:30:00".
std::optional<std::array<int, 3>> SplitNumbers(std::string_view text, char separator, std::size_t minParts)
{
    std::array<int, 3> parts{};
    std::size_t count = 0;
    while (true) {
        const auto at = text.find(separator);
        if (count == parts.size())
            return std::nullopt;
        const auto value = Digits(text.substr(0, at));
        if (!value)
            return std::nullopt;
        parts[count++] = *value;
        if (at == std::string_view::npos)
            break;
        text.remove_prefix(at + 1);
    }
    if (count < minParts)
        return std::nullopt;
    return parts;
}

Unexpected<BirthFailure> Stated(std::string message)
{
    return {{BirthFailure::Kind::Stated, {}, std::move(message), {}}};
}

Unexpected<BirthFailure> Failed(BirthFailure::Kind kind, std::string_view input)
{
    return {{kind, std::string(input), {}, {}}};
}

struct Coordinate {
    std::string degrees;
    std::string minutes;
    bool positiveSide; // East or North
};

// Degrees, the hemisphere letter, minutes: "77E12", "073W05", "28N36". The digits are handed on as
// typed, so the window's range checks judge them.
std::optional<Coordinate> ParseCoordinate(std::string_view text, char positive, char negative)
{
    const auto letterAt = text.find_first_not_of("0123456789");
    if (letterAt == 0 || letterAt == std::string_view::npos || letterAt + 1 >= text.size())
        return std::nullopt;
    const char letter = text[letterAt];
    const char upper = (letter >= 'a' && letter <= 'z') ? static_cast<char>(letter - 32) : letter;
    if (upper != positive && upper != negative)
        return std::nullopt;
    const std::string_view minutes = text.substr(letterAt + 1);
    for (char c : minutes)
        if (!IsDigit(c))
            return std::nullopt;
    return Coordinate{std::string(text.substr(0, letterAt)), std::string(minutes), upper == positive};
}

} // namespace

std::optional<ZoneCorrection> ParseExactOffset(std::string_view text) noexcept
{
    if (text.size() < 5 || (text[0] != '+' && text[0] != '-'))
        return std::nullopt;
    const auto colon = text.find(':');
    if (colon == std::string_view::npos || colon < 2 || colon > 3 || text.size() - colon != 3)
        return std::nullopt;
    const auto hours = Digits(text.substr(1, colon - 1));
    const auto minutes = Digits(text.substr(colon + 1));
    constexpr int kFurthestHours = 14; // the clocks of Kiribati's Line Islands
    if (!hours || !minutes || *minutes > 59 || *hours * 60 + *minutes > kFurthestHours * 60)
        return std::nullopt;
    const int sign = text[0] == '+' ? -1 : 1; // east of Greenwich: subtract to get universal time
    return ZoneCorrection{sign * *hours, sign * *minutes};
}

std::optional<bool> ParseFlag(std::string_view text)
{
    if (TrimBlanks(text).empty())
        return false;
    const std::string key = CaseFolded(TrimBlanks(text));
    const auto is = [&key](std::string_view word) {
        return key == word;
    };
    if (is("0") || is("false") || is("no"))
        return false;
    if (is("1") || is("true") || is("yes"))
        return true;
    return std::nullopt;
}

BirthArguments BirthArgumentsFromForm(const BirthDataForm& form)
{
    BirthArguments arguments;
    arguments.name = form.name;
    char text[64]; // room for any int, so nothing is ever cut
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", kFirstYear + form.yearPosition, form.monthPosition + 1,
                  form.dayPosition + 1);
    arguments.date = text;
    std::snprintf(text, sizeof text, "%02d:%02d", form.hour, form.minute);
    arguments.time = text;
    arguments.zone = form.exactZone ? OffsetText(form.exactZone->seconds) : std::to_string(form.zonePosition);
    const auto coordinate = [&text](const std::string& degrees, char side, const std::string& minutes) {
        std::snprintf(text, sizeof text, "%d%c%02d", CoordinateValue(degrees).value_or(0), side,
                      CoordinateValue(minutes).value_or(0));
        return std::string(text);
    };
    arguments.lon = coordinate(form.lonDegrees, form.isEast ? 'E' : 'W', form.lonMinutes);
    arguments.lat = coordinate(form.latDegrees, form.isSouth ? 'S' : 'N', form.latMinutes);
    arguments.dst = form.daylightSaving;
    return arguments;
}

std::string QuotedInput(std::string_view text)
{
    constexpr std::size_t kShown = 40;
    std::string out = "\"";
    out += text.substr(0, kShown);
    if (text.size() > kShown)
        out += "...";
    out += '"';
    return out;
}

Result<BirthDataForm, BirthFailure> ParseBirthArguments(const BirthArguments& arguments)
{
    BirthDataForm form;

    // The name goes through the window's name filter, as if pasted; Enter and Backspace are keys, not text.
    std::optional<std::string> name = FilterNameText(arguments.name);
    if (!name || name->find_first_of("\r\b") != std::string::npos)
        return Stated(std::string(kMsgOnlyLetters));
    form.name = std::move(*name);

    const auto date = SplitNumbers(arguments.date, '-', 3);
    if (!date || arguments.date.size() != 10)
        return Stated("Date " + QuotedInput(arguments.date)
                      + " is not a date: write it as YYYY-MM-DD, e.g. 1975-06-15");
    const auto [year, month, day] = *date;
    if (year < kFirstYear || year > kLastYear)
        return Stated("Year " + std::to_string(year) + " is outside the years the program calculates (1901 to 2050)");
    if (month < 1 || month > 12)
        return Stated("Month " + std::to_string(month) + " does not exist: use 01 to 12");
    if (day < 1 || day > 31)
        return Stated("Day " + std::to_string(day) + " does not exist: use 01 to 31");
    form.yearPosition = year - kFirstYear;
    form.monthPosition = month - 1;
    form.dayPosition = day - 1;

    const auto time = SplitNumbers(arguments.time, ':', 2);
    if (!time || (*time)[0] > 23 || (*time)[1] > 59 || (*time)[2] > 59)
        return Stated("Time " + QuotedInput(arguments.time)
                      + " is not a clock time: write it as HH:MM from 00:00 to 23:59");
    // The chart is calculated to the minute: seconds would be dropped without a word, so only :00 passes.
    if ((*time)[2] != 0)
        return Stated("Time " + QuotedInput(arguments.time)
                      + " has seconds, and the chart is calculated to the minute: write it as HH:MM");
    form.hour = (*time)[0];
    form.minute = (*time)[1];

    if (const auto exact = ParseExactOffset(arguments.zone)) {
        form.exactZone = OffsetOf(*exact); // the clock's whole offset: the daylight-saving flag is not added to it
    } else {
        const auto zone = Digits(arguments.zone);
        if (TrimBlanks(arguments.zone) == "auto")
            return Failed(BirthFailure::Kind::AutoZoneWithoutPlace, arguments.zone);
        if (!zone || *zone >= static_cast<int>(kZoneCount))
            return Failed(BirthFailure::Kind::NotAZone, arguments.zone);
        form.zonePosition = *zone;
    }
    form.daylightSaving = arguments.dst;

    const auto lon = ParseCoordinate(arguments.lon, 'E', 'W');
    if (!lon)
        return Stated("Longitude " + QuotedInput(arguments.lon)
                      + " is not a longitude: write degrees, E or W, minutes, e.g. 77E12");
    form.lonDegrees = lon->degrees;
    form.lonMinutes = lon->minutes;
    form.isEast = lon->positiveSide;

    const auto lat = ParseCoordinate(arguments.lat, 'N', 'S');
    if (!lat)
        return Stated("Latitude " + QuotedInput(arguments.lat)
                      + " is not a latitude: write degrees, N or S, minutes, e.g. 28N36");
    form.latDegrees = lat->degrees;
    form.latMinutes = lat->minutes;
    form.isSouth = !lat->positiveSide;

    return form;
}

Result<ZodiacChoice, BirthFailure> ParseZodiac(std::string_view zodiac, std::string_view ayanamsa,
                                               const ZodiacChoice& fallback)
{
    ZodiacChoice choice = fallback;
    const std::string zodiacKey = FoldKey(zodiac);
    if (zodiacKey == "tropical")
        choice = {};
    else if (zodiacKey == "sidereal")
        choice.zodiac = Zodiac::Sidereal;
    else if (!zodiacKey.empty())
        return Stated("the zodiac must be tropical or sidereal, not \"" + std::string(zodiac) + "\"");
    if (ayanamsa.empty())
        return choice;
    const std::optional<Ayanamsa> named = AyanamsaNamed(ayanamsa);
    if (!named)
        return Failed(BirthFailure::Kind::UnknownAyanamsa, ayanamsa);
    if (zodiacKey == "tropical")
        return Stated("an ayanamsa belongs to the sidereal zodiac, not the tropical one");
    return ZodiacChoice{Zodiac::Sidereal, *named};
}

} // namespace tessaline
