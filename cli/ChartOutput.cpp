// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/ChartOutput.h"

#include "base/CsvText.h"
#include "base/JsonText.h"
#include "base/VisibleText.h"
#include "chart/BirthMoment.h"
#include "chart/PositionText.h"
#include "decanates/BirthTimeMargins.h"
#include "decanates/DecanateAssignment.h"
#include "decanates/DecanateTable.h"
#include "report/Reading.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <iomanip>
#include <string>

namespace tessaline::cli {

namespace {

// The six short fields and three texts of a decanate, with their captions and JSON keys, in the order
// the results window shows them. Works for a table row and for a body's result alike.
template <typename Row, typename Visit> void ForEachDecanateField(const Row& row, Visit&& visit)
{
    visit("decanateSign", "Decanate Sign", row.DecanateSign);
    visit("rulingPlanet", "Ruling Planet", row.RulingPlanet);
    visit("rulingElement", "Ruling Element", row.RulingElement);
    visit("constellationName", "Constellation Name", row.ConstellationName);
    visit("keyword", "Keyword", row.Keyword);
    visit("treeZodiac", "Tree Zodiac", row.TreeZodiac);
    visit("karmicInfluence", "Karmic Influence", row.KarmicInfluence);
    visit("moreAboutTreeZodiac", "More About Tree Zodiac", row.MoreAboutTreeZodiac);
    visit("moreAboutDecanateSign", "More About Decanate Sign", row.MoreAboutDecanateSign);
}

constexpr int kShortFieldCount = 6;

} // namespace

namespace {

// Shortest text that reads back as the same double: full precision, no noise digits.
void AppendShortestDouble(std::string& out, double value)
{
    std::array<char, 32> digits{};
    const auto written = std::to_chars(digits.data(), digits.data() + digits.size(), value);
    out.append(digits.data(), written.ptr);
}

} // namespace

namespace {

// "name": for our own key names, which need no escapes.
void AppendKey(std::string& out, std::string_view name)
{
    out += '"';
    out += name;
    out += "\":";
}

// One body's entry of "decanates": its position, decanate and fields, the precise decanate where a classic
// chart's differs, and its margins.
void AppendDecanateJson(std::string& out, const ChartState& state, std::size_t i, bool brief)
{
    const auto key = [&out](std::string_view name) {
        AppendKey(out, name);
    };
    out += '{';
    const DecanateResult& result = state.decanateResults[i];
    key("body");
    AppendJsonString(out, BodyName(static_cast<Body>(i)));
    out += ',';
    key("position");
    AppendJsonString(out, state.positionTable[i]);
    out += ',';
    key("decanateName");
    AppendJsonString(out, result.DecanateName);
    int field = 0;
    ForEachDecanateField(result, [&](const char* name, const char*, std::string_view value) {
        if (brief && field++ >= kShortFieldCount)
            return;
        out += ',';
        key(name);
        AppendJsonString(out, value);
    });
    const auto clockOrNull = [&out](const std::optional<CivilInstant>& at) {
        if (at)
            AppendJsonString(out, LocalDateTimeText(*at));
        else
            out += "null";
    };
    if (const auto& precise = state.preciseDecanates[i]) {
        out += ',';
        key("precise");
        out += '{';
        key("position");
        AppendJsonString(out, precise->position);
        out += ',';
        key("decanateName");
        AppendJsonString(out, precise->decanate.DecanateName);
        out += ',';
        key("decanateSign");
        AppendJsonString(out, precise->decanate.DecanateSign);
        out += '}';
    }
    out += ',';
    key("changesBefore");
    clockOrNull(state.margins[i].changesBefore);
    out += ',';
    key("changesAfter");
    clockOrNull(state.margins[i].changesAfter);
    out += '}';
}

} // namespace

void AppendChartJson(std::string& out, const ChartState& state, std::optional<std::size_t> line,
                     std::string_view moreMembers, bool brief)
{
    const auto key = [&out](std::string_view name) {
        AppendKey(out, name);
    };
    out += '{';
    if (line) {
        key("line");
        out += std::to_string(*line);
        out += ',';
    }
    key("name");
    AppendJsonString(out, state.birthRecord.name);
    out += ',';
    key("instantUT");
    AppendJsonString(out, InstantUtText(state));
    out += ',';
    key("utcOffset");
    AppendJsonString(out, UtcOffsetText(state));
    out += ',';
    key("ephemeris");
    AppendJsonString(out, state.ephemeris == EphemerisMode::Precise ? "precise" : "classic");
    if (state.zodiac.zodiac == Zodiac::Sidereal) { // a tropical chart's line stays as it always was
        out += ',';
        key("zodiac");
        AppendJsonString(out, "sidereal");
        out += ",\"ayanamsa\":{";
        key("name");
        AppendJsonString(out, AyanamsaName(state.zodiac.ayanamsa));
        out += ',';
        key("degrees");
        AppendShortestDouble(out, state.ayanamsaDegrees);
        out += '}';
    }
    if (!moreMembers.empty()) {
        out += ',';
        out += moreMembers;
    }

    out += ",\"positions\":{";
    for (std::size_t i = 0; i < kBodyCount; ++i) {
        if (i > 0)
            out += ',';
        key(BodyName(static_cast<Body>(i)));
        AppendJsonString(out, state.positionTable[i]);
    }
    out += "},\"longitudes\":{";
    for (std::size_t i = 0; i < kBodyCount; ++i) {
        if (i > 0)
            out += ',';
        key(BodyName(static_cast<Body>(i)));
        AppendShortestDouble(out, state.longitudes[i]);
    }
    out += "},\"decanates\":[";
    for (std::size_t i = 0; i < kDecanateBodyCount; ++i) {
        out += i > 0 ? "," : "";
        AppendDecanateJson(out, state, i, brief);
    }
    out += "]}";
}

namespace {

constexpr std::size_t kCsvColumnCount
    = 1 + BatchHeader::kNames.size() + 2 + 2 * kBodyCount + 4 * kDecanateBodyCount + 1;

void AppendCsvStart(std::string& out, std::optional<std::size_t> line, const BirthColumns& inputs)
{
    if (line)
        out += std::to_string(*line);
    for (std::string_view input : inputs) {
        out += ',';
        AppendCsvField(out, input);
    }
}

} // namespace

void AppendCsvHeader(std::string& out, bool placeColumns)
{
    out += "line";
    for (std::string_view column : BatchHeader::kNames) {
        out += ',';
        out += column;
    }
    out += ",instantUT,utcOffset";
    for (std::size_t i = 0; i < kBodyCount; ++i) {
        out += ',';
        out += BodyName(static_cast<Body>(i));
    }
    for (std::size_t i = 0; i < kBodyCount; ++i) {
        out += ',';
        out += BodyName(static_cast<Body>(i));
        out += "Longitude";
    }
    for (std::size_t i = 0; i < kDecanateBodyCount; ++i) {
        for (const char* column : {"DecanateSign", "Decanate", "ChangesBefore", "ChangesAfter"}) {
            out += ',';
            out += BodyName(static_cast<Body>(i));
            out += column;
        }
    }
    out += ",error";
    if (placeColumns)
        out += ",placeId,placeLabel,latitude,longitude";
    out += '\n';
}

namespace {

void AppendPlaceColumns(std::string& out, const std::optional<CsvPlace>& place)
{
    if (!place) {
        out += ",,,,";
        return;
    }
    out += ',';
    out += std::to_string(place->id);
    out += ',';
    AppendCsvField(out, place->label);
    out += ',';
    AppendShortestDouble(out, place->latitude);
    out += ',';
    AppendShortestDouble(out, place->longitude);
}

} // namespace

void AppendChartCsv(std::string& out, const ChartState& state, std::optional<std::size_t> line,
                    const BirthColumns& inputs, const std::optional<CsvPlace>* place)
{
    AppendCsvStart(out, line, inputs);
    out += ',';
    out += InstantUtText(state);
    out += ',';
    AppendCsvField(out, UtcOffsetText(state));
    for (std::size_t i = 0; i < kBodyCount; ++i) {
        out += ',';
        AppendCsvField(out, state.positionTable[i]);
    }
    for (std::size_t i = 0; i < kBodyCount; ++i) {
        out += ',';
        AppendShortestDouble(out, state.longitudes[i]);
    }
    for (std::size_t i = 0; i < kDecanateBodyCount; ++i) {
        out += ',';
        AppendCsvField(out, state.decanateResults[i].DecanateSign);
        out += ',';
        if (const auto decanate = DecanateOfLongitude(state.longitudes[i]))
            out += static_cast<char>('0' + decanate->decanate);
        for (const auto& at : {state.margins[i].changesBefore, state.margins[i].changesAfter}) {
            out += ',';
            if (at)
                out += LocalDateTimeText(*at);
        }
    }
    out += ',';
    if (place != nullptr)
        AppendPlaceColumns(out, *place);
    out += '\n';
}

void AppendCsvError(std::string& out, std::size_t line, const BirthColumns& inputs, std::string_view message,
                    bool placeColumns)
{
    AppendCsvStart(out, line, inputs);
    out.append(kCsvColumnCount - 1 - inputs.size(), ','); // empty chart columns, then the error
    AppendCsvField(out, message);
    if (placeColumns)
        out += ",,,,";
    out += '\n';
}

Json DecanateTableJson()
{
    Json signs = Json::array();
    for (const SignEntry& sign : BuildDecanateTable()) {
        Json rows = Json::array();
        for (const DecanateRow& row : sign.rows) {
            Json object;
            ForEachDecanateField(row, [&object](const char* key, const char*, std::string_view value) {
                object[key] = std::string(value);
            });
            rows.push_back(std::move(object));
        }
        signs.push_back(Json{{"signKey", std::string(sign.SignKey)}, {"rows", std::move(rows)}});
    }
    return Json{{"signs", std::move(signs)}};
}

std::string WrapText(std::string_view text, std::size_t width, std::string_view indent)
{
    // Columns on a terminal are characters, not bytes: "°" and "′" take two and three bytes in UTF-8.
    const auto columns = [](std::string_view s) {
        std::size_t n = 0;
        for (char c : s)
            n += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
        return n;
    };
    std::string out;
    std::size_t lineLength = 0;
    std::size_t at = 0;
    while (at < text.size()) {
        const auto wordStart = text.find_first_not_of(' ', at);
        if (wordStart == std::string_view::npos)
            break;
        auto wordEnd = text.find(' ', wordStart);
        if (wordEnd == std::string_view::npos)
            wordEnd = text.size();
        const std::string_view word = text.substr(wordStart, wordEnd - wordStart);
        if (lineLength > 0 && lineLength + 1 + columns(word) > width) {
            out += '\n';
            lineLength = 0;
        }
        if (lineLength == 0) {
            out += indent;
            lineLength = columns(indent);
        } else {
            out += ' ';
            ++lineLength;
        }
        out += word;
        lineLength += columns(word);
        at = wordEnd;
    }
    return out;
}

void PrintChart(std::ostream& out, const ChartState& state, std::size_t width)
{
    out << TerminalText(state.birthRecord.name) << '\n'
        << WrapText(TerminalText(InstantLine(state)), width, "") << '\n'
        << WrapText(AnglesLine(state), width, "") << "\n\n";
    for (std::size_t i = 0; i < kBodyCount; ++i)
        out << "  " << std::left << std::setw(11) << BodyName(static_cast<Body>(i)) << state.positionTable[i] << '\n';

    for (std::size_t i = 0; i < kDecanateBodyCount; ++i) {
        const DecanateResult& result = state.decanateResults[i];
        out << '\n'
            << BodyName(static_cast<Body>(i)) << "  " << state.positionTable[i] << "  " << result.DecanateName << '\n';
        if (const std::string sentence = MarginSentence(state.margins[i], ClockInstant(state.birthRecord));
            !sentence.empty())
            out << WrapText(sentence, width, "  ") << '\n';
        if (const std::string sentence = PreciseDecanateSentence(state, static_cast<Body>(i)); !sentence.empty())
            out << WrapText(sentence, width, "  ") << '\n';
        int field = 0;
        ForEachDecanateField(result, [&](const char*, const char* caption, std::string_view value) {
            if (field++ < kShortFieldCount) {
                out << "  " << std::left << std::setw(20) << caption << value << '\n';
            } else {
                out << '\n' << "  " << caption << '\n' << WrapText(value, width, "    ") << '\n';
            }
        });
    }
}

} // namespace tessaline::cli
