// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/Reading.h"

#include "base/XmlText.h"
#include "chart/BirthData.h"
#include "chart/BirthMoment.h"
#include "chart/PositionText.h"
#include "chart/ZoneTable.h"
#include "decanates/BirthTimeMargins.h"
#include "decanates/DecanateAssignment.h"
#include "decanates/DecanateFields.h"
#include "decanates/DecanateTable.h"
#include "report/BodyPictures.h"
#include "report/ChartWheelSvg.h"
#include "report/SvgDrawing.h"

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

std::string LongitudeText(const BirthCoordinates& at)
{
    return CoordinateText(at.lonDegrees, at.lonMinutes, at.isEast ? 'E' : 'W');
}

std::string LatitudeText(const BirthCoordinates& at)
{
    return CoordinateText(at.latDegrees, at.latMinutes, at.isSouth ? 'S' : 'N');
}

void AppendRow(std::string& out, std::string_view caption, std::string_view value)
{
    out += "<tr><th>";
    AppendXmlText(out, caption);
    out += "</th><td>";
    AppendXmlText(out, value);
    out += "</td></tr>\n";
}

void AppendSection(std::string& out, std::string_view caption, std::string_view text)
{
    out += "<h3>";
    AppendXmlText(out, caption);
    out += "</h3>\n<p>";
    AppendXmlText(out, text);
    out += "</p>\n";
}

constexpr std::string_view kStyle = R"css(
body { font-family: Verdana, "DejaVu Sans", sans-serif; color: #2b1d17; background: #fffdf9;
       max-width: 52em; margin: 2em auto; padding: 0 1em; line-height: 1.45; }
