// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "decanates/DecanSchemes.h"
#include "decanates/DecanateChanges.h"

#include <string>
#include <string_view>

namespace tessaline {

// The calendar of decanate changes as text (a line per change), JSON Lines (an object per change), CSV (a header,
// then a row per change) or iCalendar (RFC 5545: one event per change). Written piece by piece, so that a long
// calendar never sits whole in memory: the start, each change, the end.

enum class CalendarFormat { Text, JsonLines, Csv, ICalendar };

// How a calendar is written: its format, and the clock its changes are also shown in.
struct CalendarSetting {
    CalendarFormat format = CalendarFormat::Text;
    bool clock = false; // a place or a zone gives a clock beside universal time
    std::string clockName; // the place's label or the zone's offset ("UT+5:30"); what the iCalendar says it is
    std::string zodiacKey; // "tropical", "sidereal-lahiri": part of every event's UID, so two zodiacs never meet
    std::string_view version; // the program's, in the iCalendar's PRODID
    DecanScheme scheme = DecanScheme::Triplicity; // whose sign and ruler each decanate shows
};

// What the clock read at a change: its offset east of Greenwich and its abbreviation ("CEST"; may be empty).
struct ClockAtChange {
    int offsetSeconds = 0;
    std::string abbreviation;
};

// "tropical" or "sidereal-lahiri": the zodiac as every event's UID names it.
std::string CalendarZodiacKey(const ZodiacChoice& zodiac);

// The CSV header, or the iCalendar's opening lines; nothing for text and JSON Lines.
void AppendCalendarStart(std::string& out, const CalendarSetting& setting);

// One change.
void AppendCalendarChange(std::string& out, const DecanateChange& change, const ClockAtChange& clock,
                          const CalendarSetting& setting);

// The iCalendar's closing line; nothing for the others.
void AppendCalendarEnd(std::string& out, const CalendarSetting& setting);

// "Mars enters the second decanate of Aries (Leo)", the decanate's sign by the scheme (none for a face), with
// " (retrograde)" after a change made moving backwards.
std::string ChangeSentence(const DecanateChange& change, DecanScheme scheme = DecanScheme::Triplicity);

// "Pisces III (Scorpio, Pluto)": the sign, the decanate, its sign and ruler by the scheme ("Aries I (Mars)" for
// a face).
std::string DecanateLabel(SignDecanate decanate, DecanScheme scheme);

// iCalendar text (RFC 5545, 3.3.11): backslash, semicolon, comma and line breaks escaped.
std::string ICalendarText(std::string_view text);

// One iCalendar content line folded at 75 octets (RFC 5545, 3.1), never inside a UTF-8 sequence, each line
// ended by CRLF.
void AppendFoldedLine(std::string& out, std::string_view line);

} // namespace tessaline
