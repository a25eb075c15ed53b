// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/TransitReport.h"

#include "base/CsvText.h"
#include "base/VisibleText.h"
#include "chart/PositionText.h"
#include "chart/ZoneTable.h"
#include "decanates/DecanateTable.h"
#include "report/DecanateCalendar.h"
#include "report/SvgDrawing.h"

#include <cmath>
#include <cstdio>
#include <nlohmann/json.hpp>

namespace tessaline {

namespace {

using Json = nlohmann::ordered_json;

constexpr double kJulianDayOf1970 = 2440587.5;
constexpr std::int64_t kSecondsPerDay = 86400;
constexpr std::size_t kPointWidth = 9; // "Mercury", "Neptune", and a space

std::int64_t UnixSecondsOf(double julianDayUT) noexcept
{
    return static_cast<std::int64_t>(std::floor((julianDayUT - kJulianDayOf1970) * kSecondsPerDay + 0.5));
}

// The instant on a clock that reads offsetSeconds east of Greenwich, to the minute (seconds truncated).
CivilInstant OnClock(std::int64_t unixSeconds, int offsetSeconds) noexcept
{
    const std::int64_t local = unixSeconds + offsetSeconds;
    const std::int64_t days = local >= 0 ? local / kSecondsPerDay : (local - kSecondsPerDay + 1) / kSecondsPerDay;
    const std::int64_t seconds = local - days * kSecondsPerDay;
    CivilInstant at;
    CivilFromDays(days, at.year, at.month, at.day);
    at.hour = static_cast<int>(seconds / 3600);
    at.minute = static_cast<int>(seconds / 60 % 60);
    return at;
}

// "2027-01-28 22:32".
std::string MinuteText(const CivilInstant& at)
{
    std::string text = LocalDateTimeText(at);
    if (const std::size_t t = text.find('T'); t != std::string::npos)
        text[t] = ' ';
    return text;
}

std::string_view Direction(const TransitPoint& point)
{
    return point.Retrograde() ? "retrograde" : "direct";
}

std::string NatalList(const TransitPoint& point)
{
    std::string list;
    for (const Body body : point.natal) {
        if (!list.empty())
            list += ", ";
        list += BodyName(body);
    }
    return list;
}

void Padded(std::string& out, std::string_view text, std::size_t width)
{
    out += text;
    if (text.size() < width)
        out.append(width - text.size(), ' ');
}

// The widest label of the scheme, so that the text's columns line up whatever the sky.
std::size_t LabelWidth(DecanScheme scheme)
{
    std::size_t widest = 0;
    for (int sign = 0; sign < 12; ++sign)
        for (int decanate = 1; decanate <= 3; ++decanate)
            widest = std::max(widest, DecanateLabel({sign, decanate}, scheme).size());
    return widest;
}

Json DecanateJson(SignDecanate decanate, DecanScheme scheme)
{
    const DecanateResult texts = DecanateTexts(decanate, scheme);
    Json json{{"sign", std::string(SignName(decanate.signIndex))}, {"decanate", decanate.decanate}};
    json["decanateSign"] = texts.DecanateSign.empty() ? Json(nullptr) : Json(std::string(texts.DecanateSign));
    json["rulingPlanet"] = std::string(texts.RulingPlanet);
    return json;
}

std::string UniversalText(double julianDayUT)
{
    return MinuteText(OnClock(UnixSecondsOf(julianDayUT), 0)).replace(10, 1, "T") + "Z";
}

void AppendText(std::string& out, const TransitReport& report, const Chart& natal)
{
    out += '\n';
    out += TerminalText(TransitTitle(report));
    out += ", by the precise ephemeris\n";
    const std::size_t width = LabelWidth(natal.Scheme());
    const std::vector<TransitRow> rows = TransitRows(report, natal);
    for (const TransitRow& row : rows) {
        Padded(out, row.point, kPointWidth);
        out += row.position;
        out += row.direction == "retrograde" ? " R  " : "    ";
        Padded(out, row.decanate, width);
        out += row.leaves.empty() ? "  past 2050       " : "  leaves " + row.leaves;
        if (!row.natal.empty())
            out += "  your " + row.natal;
        out += '\n';
    }
    for (const TransitRow& row : rows)
        if (!row.natal.empty())
            out += row.sentence + '\n';
}

void AppendCsv(std::string& out, const TransitReport& report, const Chart& natal)
{
    out += "body,instantUT,clock,longitude,position,direction,sign,decanate,decanateSign,rulingPlanet,natal,leavesUT,"
           "leavesClock\r\n";
    const std::string instant = UniversalText(report.julianDayUT);
    const std::vector<TransitRow> rows = TransitRows(report, natal);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const TransitLine& line = report.lines[i];
        char longitude[32];
        std::snprintf(longitude, sizeof longitude, "%.6f", line.point.longitude);
        const DecanateResult texts = DecanateTexts(line.point.decanate, natal.Scheme());
        out += rows[i].point + ',' + instant + ',' + LocalDateTimeText(report.clock) + ',' + longitude + ','
            + rows[i].position + ',' + rows[i].direction + ',' + std::string(SignName(line.point.decanate.signIndex))
            + ',' + std::to_string(line.point.decanate.decanate) + ',';
        AppendCsvField(out, texts.DecanateSign);
        out += ',';
        AppendCsvField(out, texts.RulingPlanet);
        out += ',';
        AppendCsvField(out, rows[i].natal);
        out += ',';
        if (line.leaves)
            out += UniversalText(line.leaves->julianDayUT) + ',' + LocalDateTimeText(line.leavesClock);
        else
            out += ',';
        out += "\r\n";
    }
}

// The previous report's line of the body when it still holds: the body stood in the same decanate at an earlier
// instant and leaves it only after this one, so it has not left it in between.
const TransitLine* Lent(const TransitReport* previous, std::size_t index, const TransitPoint& point,
                        double julianDayUT) noexcept
{
    if (previous == nullptr || index >= previous->lines.size() || previous->julianDayUT > julianDayUT)
        return nullptr;
    const TransitLine& line = previous->lines[index];
    const bool stays = !line.leaves || line.leaves->julianDayUT > julianDayUT;
    return line.point.body == point.body && line.point.decanate == point.decanate && stays ? &line : nullptr;
}

} // namespace

