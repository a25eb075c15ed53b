// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/ProgressionReport.h"

#include "base/CsvText.h"
#include "base/VisibleText.h"
#include "chart/PositionText.h"
#include "decanates/DecanateTable.h"
#include "report/ChartLines.h"
#include "report/DecanateCalendar.h"
#include "report/SvgDrawing.h"

#include <algorithm>
#include <cstdio>
#include <nlohmann/json.hpp>

namespace tessaline {

namespace {

using Json = nlohmann::ordered_json;

constexpr std::size_t kAgeWidth = 20; // "100 years 11 months", and a space
constexpr std::size_t kPointWidth = 10; // "Ascendant", "Midheaven", and a space

std::string_view Direction(bool retrograde)
{
    return retrograde ? "retrograde" : "direct";
}

void Padded(std::string& out, std::string_view text, std::size_t width)
{
    out += text;
    if (text.size() < width)
        out.append(width - text.size(), ' ');
}

// The widest decanate label of the scheme, so that the text's columns line up whatever the changes.
std::size_t LabelWidth(DecanScheme scheme)
{
    std::size_t widest = 0;
    for (int sign = 0; sign < 12; ++sign)
        for (int decanate = 1; decanate <= 3; ++decanate)
            widest = std::max(widest, DecanateLabel({sign, decanate}, scheme).size());
    return widest;
}

Json AgeJson(const Age& age)
{
    return Json{{"years", age.years}, {"months", age.months}};
}

Json DecanateJson(SignDecanate decanate, DecanScheme scheme)
{
    const DecanateResult texts = DecanateTexts(decanate, scheme);
    Json json{{"sign", std::string(SignName(decanate.signIndex))}, {"decanate", decanate.decanate}};
    json["decanateSign"] = texts.DecanateSign.empty() ? Json(nullptr) : Json(std::string(texts.DecanateSign));
    json["rulingPlanet"] = std::string(texts.RulingPlanet);
    return json;
}

void AppendCsvDecanate(std::string& out, SignDecanate decanate, DecanScheme scheme)
{
    const DecanateResult texts = DecanateTexts(decanate, scheme);
    out += ',';
    out += SignName(decanate.signIndex);
    out += ',';
    out += std::to_string(decanate.decanate);
    out += ',';
    AppendCsvField(out, texts.DecanateSign);
    out += ',';
    AppendCsvField(out, texts.RulingPlanet);
}

// The heading of both texts: whose progressions, the birth, and how the points are progressed.
void AppendHeading(std::string& out, const Chart& natal, std::string_view what)
{
    out += TerminalText(std::string(what) + " of " + natal.Name());
    out += ": a day after birth for each year of life (365.24219 days)\n";
    out += TerminalText("Born " + UniversalTimeText(natal) + ", " + BirthPlaceText(natal) + "; " + ZodiacText(natal));
    out += '\n';
    out += "The bodies by the precise ephemeris; the Midheaven carried by the solar arc, the Ascendant from it at "
           "the birth latitude. Dates by the birth's clock.\n";
    if (const std::string scheme = SchemeLine(natal); !scheme.empty())
        out += scheme + '\n';
}

void AppendTimelineText(std::string& out, const Chart& natal, const ProgressionTimeline& timeline)
{
    AppendHeading(out, natal, "Progressions");
    out += ProgressionSpanSentence(timeline);
    out += "\n\n";
    const std::size_t width = LabelWidth(natal.Scheme());
    for (const ProgressionRow& row : ProgressionRows(timeline, natal.Scheme())) {
        out += row.date;
        out += "  ";
        Padded(out, row.age, kAgeWidth);
        Padded(out, row.point, kPointWidth);
        Padded(out, row.left, width);
        out += " -> ";
        Padded(out, row.entered, width);
        out += "  ";
        out += row.direction;
        out += '\n';
    }
}

Json TimelineJson(const Chart& natal, const ProgressionTimeline& timeline)
{
    Json document{
        {"name", natal.Name()}, {"birthUT", InstantUtText(natal)}, {"zodiac", CalendarZodiacKey(natal.Zodiac())}};
    if (natal.Scheme() != DecanScheme::Triplicity)
        document["scheme"] = std::string(NameOf(natal.Scheme()).key);
    document["yearDays"] = kTropicalYearDays;
    document["end"] = Json{{"date", LifeDateText(timeline.end)}, {"age", AgeJson(timeline.endAge)}};
    document["clipped"] = timeline.clipped;
    Json changes = Json::array();
    for (const ProgressedChange& change : timeline.changes)
        changes.push_back(Json{{"point", BodyName(change.body)},
                               {"date", LifeDateText(change.date)},
                               {"age", AgeJson(change.age)},
                               {"left", DecanateJson(change.left, natal.Scheme())},
                               {"entered", DecanateJson(change.entered, natal.Scheme())},
                               {"direction", Direction(change.retrograde)}});
    document["changes"] = std::move(changes);
    return document;
}

void AppendTimelineCsv(std::string& out, const Chart& natal, const ProgressionTimeline& timeline)
{
    out += "point,date,ageYears,ageMonths,leftSign,leftDecanate,leftDecanateSign,leftRulingPlanet,enteredSign,"
           "enteredDecanate,enteredDecanateSign,enteredRulingPlanet,direction\n";
    for (const ProgressedChange& change : timeline.changes) {
        out += BodyName(change.body);
        out += ',' + LifeDateText(change.date);
        out += ',' + std::to_string(change.age.years) + ',' + std::to_string(change.age.months);
        AppendCsvDecanate(out, change.left, natal.Scheme());
        AppendCsvDecanate(out, change.entered, natal.Scheme());
        out += ',';
        out += Direction(change.retrograde);
        out += '\n';
    }
}

void AppendPositionsText(std::string& out, const Chart& natal, const ProgressedPositions& positions)
{
    AppendHeading(out, natal, "Progressed positions");
    out += "On " + LifeDateText(positions.date) + ", age " + AgeText(positions.age) + "\n\n";
    for (const ProgressedPoint& point : positions.points) {
        Padded(out, BodyName(point.body), kPointWidth);
        out += FormatPositionEntry(point.longitude);
        out += "  ";
        Padded(out, DecanateLabel(point.decanate, natal.Scheme()), LabelWidth(natal.Scheme()));
        out += "  ";
        out += Direction(point.retrograde);
        out += '\n';
    }
}

Json PositionsJson(const Chart& natal, const ProgressedPositions& positions)
{
    Json document{
        {"name", natal.Name()}, {"birthUT", InstantUtText(natal)}, {"zodiac", CalendarZodiacKey(natal.Zodiac())}};
    if (natal.Scheme() != DecanScheme::Triplicity)
        document["scheme"] = std::string(NameOf(natal.Scheme()).key);
    document["date"] = LifeDateText(positions.date);
    document["age"] = AgeJson(positions.age);
    Json points = Json::array();
    for (const ProgressedPoint& point : positions.points)
        points.push_back(Json{{"point", BodyName(point.body)},
                              {"longitude", point.longitude},
                              {"position", FormatPositionEntry(point.longitude)},
                              {"decanate", DecanateJson(point.decanate, natal.Scheme())},
                              {"direction", Direction(point.retrograde)}});
    document["points"] = std::move(points);
    return document;
}

void AppendPositionsCsv(std::string& out, const Chart& natal, const ProgressedPositions& positions)
{
    out += "point,date,longitude,position,sign,decanate,decanateSign,rulingPlanet,direction\n";
    for (const ProgressedPoint& point : positions.points) {
        char longitude[32];
        std::snprintf(longitude, sizeof longitude, "%.6f", point.longitude);
        out += BodyName(point.body);
        out += ',' + LifeDateText(positions.date) + ',' + longitude + ',' + FormatPositionEntry(point.longitude);
        AppendCsvDecanate(out, point.decanate, natal.Scheme());
        out += ',';
        out += Direction(point.retrograde);
        out += '\n';
    }
}

void AppendJson(std::string& out, const Json& document)
{
    out += document.dump(2, ' ', false, Json::error_handler_t::replace);
    out += '\n';
}

} // namespace

std::string LifeDateText(const LifeDate& date)
{
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.year, date.month, date.day);
    return text;
}

