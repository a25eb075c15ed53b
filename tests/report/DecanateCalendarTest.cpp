// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/DecanateCalendar.h"

#include <gtest/gtest.h>
#include <string>

namespace tessaline {
namespace {

// RFC 5545, 3.1: content lines of at most 75 octets, continued after CRLF and one blank, never inside a
// UTF-8 sequence.
TEST(DecanateCalendar, FoldsLinesAtSeventyFiveOctetsBetweenCharacters)
{
    const std::string e = "\xC3\xA9"; // é, two octets
    const struct {
        const char* name;
        std::string line;
        std::string folded;
    } rows[] = {
        {"short", "VERSION:2.0", "VERSION:2.0\r\n"},
        {"exactly75", std::string(75, 'a'), std::string(75, 'a') + "\r\n"},
        {"76", std::string(76, 'a'), std::string(75, 'a') + "\r\n a\r\n"},
        // 74 ASCII octets, then é would take octets 75 and 76: it goes whole to the next line.
        {"twoOctetsAcrossTheEdge", std::string(74, 'a') + e + "b", std::string(74, 'a') + "\r\n " + e + "b\r\n"},
        // A continuation holds 74 octets after its blank.
        {"threeLines", std::string(75 + 74 + 1, 'a'),
         std::string(75, 'a') + "\r\n " + std::string(74, 'a') + "\r\n a\r\n"},
    };
    for (const auto& row : rows) {
        std::string out;
        AppendFoldedLine(out, row.line);
        EXPECT_EQ(out, row.folded) << row.name;
    }
}

// RFC 5545, 3.3.11: TEXT escapes backslash, semicolon, comma and line breaks; a colon stays.
TEST(DecanateCalendar, EscapesText)
{
    EXPECT_EQ(ICalendarText("a,b;c\\d\ne:f"), "a\\,b\\;c\\\\d\\ne:f");
    EXPECT_EQ(ICalendarText("Paris, \xC3\x8Ele-de-France"), "Paris\\, \xC3\x8Ele-de-France");
}

// The event's title in each scheme: the second decanate of Aries is Leo's in the table's own (triplicity)
// scheme, Taurus's in the parivritti drekkana (the 36 walk the signs from Aries: Aries, Taurus, Gemini), and a
// face without a sign, Mars then the Sun then Venus, in the Chaldean order.
TEST(DecanateCalendar, TheTitleNamesTheDecanatesSignByTheScheme)
{
    DecanateChange change;
    change.body = Body::Mars;
    change.left = {0, 1};
    change.entered = {0, 2};
    const struct {
        DecanScheme scheme;
        const char* sentence;
    } rows[] = {
        {DecanScheme::Triplicity, "Mars enters the second decanate of Aries (Leo)"},
        {DecanScheme::Parivritti, "Mars enters the second decanate of Aries (Taurus)"},
        {DecanScheme::Chaldean, "Mars enters the second decanate of Aries"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(ChangeSentence(change, row.scheme), row.sentence);
    CalendarSetting faces;
    faces.scheme = DecanScheme::Chaldean;
    std::string line;
    AppendCalendarChange(line, change, {}, faces);
    EXPECT_NE(line.find("Aries I (Mars)"), std::string::npos) << line;
    EXPECT_NE(line.find("Aries II (The Sun)"), std::string::npos) << line;
}

// Mars moving backwards from the second decanate of Aries (Leo, the Sun) into the first (Aries, Mars) at
// 2024-03-20 03:06:24 UT (date -u -d 2024-03-20T03:06:24Z +%s gives 1710903984), on a clock five hours behind:
// 22:06:24 the evening before.
TEST(DecanateCalendar, EveryFormatGivesBothClocksAndBothDecanates)
{
    DecanateChange change;
    change.body = Body::Mars;
    change.unixSeconds = 1710903984;
    change.left = {0, 2};
    change.entered = {0, 1};
    change.retrograde = true;
    const ClockAtChange clock{-5 * 3600, "EST"};
    const struct {
        CalendarFormat format;
        std::vector<std::string> parts;
    } rows[] = {
        {CalendarFormat::Text,
         {"2024-03-20 03:06:24 UT", "2024-03-19 22:06:24 -05:00 EST", "Mars", "Aries II (Leo, The Sun)",
          "-> Aries I (Aries, Mars)", "retrograde\n"}},
        {CalendarFormat::JsonLines,
         {R"({"body":"Mars","instantUT":"2024-03-20T03:06:24Z","clockTime":"2024-03-19T22:06:24-05:00",)",
          R"("left":{"sign":"Aries","decanate":2,"decanateSign":"Leo","rulingPlanet":"The Sun"})",
          R"("direction":"retrograde"})"}},
        {CalendarFormat::Csv,
         {"body,instantUT,clockTime,utcOffset,abbreviation,leftSign,",
          "\nMars,2024-03-20T03:06:24Z,2024-03-19T22:06:24,-05:00,EST,Aries,2,Leo,The Sun,Aries,1,Aries,Mars,"
          "retrograde\n"}},
        {CalendarFormat::ICalendar,
         {"BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:", "UID:mars-10-20240320T0306Z-retrograde-tropical@tessaline\r\n",
          "DTSTART:20240320T030624Z\r\n", "SUMMARY:Mars enters the first decanate of Aries (Aries) (retrograde)\r\n",
          "2024-03-19 22:06:24 EST", "END:VEVENT\r\nEND:VCALENDAR\r\n"}},
    };
    for (const auto& row : rows) {
        const CalendarSetting setting{row.format, true, "Boston", "tropical", "1.0"};
        std::string out;
        AppendCalendarStart(out, setting);
        AppendCalendarChange(out, change, clock, setting);
        AppendCalendarEnd(out, setting);
        for (const std::string& part : row.parts)
            EXPECT_NE(out.find(part), std::string::npos) << part << " in\n" << out;
    }
}

} // namespace
} // namespace tessaline