Result<TransitReport> TransitReportAt(const Chart& natal, double julianDayUT, const ClockReading& clock,
                                      std::string clockName, const TransitReport* previous)
{
    const Result<Transits> transits = TransitsAt(natal, julianDayUT);
    if (!transits)
        return Fail(transits.error());
    const Result<int> now = clock(UnixSecondsOf(julianDayUT));
    if (!now)
        return Fail(now.error());
    TransitReport report;
    report.julianDayUT = julianDayUT;
    report.clock = OnClock(UnixSecondsOf(julianDayUT), *now);
    report.clockName = std::move(clockName);
    for (std::size_t i = 0; i < transits->points.size(); ++i) {
        const TransitPoint& point = transits->points[i];
        if (const TransitLine* before = Lent(previous, i, point, julianDayUT)) {
            report.lines.push_back({point, before->leaves, before->leavesClock});
            continue;
        }
        const Result<std::optional<DecanateChange>> leaves
            = NextDecanateChange(point.body, julianDayUT, natal.Zodiac());
        if (!leaves)
            return Fail(leaves.error());
        TransitLine line{point, *leaves, {}};
        if (*leaves) {
            const Result<int> then = clock((*leaves)->unixSeconds);
            if (!then)
                return Fail(then.error());
            line.leavesClock = OnClock((*leaves)->unixSeconds, *then);
        }
        report.lines.push_back(std::move(line));
    }
    return report;
}

std::vector<TransitRow> TransitRows(const TransitReport& report, const Chart& natal)
{
    std::vector<TransitRow> rows;
    rows.reserve(report.lines.size());
    for (const TransitLine& line : report.lines) {
        TransitRow row;
        row.body = line.point.body;
        row.point = BodyName(line.point.body);
        row.position = FormatPositionEntry(line.point.longitude);
        row.direction = Direction(line.point);
        row.decanate = DecanateLabel(line.point.decanate, natal.Scheme());
        row.natal = NatalList(line.point);
        if (line.leaves)
            row.leaves = MinuteText(line.leavesClock);
        row.sentence = TransitSentence(line.point, natal,
                                       line.leaves ? std::optional<CivilInstant>(line.leavesClock) : std::nullopt);
        rows.push_back(std::move(row));
    }
    return rows;
}

std::string TransitTitle(const TransitReport& report)
{
    // A place's clock also says the offset it read then: "(UT+2:00, Europe/Paris)"; a fixed one is its name.
    const CivilInstant& at = report.clock;
    std::string clock = report.clockName;
    if (clock.rfind("UT", 0) != 0) {
        const double local = static_cast<double>(DaysFromCivil(at.year, at.month, at.day)) * kSecondsPerDay
            + at.hour * 3600.0 + at.minute * 60.0;
        const double universal = (report.julianDayUT - kJulianDayOf1970) * kSecondsPerDay;
        clock = "UT" + ReadableOffset(static_cast<int>(std::lround((local - universal) / 60.0)) * 60) + ", " + clock;
    }
    return "Transits on " + DayText(at) + ", " + ClockText(at) + " (" + clock + ")";
}

OuterRing TransitRing(const TransitReport& report)
{
    OuterRing ring;
    ring.title = TransitTitle(report);
    for (const TransitLine& line : report.lines)
        ring.points.push_back({line.point.body, line.point.longitude, line.point.Retrograde()});
    return ring;
}

void AppendTransits(std::string& out, const TransitReport& report, const Chart& natal, ChartFormat format)
{
    if (format == ChartFormat::Csv)
        AppendCsv(out, report, natal);
    else
        AppendText(out, report, natal);
}

std::string TransitsJsonMember(const TransitReport& report, const Chart& natal)
{
    Json points = Json::array();
    const std::vector<TransitRow> rows = TransitRows(report, natal);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const TransitLine& line = report.lines[i];
        Json natalBodies = Json::array();
        for (const Body body : line.point.natal)
            natalBodies.push_back(BodyName(body));
        Json leaves = line.leaves ? Json{{"instantUT", UniversalText(line.leaves->julianDayUT)},
                                         {"local", LocalDateTimeText(line.leavesClock)}}
                                  : Json(nullptr);
        points.push_back(Json{{"body", rows[i].point},
                              {"longitude", line.point.longitude},
                              {"position", rows[i].position},
                              {"speed", line.point.speed},
                              {"direction", rows[i].direction},
                              {"decanate", DecanateJson(line.point.decanate, natal.Scheme())},
                              {"natal", natalBodies},
                              {"leaves", leaves},
                              {"sentence", rows[i].sentence}});
    }
    const Json transits{{"instantUT", UniversalText(report.julianDayUT)},
                        {"clock", Json{{"local", LocalDateTimeText(report.clock)}, {"name", report.clockName}}},
                        {"points", points}};
    return "\"transits\":" + transits.dump(-1, ' ', false, Json::error_handler_t::replace);
}

} // namespace tessaline
