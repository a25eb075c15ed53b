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
#include "report/ChartLines.h"
#include "report/ChartWheelSvg.h"
#include "report/SvgDrawing.h"

#include <array>
#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace tessaline {

namespace {

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
table.transits { border-collapse: collapse; margin: 0.6em 0; }
table.transits th, table.transits td { font-weight: normal; padding: 0.1em 1em 0.1em 0; text-align: left; }
table.transits th { color: #6b5447; }
)css";

// The birth's table under the name, the instant, the scheme and the angles (with the other points' mansions).
void AppendBirthFacts(std::string& html, const Chart& chart)
{
    html += "<table class=\"birth\">\n";
    AppendRow(html, "Date of Birth", DayText(chart.Clock()));
    AppendRow(html, "Time of Birth", ClockText(chart.Clock()));
    if (!chart.Place().empty())
        AppendRow(html, "Place", chart.Place());
    if (const std::string_view zone = ZoneDisplayText(chart.ZoneRow()); !zone.empty())
        AppendRow(html, "Zone", zone);
    else if (!chart.ClockSentence().empty())
        AppendRow(html, "Zone", "UT" + ReadableOffset(chart.Zone().seconds) + " from the place atlas");
    AppendRow(html, "Daylight Saving Time", chart.DaylightSaving() ? "Yes" : "No");
    AppendRow(html, "Longitude", LongitudeText(chart.Coordinates()));
    AppendRow(html, "Latitude", LatitudeText(chart.Coordinates()));
    html += "</table>\n<p class=\"instant\">";
    AppendXmlText(html, InstantLine(chart));
    html += "</p>\n";
    if (const std::string line = SchemeLine(chart); !line.empty()) {
        html += "<p class=\"instant\">";
        AppendXmlText(html, line);
        html += "</p>\n";
    }
    html += "<p class=\"angles\">";
    AppendXmlText(html, AnglesLine(chart));
    html += "</p>\n";
    if (chart.Mansions()) {
        html += "<p class=\"angles\">";
        AppendXmlText(html, OtherMansionsLine(chart));
        html += "</p>\n";
    }
}

// One body's section: its short fields beside its picture, its notes, its three texts.
void AppendBodySection(std::string& html, const Chart& chart, std::size_t i, ReadingPictures pictures)
{
    const auto body = static_cast<Body>(i);
    const DecanateResult result = chart.DecanateTextsOf(body);
    html += "<div class=\"body\">\n";
    if (pictures == ReadingPictures::NamedImages)
        html += "<hr>\n"; // a renderer that supplies the images draws no heading borders: a rule instead
    html += "<h2>";
    AppendXmlText(html, BodyName(body));
    html += "</h2>\n<table class=\"layout\" width=\"100%\"><tr><td class=\"fieldcell\">\n<table class=\"fields\">\n";
    AppendRow(html, "Position", chart.Position(body));
    AppendRow(html, "Decanate Name", result.DecanateName);
    for (std::size_t f = 0; f < kShortDecanateFieldCount; ++f)
        AppendRow(html, kDecanateFields[f].caption, ShownValue(FieldValue(result, kDecanateFields[f].field)));
    if (chart.Mansions())
        AppendRow(html, "Lunar Mansion", MansionOf(chart, body));
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

// The sky round the chart after the wheel: a row a body, then the sentence of each in one of the chart's
// decanates.
void AppendTransitsSection(std::string& html, const Chart& chart, const TransitReport& transits)
{
    html += "<h2>";
    AppendXmlText(html, TransitTitle(transits));
    html += "</h2>\n<table class=\"transits\">\n<tr>";
    for (const std::string_view heading :
         {"Body", "Position", "Direction", "Decanate", "Your Bodies There", "Leaves"}) {
        html += "<th>";
        AppendXmlText(html, heading);
        html += "</th>";
    }
    html += "</tr>\n";
    const std::vector<TransitRow> rows = TransitRows(transits, chart);
    for (const TransitRow& row : rows) {
        html += "<tr>";
        const std::string leaves = row.leaves.empty() ? "after " + std::to_string(kLastYear) : row.leaves;
        for (const std::string* cell :
             {&row.point, &row.position, &row.direction, &row.decanate, &row.natal, &leaves}) {
            html += "<td>";
            AppendXmlText(html, *cell);
            html += "</td>";
        }
        html += "</tr>\n";
    }
    html += "</table>\n";
    for (const TransitRow& row : rows) {
        if (row.natal.empty())
            continue;
        html += "<p>";
        AppendXmlText(html, row.sentence);
        html += "</p>\n";
    }
}

} // namespace

std::string RenderReadingHtml(const Chart& chart, ReadingPictures pictures, const ReadingRing& around)
{
    std::string html;
    html.reserve(std::size_t{32} * 1024);
    html += "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n<title>QB Tessaline reading for ";
    AppendXmlText(html, chart.Name());
    html += "</title>\n<style>";
    html += kStyle;
    html += "</style>\n</head>\n<body>\n<h1>";
    AppendXmlText(html, chart.Name());
    html += "</h1>\n";
    AppendBirthFacts(html, chart);
    // The chart as a wheel, without its caption: the name and the instant stand just above it.
    if (pictures == ReadingPictures::InlineSvg) {
        html += "<div class=\"wheel\">\n";
        html += around.ring ? ChartWheelSvg(chart, *around.ring, {PictureColours::Light, false})
                            : ChartWheelSvg(chart, {PictureColours::Light, false});
        html += "</div>\n";
    } else
        html += "<p class=\"wheel\" align=\"center\"><img src=\"chart-wheel.svg\" width=\"480\" height=\"480\" "
                "alt=\"Chart wheel\"></p>\n";
    if (around.transits)
        AppendTransitsSection(html, chart, *around.transits);

    for (std::size_t i = 0; i < kDecanateBodyCount; ++i)
        AppendBodySection(html, chart, i, pictures);
    html += "</body>\n</html>\n";
    return html;
}

} // namespace tessaline
