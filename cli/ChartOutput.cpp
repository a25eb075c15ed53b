#include "cli/ChartOutput.h"

#include "decanates/DecanateTable.h"

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

Json ChartJson(const ChartState& state)
{
    Json chart;
    chart["name"] = state.birthRecord.name;
    Json positions = Json::object();
    Json longitudes = Json::object();
    for (std::size_t i = 0; i < kBodyCount; ++i) {
        const char* body = BodyName(static_cast<BodyIndex>(i));
        positions[body] = state.positionTable[i];
        longitudes[body] = state.longitudes[i];
    }
    chart["positions"] = std::move(positions);
    chart["longitudes"] = std::move(longitudes);

    Json decanates = Json::array();
    for (std::size_t i = 0; i < kDecanateBodyCount; ++i) {
        const DecanateResult& result = state.decanateResults[i];
        Json body;
        body["body"] = BodyName(static_cast<BodyIndex>(i));
        body["position"] = state.positionTable[i];
        body["decanateName"] = result.DecanateName;
        ForEachDecanateField(result,
                             [&body](const char* key, const char*, const std::string& value) { body[key] = value; });
        decanates.push_back(std::move(body));
    }
    chart["decanates"] = std::move(decanates);
    return chart;
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
        if (lineLength > 0 && lineLength + 1 + word.size() > width) {
            out += '\n';
            lineLength = 0;
        }
        if (lineLength == 0) {
            out += indent;
            lineLength = indent.size();
        } else {
            out += ' ';
            ++lineLength;
        }
        out += word;
        lineLength += word.size();
        at = wordEnd;
    }
    return out;
}

void PrintChart(std::ostream& out, const ChartState& state, std::size_t width)
{
    out << state.birthRecord.name << "\n\n";
    for (std::size_t i = 0; i < kBodyCount; ++i)
        out << "  " << std::left << std::setw(11) << BodyName(static_cast<BodyIndex>(i)) << state.positionTable[i]
            << '\n';

    for (std::size_t i = 0; i < kDecanateBodyCount; ++i) {
        const DecanateResult& result = state.decanateResults[i];
        out << '\n'
            << BodyName(static_cast<BodyIndex>(i)) << "  " << state.positionTable[i] << "  " << result.DecanateName
            << '\n';
        int field = 0;
        ForEachDecanateField(result, [&](const char*, const char* caption, const std::string& value) {
            if (field++ < kShortFieldCount) {
                out << "  " << std::left << std::setw(20) << caption << value << '\n';
            } else {
                out << '\n' << "  " << caption << '\n' << WrapText(value, width, "    ") << '\n';
            }
        });
    }
}

} // namespace tessaline::cli
