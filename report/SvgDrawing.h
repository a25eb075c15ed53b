// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the chart pictures share: glyphs, names, colours, and writing SVG text quickly and safely.

#include "base/XmlText.h"
#include "report/ChartPicture.h"

#include <string>
#include <string_view>
#include <vector>

namespace tessaline {

// Every text of a picture asks for this list: the first has every glyph the pictures use; the others
// stand in where it is missing. A name is quoted only where it must be (a word that starts with a digit
// would void the whole list), and never the first: some SVG readers take a leading quote to close at
// the end of the list.
inline constexpr std::string_view kPictureFonts
    = "DejaVu Sans, Noto Sans Symbols, 'Noto Sans Symbols 2', Segoe UI Symbol, Symbola, sans-serif";

struct PicturePalette {
    std::string_view paper; // the ground
    std::string_view ink; // glyphs, texts, main rules
    std::string_view muted; // fine rules, leaders, sign codes
    std::string_view signRing; // the ring of the twelve signs, the boxes of a square chart
    std::string_view accent; // the axes and the Ascendant's mark
    std::string_view fire;
    std::string_view earth;
    std::string_view air;
    std::string_view water;
    std::string_view outer; // the points of a ring round the chart, on the paper
};
const PicturePalette& PaletteFor(PictureColours colours) noexcept;

// The quiet tint of a sign's element: fire, earth, air and water in turn from Aries.
std::string_view ElementTint(const PicturePalette& palette, int sign) noexcept;

// A point's glyph followed by U+FE0E, so that no viewer draws it as a coloured emoji; "AC" and "MC" for
// the angles.
std::string_view PointGlyph(Body body) noexcept;
std::string_view SignGlyph(int sign) noexcept; // with U+FE0E; empty outside 0..11
std::string_view SignName(int sign) noexcept; // "Aries" .. "Pisces"
std::string_view SignCodeText(int sign) noexcept; // "Ari" .. "Pis"
std::string_view DecanateOrdinal(int decanate) noexcept; // "first", "second", "third"

// The point's position text ("23 Gem 29") from its longitude, brought into one turn.
std::string PositionTextOf(const Chart& chart, Body body);

// "Sun 23 Gem 29, third decanate of Gemini: Aquarius": what a picture says about one point.
std::string PointDescription(const Chart& chart, Body body);
// The same for any longitude in the chart's zodiac, by the chart's scheme: "Saturn 12 Pis 04 retrograde,
// second decanate of Pisces: Cancer".
std::string PositionDescription(const Chart& chart, std::string_view name, double longitude, bool retrograde = false);

// A longitude brought into 0 <= x < 360; anything not finite counts as 0.
double NormalisedDegrees(double degrees) noexcept;

// A coordinate to a tenth of a unit, without a trailing ".0".
void AppendNumber(std::string& out, double value);
// A path command and its point: "M12.5 300".
void AppendCoordinates(std::string& out, char command, double x, double y);

// <text x=".." y=".." font-size=".." (attributes)>text</text>, with y the baseline.
void AppendTextElement(std::string& out, double x, double y, double fontSize, std::string_view attributes,
                       std::string_view text);

// The opening of a picture up to its ground: the <svg> element, <title>, <desc>, a rectangle of paper
// and a group that names the fonts and fills with ink (a shape drawn in outline says fill="none").
// AppendPictureEnd closes both.
void AppendPictureStart(std::string& out, double width, double height, std::string_view title, std::string_view desc,
                        const PicturePalette& palette);
void AppendPictureEnd(std::string& out);

// The caption's lines: the heading (the name, or what the picture is), then the instant, the place, and
// the zodiac with the mode of calculation, then the clock's sentence from the atlas, wrapped to fit.
struct CaptionLine {
    std::string text;
    bool heading;
};
std::vector<CaptionLine> CaptionLines(const Chart& chart, std::string_view heading, double width);
// One more heading after them ("Transits on 9 December 2026, 20:00 UT"), wrapped to the same width.
void AddCaptionHeading(std::vector<CaptionLine>& lines, std::string_view heading, double width);
// The height the lines take; AppendCaption writes them from `top`.
double CaptionHeight(const std::vector<CaptionLine>& lines) noexcept;
void AppendCaption(std::string& out, const std::vector<CaptionLine>& lines, double left, double top);

} // namespace tessaline
