// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/SvgDrawing.h"

#include "base/Utf8.h"
#include "chart/PositionText.h"
#include "decanates/DecanateAssignment.h"
#include "decanates/DecanateTable.h"
#include "report/ChartLines.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>

namespace tessaline {

namespace {

// Light tints step down in lightness from air to earth as well as in hue, so neighbouring signs stay apart
// in greyscale. Every text colour (ink, muted, accent) keeps at least 4.5:1 on the paper, the sign ring and
// every tint; dark tints stand at least 3:1 from the paper, so that no cell vanishes into it. The outer ring's
// ink stands only on the paper, at 4.5:1 or more.
constexpr PicturePalette kLightPalette{"#fffdf9", "#2b1d17", "#52453c", "#efe6dc", "#7a2810",
                                       "#fadac9", "#cbbb8f", "#f7f3e3", "#b5cce2", "#1d4f7c"};
constexpr PicturePalette kDarkPalette{"#100e0c", "#f1e9e0", "#e6ddd5", "#2d2722", "#fcd5c0",
                                      "#8f503a", "#6b603f", "#636158", "#3f6486", "#9fcdf5"};

constexpr std::array<std::string_view, kBodyCount> kPointGlyphs{
    "\u2609\uFE0E", "\u263D\uFE0E", "\u263F\uFE0E", "\u2640\uFE0E", "\u2642\uFE0E", "\u2643\uFE0E", "\u2644\uFE0E",
    "\u2645\uFE0E", "\u2646\uFE0E", "\u2647\uFE0E", "AC",           "MC",           "\u260A\uFE0E", "\u260B\uFE0E",
};

constexpr std::array<std::string_view, kSignCount> kSignGlyphs{
    "\u2648\uFE0E", "\u2649\uFE0E", "\u264A\uFE0E", "\u264B\uFE0E", "\u264C\uFE0E", "\u264D\uFE0E",
    "\u264E\uFE0E", "\u264F\uFE0E", "\u2650\uFE0E", "\u2651\uFE0E", "\u2652\uFE0E", "\u2653\uFE0E",
};

constexpr std::array<std::string_view, kSignCount> kSignNames{
    "Aries", "Taurus",  "Gemini",      "Cancer",    "Leo",      "Virgo",
    "Libra", "Scorpio", "Sagittarius", "Capricorn", "Aquarius", "Pisces",
};

// Greedy wrapping at spaces; a word longer than a line stands on a line of its own.
void AppendWrapped(std::vector<CaptionLine>& lines, std::string_view text, std::size_t maxCharacters, bool heading)
{
    std::string line;
    std::size_t lineCharacters = 0;
    while (!text.empty()) {
        const std::size_t space = text.find(' ');
        const std::string_view word = text.substr(0, space);
        text = space == std::string_view::npos ? std::string_view() : text.substr(space + 1);
        const std::size_t wordCharacters = Utf8CharacterCount(word);
        if (!line.empty() && lineCharacters + 1 + wordCharacters > maxCharacters) {
            lines.push_back({std::move(line), heading});
            line.clear();
            lineCharacters = 0;
        }
        if (!line.empty()) {
            line += ' ';
            ++lineCharacters;
        }
        line += word;
        lineCharacters += wordCharacters;
    }
    if (!line.empty())
        lines.push_back({std::move(line), heading});
}

constexpr double kHeadingSize = 26.0;
constexpr double kCaptionSize = 17.0;
constexpr double kLineSpacing = 1.35;
// A generous average advance of DejaVu Sans, in ems, for wrapping before anything is measured.
constexpr double kAverageAdvance = 0.6;

} // namespace

LongitudeDecanate DecanateCellOf(double longitude, DecanScheme scheme) noexcept
{
    // The chart's own rule (the whole degrees, as the position texts truncate them), so the picture never
    // disagrees with the tabs.
    const SignDecanate found = DecanateOf(NormalisedDegrees(longitude)).value_or(SignDecanate{0, 1});
    const DecanPlacement placement = PlacementOf(scheme, found);
    return {found.signIndex, found.decanate, placement.sign, placement.ruler};
}

std::string DrekkanaUnavailable(const Chart& chart)
{
    if (PlacesInSigns(chart.Scheme()))
        return {};
    return "The " + std::string(NameOf(chart.Scheme()).caption)
        + " place no decanate in a sign, so they give no drekkana chart.";
}

const PicturePalette& PaletteFor(PictureColours colours) noexcept
{
    return colours == PictureColours::Dark ? kDarkPalette : kLightPalette;
}

std::string_view ElementTint(const PicturePalette& palette, int sign) noexcept
{
    switch (((sign % 4) + 4) % 4) {
    case 0:
        return palette.fire;
    case 1:
        return palette.earth;
    case 2:
        return palette.air;
    default:
        return palette.water;
    }
}

std::string_view PointGlyph(Body body) noexcept
{
    const std::size_t i = ToIndex(body);
    return i < kPointGlyphs.size() ? kPointGlyphs[i] : std::string_view();
}

std::string_view SignGlyph(int sign) noexcept
{
    return sign >= 0 && sign < static_cast<int>(kSignCount) ? kSignGlyphs[static_cast<std::size_t>(sign)]
                                                            : std::string_view();
}

std::string_view SignName(int sign) noexcept
{
    return sign >= 0 && sign < static_cast<int>(kSignCount) ? kSignNames[static_cast<std::size_t>(sign)]
                                                            : std::string_view();
}

std::string_view SignCodeText(int sign) noexcept
{
    return sign >= 0 && sign < static_cast<int>(kSignCount)
        ? SignAbbreviations.substr(3 * static_cast<std::size_t>(sign), 3)
        : std::string_view();
}

std::string_view DecanateOrdinal(int decanate) noexcept
{
    constexpr std::array<std::string_view, 3> kOrdinals{"first", "second", "third"};
    return decanate >= 1 && decanate <= 3 ? kOrdinals[static_cast<std::size_t>(decanate - 1)] : std::string_view();
}

std::string PositionTextOf(const Chart& chart, Body body)
{
    return FormatPositionEntry(NormalisedDegrees(chart.Longitude(body)));
}

std::string PointDescription(const Chart& chart, Body body)
{
    return PositionDescription(chart, BodyName(body), chart.Longitude(body));
}

std::string PositionDescription(const Chart& chart, std::string_view name, double longitude, bool retrograde)
{
    const LongitudeDecanate where = DecanateCellOf(longitude, chart.Scheme());
    std::string text(name);
    text += ' ';
    text += FormatPositionEntry(NormalisedDegrees(longitude));
    if (retrograde)
        text += " retrograde";
    text += ", ";
    text += DecanateOrdinal(where.decanate);
    text += " decanate of ";
    text += SignName(where.sign);
    if (where.decanateSign < 0) { // a face
        text += ", ruled by ";
        text += BodyName(where.ruler);
    } else {
        text += ": ";
        text += SignName(where.decanateSign);
    }
    if (chart.Mansions()) {
        text += ", in ";
        text += MansionText(LunarMansionOf(longitude).value_or(LunarMansion{}));
    }
    return text;
}

double NormalisedDegrees(double degrees) noexcept
{
    if (!std::isfinite(degrees))
        return 0.0;
    double x = std::fmod(degrees, 360.0);
    if (x < 0.0)
        x += 360.0;
    return x >= 360.0 ? 0.0 : x; // -1e-17 + 360 rounds to 360
}

namespace {

// A coordinate to a tenth, written into `at`; returns the end. Anything not finite or beyond any
// picture counts as 0.
char* WriteNumber(char* at, char* end, double value) noexcept
{
    const double scaled = value * 10.0;
    long long tenths = std::abs(scaled) < 1e15 ? static_cast<long long>(scaled < 0.0 ? scaled - 0.5 : scaled + 0.5) : 0;
    if (tenths < 0) {
        *at++ = '-';
        tenths = -tenths;
    }
    at = std::to_chars(at, end, tenths / 10).ptr;
    if (tenths % 10 != 0) {
        *at++ = '.';
        *at++ = static_cast<char>('0' + tenths % 10);
    }
    return at;
}

} // namespace

void AppendNumber(std::string& out, double value)
{
    std::array<char, 32> text; // NOLINT(cppcoreguidelines-pro-type-member-init): written before it is read
    out.append(text.data(), WriteNumber(text.data(), text.data() + text.size(), value));
}

void AppendCoordinates(std::string& out, char command, double x, double y)
{
    std::array<char, 64> text; // NOLINT(cppcoreguidelines-pro-type-member-init): written before it is read
    char* at = text.data();
    char* const end = text.data() + text.size();
    *at++ = command;
    at = WriteNumber(at, end, x);
    *at++ = ' ';
    at = WriteNumber(at, end, y);
    out.append(text.data(), at);
}

void AppendTextElement(std::string& out, double x, double y, double fontSize, std::string_view attributes,
                       std::string_view text)
{
    out += "<text x=\"";
    AppendNumber(out, x);
    out += "\" y=\"";
    AppendNumber(out, y);
    out += "\" font-size=\"";
    AppendNumber(out, fontSize);
    out += '"';
    if (!attributes.empty()) {
        out += ' ';
        out += attributes;
    }
    out += '>';
    AppendXmlText(out, text);
    out += "</text>\n";
}

void AppendPictureStart(std::string& out, double width, double height, std::string_view title, std::string_view desc,
                        const PicturePalette& palette)
{
    out += "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"";
    AppendNumber(out, width);
    out += "\" height=\"";
    AppendNumber(out, height);
    out += "\" viewBox=\"0 0 ";
    AppendNumber(out, width);
    out += ' ';
    AppendNumber(out, height);
    out += "\">\n<title>";
    AppendXmlText(out, title);
    out += "</title>\n<desc>";
    AppendXmlText(out, desc);
    out += "</desc>\n<rect x=\"0\" y=\"0\" width=\"";
    AppendNumber(out, width);
    out += "\" height=\"";
    AppendNumber(out, height);
    out += "\" fill=\"";
    out += palette.paper;
    out += "\"/>\n<g font-family=\"";
    out += kPictureFonts;
    out += "\" fill=\"";
    out += palette.ink;
    out += "\">\n";
}

void AppendPictureEnd(std::string& out)
{
    out += "</g>\n</svg>\n";
}

std::vector<CaptionLine> CaptionLines(const Chart& chart, std::string_view heading, double width)
{
    const auto fit = [width](double fontSize) {
        return static_cast<std::size_t>(std::max(10.0, width / (kAverageAdvance * fontSize)));
    };
    std::vector<CaptionLine> lines;
    AppendWrapped(lines, heading, fit(kHeadingSize), true);
    const std::size_t perLine = fit(kCaptionSize);
    AppendWrapped(lines, UniversalTimeText(chart), perLine, false);
    AppendWrapped(lines, BirthPlaceText(chart), perLine, false);
    std::string zodiac = ZodiacText(chart);
    if (!zodiac.empty() && zodiac[0] >= 'a' && zodiac[0] <= 'z')
        zodiac[0] = static_cast<char>(zodiac[0] - 'a' + 'A');
    zodiac += chart.Ephemeris() == EphemerisMode::Precise ? "; positions from the precise ephemeris"
                                                          : "; positions from the classic formulas";
    AppendWrapped(lines, zodiac, perLine, false);
    AppendWrapped(lines, chart.ClockSentence(), perLine, false);
    return lines;
}

void AddCaptionHeading(std::vector<CaptionLine>& lines, std::string_view heading, double width)
{
    AppendWrapped(lines, heading, static_cast<std::size_t>(std::max(10.0, width / (kAverageAdvance * kHeadingSize))),
                  true);
}

double CaptionHeight(const std::vector<CaptionLine>& lines) noexcept
{
    double height = 0.0;
    for (const CaptionLine& line : lines)
        height += (line.heading ? kHeadingSize : kCaptionSize) * kLineSpacing;
    return height;
}

void AppendCaption(std::string& out, const std::vector<CaptionLine>& lines, double left, double top)
{
    double y = top;
    for (const CaptionLine& line : lines) {
        const double size = line.heading ? kHeadingSize : kCaptionSize;
        y += size * kLineSpacing;
        AppendTextElement(out, left, y - 0.3 * size, size, line.heading ? "font-weight=\"bold\"" : "", line.text);
    }
}

} // namespace tessaline
