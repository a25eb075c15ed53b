// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/ChartText.h"

#include "base/Utf8.h"
#include "base/VisibleText.h"
#include "chart/BirthMoment.h"
#include "decanates/BirthTimeMargins.h"
#include "decanates/DecanateAssignment.h"
#include "decanates/DecanateFields.h"
#include "report/ChartLines.h"

namespace tessaline {

namespace {

// text, then blanks up to width bytes: a column of captions or body names, all ASCII.
void AppendPadded(std::string& out, std::string_view text, std::size_t width)
{
    out += text;
    if (text.size() < width)
        out.append(width - text.size(), ' ');
}

// One body's decanate: its name, the margins and precise notes, the six short fields and the three texts.
void AppendDecanateText(std::string& out, const Chart& chart, std::size_t i, std::string_view position,
                        std::size_t width)
{
    const auto body = static_cast<Body>(i);
    const DecanateResult result = chart.DecanateTextsOf(static_cast<Body>(i));
    out += '\n';
    out += BodyName(body);
    out += "  ";
    out += position;
    out += "  ";
    out += result.DecanateName;
    out += '\n';
    for (const std::string& sentence : {MarginSentence(chart.Margin(body), chart.Clock()), chart.PreciseSentence(body)})
        if (!sentence.empty()) {
            out += WrapText(sentence, width, "  ");
            out += '\n';
        }
    for (std::size_t f = 0; f < kDecanateFields.size(); ++f) {
        const DecanateFieldName& field = kDecanateFields[f];
        const std::string_view value = FieldValue(result, field.field);
        if (f < kShortDecanateFieldCount) {
            out += "  ";
            AppendPadded(out, field.caption, 20);
            out += ShownValue(value);
            if (f + 1 == kShortDecanateFieldCount && chart.Mansions()) {
                out += "\n  ";
                AppendPadded(out, "Lunar Mansion", 20);
                out += MansionOf(chart, body);
            }
        } else {
            out += "\n  ";
            out += field.caption;
            out += '\n';
            out += WrapText(value, width, "    ");
        }
        out += '\n';
    }
}

} // namespace

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
        if (lineLength > 0 && lineLength + 1 + Utf8CharacterCount(word) > width) {
            out += '\n';
            lineLength = 0;
        }
        if (lineLength == 0) {
            out += indent;
            lineLength = Utf8CharacterCount(indent);
        } else {
            out += ' ';
            ++lineLength;
        }
        out += word;
        lineLength += Utf8CharacterCount(word);
        at = wordEnd;
    }
    return out;
}

void AppendChartText(std::string& out, const Chart& chart, std::size_t width)
{
    out += TerminalText(chart.Name());
    out += '\n';
    out += WrapText(TerminalText(InstantLine(chart)), width, "");
    out += '\n';
    if (const std::string line = SchemeLine(chart); !line.empty()) {
        out += WrapText(line, width, "");
        out += '\n';
    }
    out += WrapText(AnglesLine(chart), width, "");
    out += '\n';
    if (chart.Mansions()) {
        out += WrapText(OtherMansionsLine(chart), width, "");
        out += '\n';
    }
    out += '\n';
    const PositionTable positions = PositionsOf(chart); // made once for the table and the decanates
    for (std::size_t i = 0; i < kBodyCount; ++i) {
        out += "  ";
        AppendPadded(out, BodyName(static_cast<Body>(i)), 11);
        out += positions[i];
        out += '\n';
    }
    for (std::size_t i = 0; i < kDecanateBodyCount; ++i)
        AppendDecanateText(out, chart, i, positions[i], width);
}

} // namespace tessaline
