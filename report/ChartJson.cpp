// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/ChartJson.h"

#include "base/JsonText.h"
#include "chart/PositionText.h"
#include "decanates/DecanateFields.h"
#include "report/ChartLines.h"
#include "report/ShortestNumber.h"

#include <nlohmann/json.hpp>

namespace tessaline {

namespace {

// "name": for our own key names, which need no escapes.
void AppendKey(std::string& out, std::string_view name)
{
    out += '"';
    out += name;
    out += "\":";
}

// ,"name":"text"
void AppendMember(std::string& out, std::string_view name, std::string_view text)
{
    out += ',';
    AppendKey(out, name);
    AppendJsonString(out, text);
}

// ,"name":"text", or ,"name":null where there is no text (a face's sign).
void AppendMemberOrNull(std::string& out, std::string_view name, std::string_view text)
{
    if (!text.empty()) {
        AppendMember(out, name, text);
        return;
    }
    out += ',';
    AppendKey(out, name);
    out += "null";
}

void AppendClockOrNull(std::string& out, std::string_view name, const std::optional<CivilInstant>& at)
{
    out += ',';
    AppendKey(out, name);
    if (at)
        AppendJsonString(out, LocalDateTimeText(*at));
    else
        out += "null";
}

// One body's entry of "decanates": its position, decanate and fields, the precise decanate where a classic
// chart's differs, and its margins.
void AppendDecanateJson(std::string& out, const Chart& chart, std::size_t i, std::string_view position, bool brief)
{
    const DecanateResult result = chart.DecanateTextsOf(static_cast<Body>(i));
    out += '{';
    AppendKey(out, "body");
    AppendJsonString(out, BodyName(static_cast<Body>(i)));
    AppendMember(out, "position", position);
    AppendMember(out, "decanateName", result.DecanateName);
    const std::size_t fields = brief ? kShortDecanateFieldCount : kDecanateFields.size();
    for (std::size_t f = 0; f < fields; ++f)
        AppendMemberOrNull(out, kDecanateFields[f].key, FieldValue(result, kDecanateFields[f].field));
    if (const auto& precise = chart.Precise(static_cast<Body>(i))) {
        const DecanateResult texts = DecanateTexts(precise->decanate, chart.Scheme());
        out += ',';
        AppendKey(out, "precise");
        out += '{';
        AppendKey(out, "position");
        AppendJsonString(out, FormatPositionEntry(precise->longitude));
        AppendMember(out, "decanateName", texts.DecanateName);
        AppendMemberOrNull(out, NameOf(DecanateField::DecanateSign).key, texts.DecanateSign);
        out += '}';
    }
    AppendClockOrNull(out, "changesBefore", chart.Margin(static_cast<Body>(i)).changesBefore);
    AppendClockOrNull(out, "changesAfter", chart.Margin(static_cast<Body>(i)).changesAfter);
    out += '}';
}

// "zodiac" and "ayanamsa" of a sidereal chart; a tropical chart's line stays as it always was.
void AppendZodiacJson(std::string& out, const Chart& chart)
{
    if (chart.Zodiac().zodiac != Zodiac::Sidereal)
        return;
    AppendMember(out, "zodiac", "sidereal");
    out += ",\"ayanamsa\":{";
    AppendKey(out, "name");
    AppendJsonString(out, AyanamsaName(chart.Zodiac().ayanamsa));
    out += ',';
    AppendKey(out, "degrees");
    AppendShortestNumber(out, chart.Ayanamsa());
    out += '}';
}

// "mansions": each point's lunar mansion, its lord and pada.
void AppendMansionsJson(std::string& out, const Chart& chart)
{
    out += ",\"mansions\":{";
    for (std::size_t i = 0; i < kBodyCount; ++i) {
        const LunarMansion mansion = chart.Mansion(static_cast<Body>(i));
        out += i > 0 ? "," : "";
        AppendKey(out, BodyName(static_cast<Body>(i)));
        out += '{';
        AppendKey(out, "nakshatra");
        AppendJsonString(out, MansionName(mansion.mansion));
        AppendMember(out, "lord", BodyName(MansionLord(mansion.mansion)));
        out += ",\"pada\":";
        out += static_cast<char>('0' + mansion.pada);
        out += '}';
    }
    out += '}';
}

// "positions", "longitudes", "mansions" when asked, and "decanates".
void AppendBodiesJson(std::string& out, const Chart& chart, bool brief)
{
    const PositionTable positions = PositionsOf(chart); // made once for "positions" and "decanates"
    out += ",\"positions\":{";
    for (std::size_t i = 0; i < kBodyCount; ++i) {
        if (i > 0)
            out += ',';
        AppendKey(out, BodyName(static_cast<Body>(i)));
        AppendJsonString(out, positions[i]);
    }
    out += "},\"longitudes\":{";
    for (std::size_t i = 0; i < kBodyCount; ++i) {
        if (i > 0)
            out += ',';
        AppendKey(out, BodyName(static_cast<Body>(i)));
        AppendShortestNumber(out, chart.Longitudes()[i]);
    }
    out += '}';
    if (chart.Mansions())
        AppendMansionsJson(out, chart);
    out += ",\"decanates\":[";
    for (std::size_t i = 0; i < kDecanateBodyCount; ++i) {
        out += i > 0 ? "," : "";
        AppendDecanateJson(out, chart, i, positions[i], brief);
    }
    out += ']';
}

} // namespace

void AppendChartJson(std::string& out, const Chart& chart, std::optional<std::size_t> line,
                     std::string_view moreMembers, bool brief)
{
    out += '{';
    if (line) {
        AppendKey(out, "line");
        out += std::to_string(*line);
        out += ',';
    }
    AppendKey(out, "name");
    AppendJsonString(out, chart.Name());
    AppendMember(out, "instantUT", InstantUtText(chart));
    AppendMember(out, "utcOffset", UtcOffsetText(chart));
    AppendMember(out, "ephemeris", chart.Ephemeris() == EphemerisMode::Precise ? "precise" : "classic");
    AppendZodiacJson(out, chart);
    if (chart.Scheme() != DecanScheme::Triplicity) // the table's own, the default, leaves the line as it was
        AppendMember(out, "scheme", NameOf(chart.Scheme()).key);
    if (!moreMembers.empty()) {
        out += ',';
        out += moreMembers;
    }
    AppendBodiesJson(out, chart, brief);
    out += '}';
}

void AppendRejectedJson(std::string& out, std::size_t line, std::string_view message)
{
    using Json = nlohmann::ordered_json;
    out += Json{{"line", line}, {"error", std::string(message)}}.dump(-1, ' ', false, Json::error_handler_t::replace);
}

std::string IndentedJson(std::string_view line)
{
    return nlohmann::ordered_json::parse(line).dump(2);
}

} // namespace tessaline