std::string AgeText(const Age& age)
{
    return std::to_string(age.years) + (age.years == 1 ? " year " : " years ") + std::to_string(age.months)
        + (age.months == 1 ? " month" : " months");
}

OuterRing ProgressedRing(const ProgressedPositions& positions)
{
    OuterRing ring;
    ring.title = "Progressed to " + DayText({positions.date.year, positions.date.month, positions.date.day, 0, 0})
        + ", age " + AgeText(positions.age);
    for (const ProgressedPoint& point : positions.points)
        ring.points.push_back({point.body, point.longitude, point.retrograde});
    return ring;
}

std::vector<ProgressionRow> ProgressionRows(const ProgressionTimeline& timeline, DecanScheme scheme)
{
    std::vector<ProgressionRow> rows;
    rows.reserve(timeline.changes.size());
    for (const ProgressedChange& change : timeline.changes)
        rows.push_back(ProgressionRow{change.body, BodyName(change.body), LifeDateText(change.date),
                                      AgeText(change.age), DecanateLabel(change.left, scheme),
                                      DecanateLabel(change.entered, scheme),
                                      std::string(Direction(change.retrograde))});
    return rows;
}

std::string ProgressionSpanSentence(const ProgressionTimeline& timeline)
{
    const CivilInstant end{timeline.end.year, timeline.end.month, timeline.end.day};
    std::string sentence = "From birth to " + DayText(end) + ", age " + AgeText(timeline.endAge) + ".";
    if (timeline.clipped)
        sentence += " The precise tables end with the year 2050 (their last day is 3 January 2051), so the "
                    "progressed days stop there, short of a hundred years.";
    return sentence;
}

void AppendProgressions(std::string& out, const Chart& natal, const ProgressionTimeline& timeline, ChartFormat format)
{
    switch (format) {
    case ChartFormat::Text:
        AppendTimelineText(out, natal, timeline);
        return;
    case ChartFormat::Json:
        AppendJson(out, TimelineJson(natal, timeline));
        return;
    case ChartFormat::Csv:
        AppendTimelineCsv(out, natal, timeline);
        return;
    }
}

void AppendProgressedPositions(std::string& out, const Chart& natal, const ProgressedPositions& positions,
                               ChartFormat format)
{
    switch (format) {
    case ChartFormat::Text:
        AppendPositionsText(out, natal, positions);
        return;
    case ChartFormat::Json:
        AppendJson(out, PositionsJson(natal, positions));
        return;
    case ChartFormat::Csv:
        AppendPositionsCsv(out, natal, positions);
        return;
    }
}

} // namespace tessaline
