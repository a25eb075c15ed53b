// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/DecanateCalendar.h"

#include "base/CsvText.h"
#include "base/JsonText.h"
#include "chart/ZoneTable.h"
#include "decanates/DecanateAssignment.h"
#include "report/SvgDrawing.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <utility>

namespace tessaline {

namespace {

constexpr std::int64_t kSecondsPerDay = 86400;
constexpr std::array<std::string_view, 3> kOrdinals{"first", "second", "third"};
constexpr std::array<std::string_view, 3> kRoman{"I", "II", "III"};

// The date and time of an instant moved by an offset: "2024-03-20" then separator then "04:06:24"; without
// separators (iCalendar) "20240320T040624".
void AppendDateTime(std::string& out, std::int64_t unixSeconds, int offsetSeconds, bool compact, char separator = 'T')
{
    const std::int64_t local = unixSeconds + offsetSeconds;
    std::int64_t days = local / kSecondsPerDay;
    std::int64_t seconds = local % kSecondsPerDay;
    if (seconds < 0) {
        seconds += kSecondsPerDay;
        --days;
    }
    int year = 0;
    int month = 0;
    int day = 0;
    CivilFromDays(days, year, month, day);
    const auto dash = [&] {
        if (!compact)
            out += '-';
    };
    const auto colon = [&] {
        if (!compact)
            out += ':';
    };
    AppendDigits(out, year, false);
    dash();
    AppendDigits(out, month, true);
    dash();
    AppendDigits(out, day, true);
    out += compact ? 'T' : separator;
    AppendDigits(out, static_cast<int>(seconds / 3600), true);
    colon();
    AppendDigits(out, static_cast<int>(seconds / 60 % 60), true);
    colon();
    AppendDigits(out, static_cast<int>(seconds % 60), true);
}

std::string_view Direction(const DecanateChange& change)
{
    return change.retrograde ? "retrograde" : "direct";
}

// The widest label of all 36 in the scheme, so that the text's columns line up whatever the changes.
std::size_t LabelWidth(DecanScheme scheme)
{
    std::size_t widest = 0;
    for (int sign = 0; sign < 12; ++sign)
        for (int decanate = 1; decanate <= 3; ++decanate)
            widest = std::max(widest, DecanateLabel({sign, decanate}, scheme).size());
    return widest;
}

void Pad(std::string& out, std::size_t from, std::size_t width)
{
    if (out.size() - from < width)
        out.append(width - (out.size() - from), ' ');
}

void AppendText(std::string& out, const DecanateChange& change, const ClockAtChange& clock,
                const CalendarSetting& setting)
{
    AppendDateTime(out, change.unixSeconds, 0, false, ' ');
    out += " UT  ";
    if (setting.clock) {
        const std::size_t start = out.size();
        AppendDateTime(out, change.unixSeconds, clock.offsetSeconds, false, ' ');
        out += ' ';
        out += OffsetText(clock.offsetSeconds);
        if (!clock.abbreviation.empty()) {
            out += ' ';
            out += clock.abbreviation;
        }
        Pad(out, start, 36);
    }
    std::size_t start = out.size();
    out += BodyName(change.body);
    Pad(out, start, 9);
    const std::size_t width = LabelWidth(setting.scheme);
    start = out.size();
    out += DecanateLabel(change.left, setting.scheme);
    Pad(out, start, width);
    out += " -> ";
    start = out.size();
    out += DecanateLabel(change.entered, setting.scheme);
    Pad(out, start, width);
    out += "  ";
    out += Direction(change);
    out += '\n';
}

void AppendJsonDecanate(std::string& out, SignDecanate decanate, DecanScheme scheme)
{
    const DecanateResult texts = DecanateTexts(decanate, scheme);
    out += "{\"sign\":";
    AppendJsonString(out, SignName(decanate.signIndex));
    out += ",\"decanate\":";
    out += static_cast<char>('0' + decanate.decanate);
    out += ",\"decanateSign\":";
    AppendJsonString(out, texts.DecanateSign);
    out += ",\"rulingPlanet\":";
    AppendJsonString(out, texts.RulingPlanet);
    out += '}';
}

void AppendJsonLine(std::string& out, const DecanateChange& change, const ClockAtChange& clock,
                    const CalendarSetting& setting)
{
    out += "{\"body\":";
    AppendJsonString(out, BodyName(change.body));
    out += ",\"instantUT\":\"";
    AppendDateTime(out, change.unixSeconds, 0, false);
    out += "Z\"";
    if (setting.clock) {
        out += ",\"clockTime\":\"";
        AppendDateTime(out, change.unixSeconds, clock.offsetSeconds, false);
        out += OffsetText(clock.offsetSeconds);
        out += "\",\"abbreviation\":";
        AppendJsonString(out, clock.abbreviation);
    }
    out += ",\"left\":";
    AppendJsonDecanate(out, change.left, setting.scheme);
    out += ",\"entered\":";
    AppendJsonDecanate(out, change.entered, setting.scheme);
    out += ",\"direction\":\"";
    out += Direction(change);
    out += "\"}\n";
}

void AppendCsvDecanate(std::string& out, SignDecanate decanate, DecanScheme scheme)
{
    const DecanateResult texts = DecanateTexts(decanate, scheme);
    out += ',';
    out += SignName(decanate.signIndex);
    out += ',';
    out += static_cast<char>('0' + decanate.decanate);
    out += ',';
    AppendCsvField(out, texts.DecanateSign);
    out += ',';
    AppendCsvField(out, texts.RulingPlanet);
}

void AppendCsvRow(std::string& out, const DecanateChange& change, const ClockAtChange& clock,
                  const CalendarSetting& setting)
{
    out += BodyName(change.body);
    out += ',';
    AppendDateTime(out, change.unixSeconds, 0, false);
    out += 'Z';
    if (setting.clock) {
        out += ',';
        AppendDateTime(out, change.unixSeconds, clock.offsetSeconds, false);
        out += ',';
        out += OffsetText(clock.offsetSeconds);
        out += ',';
        AppendCsvField(out, clock.abbreviation);
    }
    AppendCsvDecanate(out, change.left, setting.scheme);
    AppendCsvDecanate(out, change.entered, setting.scheme);
    out += ',';
    out += Direction(change);
    out += '\n';
}

std::string Lowered(std::string_view text)
{
    std::string lowered(text);
    std::transform(lowered.begin(), lowered.end(), lowered.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
    return lowered;
}

// The event's description: both instants, and the decanates left and entered with their rulers.
std::string EventDescription(const DecanateChange& change, const ClockAtChange& clock, const CalendarSetting& setting)
{
    std::string text;
    AppendDateTime(text, change.unixSeconds, 0, false, ' ');
    text += " UT";
    if (setting.clock) {
        text += "; ";
        AppendDateTime(text, change.unixSeconds, clock.offsetSeconds, false, ' ');
        text += ' ';
        text += clock.abbreviation.empty() ? OffsetText(clock.offsetSeconds) : clock.abbreviation;
        text += " (UT";
        text += OffsetText(clock.offsetSeconds);
        text += ") in ";
        text += setting.clockName;
    }
    for (const auto& [verb, decanate] :
         {std::pair{"\nLeaves the ", change.left}, std::pair{"\nEnters the ", change.entered}}) {
        const DecanateResult texts = DecanateTexts(decanate, setting.scheme);
        text += verb;
        text += kOrdinals[static_cast<std::size_t>(decanate.decanate - 1)];
        text += " decanate of ";
        text += SignName(decanate.signIndex);
        if (!texts.DecanateSign.empty()) {
            text += " (";
            text += texts.DecanateSign;
            text += ')';
        }
        text += ", ruled by ";
        text += texts.RulingPlanet;
        text += '.';
    }
    text += change.retrograde ? "\nMoving backwards (retrograde)." : "\nMoving forwards (direct).";
    return text;
}

void AppendEvent(std::string& out, const DecanateChange& change, const ClockAtChange& clock,
                 const CalendarSetting& setting)
{
    std::string stamp;
    AppendDateTime(stamp, change.unixSeconds, 0, true);
    stamp += 'Z';
    // The same change gives the same UID on every run, so that a calendar program that subscribes updates the
    // event instead of adding it again: the body, the edge, the minute, the direction, the zodiac and the scheme.
    std::string uid = Lowered(BodyName(change.body));
    uid += '-';
    const int edge = change.retrograde ? change.left.signIndex * 3 + change.left.decanate - 1
                                       : change.entered.signIndex * 3 + change.entered.decanate - 1;
    uid += std::to_string(edge * 10);
    uid += '-';
    uid += stamp.substr(0, 13); // YYYYMMDDTHHMM
    uid += "Z-";
    uid += Direction(change);
    uid += '-';
    uid += setting.zodiacKey;
    if (setting.scheme != DecanScheme::Triplicity) { // the table's own scheme, the default, names none
        uid += '-';
        uid += NameOf(setting.scheme).key;
    }
    uid += "@tessaline";
    AppendFoldedLine(out, "BEGIN:VEVENT");
    AppendFoldedLine(out, "UID:" + uid);
    // The stamp is the change's own instant, not the time of the run: the same calendar written twice is
    // the same file, and a subscriber sees no change where there is none.
    AppendFoldedLine(out, "DTSTAMP:" + stamp);
    AppendFoldedLine(out, "DTSTART:" + stamp);
    AppendFoldedLine(out, "SUMMARY:" + ICalendarText(ChangeSentence(change, setting.scheme)));
    AppendFoldedLine(out, "DESCRIPTION:" + ICalendarText(EventDescription(change, clock, setting)));
    AppendFoldedLine(out, "TRANSP:TRANSPARENT");
    AppendFoldedLine(out, "END:VEVENT");
}

} // namespace

std::string ChangeSentence(const DecanateChange& change, DecanScheme scheme)
{
    std::string sentence = BodyName(change.body);
    sentence += " enters the ";
    sentence += kOrdinals[static_cast<std::size_t>(change.entered.decanate - 1)];
    sentence += " decanate of ";
    sentence += SignName(change.entered.signIndex);
    if (const std::string_view sign = DecanateTexts(change.entered, scheme).DecanateSign; !sign.empty()) {
        sentence += " (";
        sentence += sign;
        sentence += ')';
    }
    if (change.retrograde)
        sentence += " (retrograde)";
    return sentence;
}

std::string DecanateLabel(SignDecanate decanate, DecanScheme scheme)
{
    const DecanateResult texts = DecanateTexts(decanate, scheme);
    std::string label(SignName(decanate.signIndex));
    label += ' ';
    label += kRoman[static_cast<std::size_t>(decanate.decanate - 1)];
    label += " (";
    if (!texts.DecanateSign.empty()) {
        label += texts.DecanateSign;
        label += ", ";
    }
    label += texts.RulingPlanet;
    label += ')';
    return label;
}

std::string ICalendarText(std::string_view text)
{
    std::string escaped;
    escaped.reserve(text.size() + 8);
    for (const char c : text) {
        if (c == '\\' || c == ';' || c == ',')
            escaped += '\\';
        if (c == '\n')
            escaped += "\\n";
        else if (c != '\r')
            escaped += c;
    }
    return escaped;
}

void AppendFoldedLine(std::string& out, std::string_view line)
{
    constexpr std::size_t kMostOctets = 75;
    std::size_t room = kMostOctets; // the first line's octets; a continuation's leading blank takes one
    while (line.size() > room) {
        std::size_t cut = room;
        while (cut > 0 && (static_cast<unsigned char>(line[cut]) & 0xC0) == 0x80)
            --cut; // never inside a UTF-8 sequence: cut before its lead byte
        out.append(line.substr(0, cut));
        out += "\r\n ";
        line.remove_prefix(cut);
        room = kMostOctets - 1;
    }
    out.append(line);
    out += "\r\n";
}

std::string CalendarZodiacKey(const ZodiacChoice& zodiac)
{
    return zodiac.zodiac == Zodiac::Tropical ? "tropical" : "sidereal-" + std::string(AyanamsaKey(zodiac.ayanamsa));
}

void AppendCalendarStart(std::string& out, const CalendarSetting& setting)
{
    if (setting.format == CalendarFormat::Csv) {
        out += "body,instantUT";
        if (setting.clock)
            out += ",clockTime,utcOffset,abbreviation";
        for (const char* side : {"left", "entered"}) {
            for (const char* column : {"Sign", "Decanate", "DecanateSign", "RulingPlanet"}) {
                out += ',';
                out += side;
                out += column;
            }
        }
        out += ",direction\n";
    } else if (setting.format == CalendarFormat::ICalendar) {
        AppendFoldedLine(out, "BEGIN:VCALENDAR");
        AppendFoldedLine(out, "VERSION:2.0");
        AppendFoldedLine(out, "PRODID:-//QB Tessaline//tessaline-chart " + std::string(setting.version) + "//EN");
        AppendFoldedLine(out, "CALSCALE:GREGORIAN");
    }
}

void AppendCalendarChange(std::string& out, const DecanateChange& change, const ClockAtChange& clock,
                          const CalendarSetting& setting)
{
    switch (setting.format) {
    case CalendarFormat::Text:
        AppendText(out, change, clock, setting);
        break;
    case CalendarFormat::JsonLines:
        AppendJsonLine(out, change, clock, setting);
        break;
    case CalendarFormat::Csv:
        AppendCsvRow(out, change, clock, setting);
        break;
    case CalendarFormat::ICalendar:
        AppendEvent(out, change, clock, setting);
        break;
    }
}

void AppendCalendarEnd(std::string& out, const CalendarSetting& setting)
{
    if (setting.format == CalendarFormat::ICalendar)
        AppendFoldedLine(out, "END:VCALENDAR");
}

} // namespace tessaline
