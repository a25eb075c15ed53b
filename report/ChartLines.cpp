// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/ChartLines.h"

#include "chart/BirthData.h"
#include "chart/BirthMoment.h"
#include "chart/PositionText.h"
#include "chart/ZoneTable.h"
#include "decanates/BirthTimeMargins.h"
#include "decanates/DecanateAssignment.h"
#include "decanates/DecanateFields.h"
#include "decanates/DecanateTable.h"

#include <array>
#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace tessaline {

namespace {

// "77°12′ E": degrees and minutes as entered, with the hemisphere's letter.
std::string CoordinateText(int degrees, int minutes, char hemisphere)
{
    char text[32];
    std::snprintf(text, sizeof text, "%d\u00B0%02d\u2032 %c", degrees, minutes, hemisphere);
    return text;
}

} // namespace

std::string LongitudeText(const BirthCoordinates& at)
{
    return CoordinateText(at.lonDegrees, at.lonMinutes, at.isEast ? 'E' : 'W');
}

std::string LatitudeText(const BirthCoordinates& at)
{
    return CoordinateText(at.latDegrees, at.latMinutes, at.isSouth ? 'S' : 'N');
}

std::string UtcOffsetText(const Chart& chart)
{
    return OffsetText(chart.ClockOffset().seconds);
}

std::string InstantUtText(const Chart& chart)
{
    const CivilInstant& at = chart.Instant().universal;
    char text[24];
    std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02dZ", at.year, at.month, at.day, at.hour, at.minute);
    return text;
}

std::string UniversalTimeText(const Chart& chart)
{
    const CivilInstant& at = chart.Instant().universal;
    return DayText(at) + ", " + ClockText(at) + " Universal Time (zone " + ReadableOffset(chart.Zone().seconds) + ", "
        + (chart.DaylightSaving() ? "daylight saving" : "no daylight saving") + ")";
}

std::string BirthPlaceText(const Chart& chart)
{
    std::string text = LongitudeText(chart.Coordinates());
    text += ", ";
    text += LatitudeText(chart.Coordinates());
    if (!chart.Place().empty())
        text += " (" + chart.Place() + ")";
    return text;
}

std::string ZodiacText(const Chart& chart)
{
    if (chart.Zodiac().zodiac != Zodiac::Sidereal)
        return "tropical zodiac";
    // Truncated to the minute, like every position: 23.999° shows 23°59′.
    const auto minutes = static_cast<int>(chart.Ayanamsa() * 60.0);
    char ayanamsa[24];
    std::snprintf(ayanamsa, sizeof ayanamsa, "%d\u00B0%02d\u2032", minutes / 60, minutes % 60);
    return std::string("sidereal zodiac, ") + AyanamsaName(chart.Zodiac().ayanamsa) + " ayanamsa " + ayanamsa;
}

std::string CalculatedForText(const Chart& chart)
{
    return "Calculated for " + UniversalTimeText(chart);
}

std::string InstantLine(const Chart& chart)
{
    std::string line = CalculatedForText(chart) + ", " + BirthPlaceText(chart);
    if (chart.Ephemeris() == EphemerisMode::Precise)
        line += "; positions from the precise ephemeris"; // a classic line stays as it always was
    if (chart.Zodiac().zodiac == Zodiac::Sidereal) // and a tropical one too
        line += "; " + ZodiacText(chart);
    if (!chart.ClockSentence().empty())
        line += ". " + chart.ClockSentence();
    return line;
}

std::vector<std::string> AngleItems(const Chart& chart)
{
    const auto entry = [&chart](Body body) {
        return std::string(BodyName(body)) + " " + chart.Position(body);
    };
    std::vector<std::string> items{entry(Body::Ascendant)};
    if (const auto decanate = DecanateOf(chart.Longitude(Body::Ascendant))) {
        const DecanateResult row = DecanateTexts(*decanate, chart.Scheme());
        if (row.DecanateSign.empty()) // a face: its ruler alone
            items[0]
                += " in the decanate ruled by " + std::string(row.RulingPlanet) + " (" + std::string(row.Keyword) + ")";
        else
            items[0] += " in the decanate of " + std::string(row.DecanateSign) + " (" + std::string(row.RulingPlanet)
                + ", " + std::string(row.Keyword) + ")";
    }
    for (const Body body : {Body::Midheaven, Body::Rahu, Body::Ketu})
        items.push_back(entry(body));
    return items;
}

std::string SchemeLine(const Chart& chart)
{
    if (chart.Scheme() == DecanScheme::Triplicity)
        return {};
    return "Decanate signs and rulers by the " + std::string(NameOf(chart.Scheme()).caption)
        + "; the texts are those of each decanate's place in its sign.";
}

std::string_view ShownValue(std::string_view value) noexcept
{
    return value.empty() ? "\u2014" : value;
}

std::string MansionOf(const Chart& chart, Body body)
{
    return MansionText(chart.Mansion(body));
}

std::string OtherMansionsLine(const Chart& chart)
{
    std::string line = "Lunar mansions:";
    for (const Body body : {Body::Ascendant, Body::Midheaven, Body::Rahu, Body::Ketu})
        line += (body == Body::Ascendant ? " " : " \u00B7 ") + std::string(BodyName(body)) + " "
            + MansionOf(chart, body);
    return line;
}

std::string AnglesLine(const Chart& chart)
{
    std::string line;
    for (const std::string& item : AngleItems(chart))
        line += (line.empty() ? "" : " \u00B7 ") + item;
    return line;
}

} // namespace tessaline