h1 { color: #3f2b23; margin-bottom: 0.2em; }
h2 { color: #3f2b23; border-top: 2px solid #3f2b23; padding-top: 0.6em; margin-top: 1.6em; }
h3 { font-size: 1em; margin: 1em 0 0.2em; }
p { margin: 0.2em 0; }
th { text-align: left; font-weight: normal; color: #6b5447; padding: 0.1em 1.5em 0.1em 0; }
td { font-weight: bold; }
.angles { font-weight: bold; margin: 0.6em 0; }
.instant { margin: 1em 0; padding: 0.5em 0.8em; background: #f3ebe3; border-left: 4px solid #3f2b23; }
.margin { font-style: italic; margin-top: 0.6em; }
.precise { margin-top: 0.6em; padding-left: 0.6em; border-left: 3px solid #b08d57; }
table.layout { width: 100%; border-collapse: collapse; }
td.picture svg { width: 96px; height: 96px; }
.wheel svg { display: block; width: 100%; max-width: 36em; height: auto; margin: 1em auto; }
)css";

} // namespace

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

namespace {

// An offset for people to read, "+5:30", "−5:00": the minus sign the clock sentences write ("UT−4:00"),
// where files and JSON keep the hyphen that programs read back.
std::string ReadableOffsetText(const Chart& chart)
{
    std::string text = OffsetText(chart.Zone().seconds, false);
    if (text.starts_with('-'))
        text.replace(0, 1, "\u2212");
    return text;
}

} // namespace

std::string UniversalTimeText(const Chart& chart)
{
    const CivilInstant& at = chart.Instant().universal;
    return DayText(at) + ", " + ClockText(at) + " Universal Time (zone " + ReadableOffsetText(chart) + ", "
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
        const DecanateRow& row = LookUpDecanate(decanate->signIndex, decanate->decanate);
        items[0] += " in the decanate of " + std::string(row.DecanateSign) + " (" + std::string(row.RulingPlanet) + ", "
            + std::string(row.Keyword) + ")";
    }
    for (const Body body : {Body::Midheaven, Body::Rahu, Body::Ketu})
        items.push_back(entry(body));
    return items;
}

std::string AnglesLine(const Chart& chart)
{
    std::string line;
    for (const std::string& item : AngleItems(chart))
        line += (line.empty() ? "" : " \u00B7 ") + item;
    return line;
}

std::string RenderReadingHtml(const Chart& chart, ReadingPictures pictures)
{
    std::string html;
    html.reserve(std::size_t{32} * 1024);
    html += "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n<title>QB Tessaline reading for ";
    AppendXmlText(html, chart.Name());
    html += "</title>\n<style>";
    html += kStyle;
    html += "</style>\n</head>\n<body>\n<h1>";
    AppendXmlText(html, chart.Name());
    html += "</h1>\n<table class=\"birth\">\n";
    AppendRow(html, "Date of Birth", DayText(chart.Clock()));
    AppendRow(html, "Time of Birth", ClockText(chart.Clock()));
    if (!chart.Place().empty())
        AppendRow(html, "Place", chart.Place());
    if (const std::string_view zone = ZoneDisplayText(chart.ZoneRow()); !zone.empty())
        AppendRow(html, "Zone", zone);
    else if (!chart.ClockSentence().empty())
        AppendRow(html, "Zone", "UT" + ReadableOffsetText(chart) + " from the place atlas");
    AppendRow(html, "Daylight Saving Time", chart.DaylightSaving() ? "Yes" : "No");
    AppendRow(html, "Longitude", LongitudeText(chart.Coordinates()));
    AppendRow(html, "Latitude", LatitudeText(chart.Coordinates()));
    html += "</table>\n<p class=\"instant\">";
    AppendXmlText(html, InstantLine(chart));
    html += "</p>\n<p class=\"angles\">";
    AppendXmlText(html, AnglesLine(chart));
    html += "</p>\n";
    // The chart as a wheel, without its caption: the name and the instant stand just above it.
    if (pictures == ReadingPictures::InlineSvg) {
        html += "<div class=\"wheel\">\n";
        html += ChartWheelSvg(chart, {PictureColours::Light, false});
        html += "</div>\n";
    } else
        html += "<p class=\"wheel\" align=\"center\"><img src=\"chart-wheel.svg\" width=\"480\" height=\"480\" "
                "alt=\"Chart wheel\"></p>\n";

    for (std::size_t i = 0; i < kDecanateBodyCount; ++i) {
        const auto body = static_cast<Body>(i);
        const DecanateResult result = chart.DecanateTextsOf(body);
        html += "<div class=\"body\">\n";
        if (pictures == ReadingPictures::NamedImages)
            html += "<hr>\n"; // a renderer that supplies the images draws no heading borders: a rule instead
        html += "<h2>";
        AppendXmlText(html, BodyName(body));
        html
            += "</h2>\n<table class=\"layout\" width=\"100%\"><tr><td class=\"fieldcell\">\n<table class=\"fields\">\n";
        AppendRow(html, "Position", chart.Position(body));
        AppendRow(html, "Decanate Name", result.DecanateName);
        for (std::size_t f = 0; f < kShortDecanateFieldCount; ++f)
            AppendRow(html, kDecanateFields[f].caption, FieldValue(result, kDecanateFields[f].field));
        html += "</table>\n</td><td class=\"picture\" align=\"right\" valign=\"top\">";
        if (pictures == ReadingPictures::InlineSvg)
            html += BodyPictureSvg(body);
        else
            html += "<img src=\"picture-" + std::to_string(i + 1) + ".png\" width=\"96\" height=\"96\" alt=\"\">";
        html += "</td></tr></table>\n";
        if (const std::string sentence = MarginSentence(chart.Margin(body), chart.Clock()); !sentence.empty()) {
            html += "<p class=\"margin\">";
            AppendXmlText(html, sentence);
            html += "</p>\n";
        }
        if (const std::string sentence = chart.PreciseSentence(body); !sentence.empty()) {
            html += "<p class=\"precise\">";
            AppendXmlText(html, sentence);
            html += "</p>\n";
        }
        for (std::size_t f = kShortDecanateFieldCount; f < kDecanateFields.size(); ++f)
            AppendSection(html, kDecanateFields[f].caption, FieldValue(result, kDecanateFields[f].field));
        html += "</div>\n";
    }
    html += "</body>\n</html>\n";
    return html;
}

} // namespace tessaline
