// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/DrekkanaChartSvg.h"

#include "decanates/DecanateTable.h"
#include "report/SvgDrawing.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace tessaline {

namespace {

constexpr double kSide = 1000.0;
constexpr double kMargin = 30.0;
constexpr double kSquare = kSide - 2 * kMargin;

constexpr double kLargestGlyph = 30.0;
constexpr double kSmallestGlyph = 9.0;
constexpr double kSlotWidth = 1.25; // ems of a point's place in a row
constexpr double kSlotHeight = 1.3;
constexpr double kBaselineDrop = 0.36; // from the middle of a glyph to its baseline, in ems
constexpr double kAscendantEm = 0.6; // "Asc" is set smaller than a glyph to fit the same place
constexpr double kSignLabelSize = 16.0;
constexpr double kHouseNumberSize = 18.0;
constexpr double kPadding = 10.0;

constexpr std::array<Body, kDrekkanaPointCount> kPointOrder{
    Body::Ascendant, Body::Sun,    Body::Moon,    Body::Mercury, Body::Venus, Body::Mars, Body::Jupiter,
    Body::Saturn,    Body::Uranus, Body::Neptune, Body::Pluto,   Body::Rahu,  Body::Ketu,
};

struct GridPoint {
    double x;
    double y;
};

// South Indian: each sign's box by row and column of a four-by-four square, Pisces at the top left and
// the signs running clockwise round the edge.
struct RowColumn {
    int row;
    int column;
};
constexpr std::array<RowColumn, kSignCount> kSouthBoxes{{
    {0, 1},
    {0, 2},
    {0, 3},
    {1, 3},
    {2, 3},
    {3, 3},
    {3, 2},
    {3, 1},
    {3, 0},
    {2, 0},
    {1, 0},
    {0, 0},
}};

// North Indian: each house in eighths of the square, the first at the top and the houses running
// counter-clockwise: its outline, the box its points stand in, and where its sign's number goes (by the
// house's corner nearest the centre).
struct House {
    std::array<GridPoint, 4> outline; // a triangle repeats its last corner
    std::size_t corners;
    GridPoint boxFrom;
    GridPoint boxTo;
    GridPoint number;
};
constexpr std::array<House, kSignCount> kNorthHouses{{
    {{{{4, 0}, {2, 2}, {4, 4}, {6, 2}}}, 4, {3, 1}, {5, 3}, {4, 3.45}},
    {{{{0, 0}, {4, 0}, {2, 2}, {2, 2}}}, 3, {1, 0}, {3, 1}, {2, 1.6}},
    {{{{0, 0}, {2, 2}, {0, 4}, {0, 4}}}, 3, {0, 1}, {1, 3}, {1.6, 2}},
    {{{{0, 4}, {2, 2}, {4, 4}, {2, 6}}}, 4, {1, 3}, {3, 5}, {3.45, 4}},
    {{{{0, 8}, {0, 4}, {2, 6}, {2, 6}}}, 3, {0, 5}, {1, 7}, {1.6, 6}},
    {{{{0, 8}, {2, 6}, {4, 8}, {4, 8}}}, 3, {1, 7}, {3, 8}, {2, 6.4}},
    {{{{4, 8}, {2, 6}, {4, 4}, {6, 6}}}, 4, {3, 5}, {5, 7}, {4, 4.55}},
    {{{{8, 8}, {4, 8}, {6, 6}, {6, 6}}}, 3, {5, 7}, {7, 8}, {6, 6.4}},
    {{{{8, 8}, {6, 6}, {8, 4}, {8, 4}}}, 3, {7, 5}, {8, 7}, {6.4, 6}},
    {{{{8, 4}, {6, 6}, {4, 4}, {6, 2}}}, 4, {5, 3}, {7, 5}, {4.55, 4}},
    {{{{8, 0}, {8, 4}, {6, 2}, {6, 2}}}, 3, {7, 1}, {8, 3}, {6.4, 2}},
    {{{{8, 0}, {6, 2}, {4, 0}, {4, 0}}}, 3, {5, 0}, {7, 1}, {6, 1.6}},
}};

constexpr double kEighth = kSquare / 8.0;

GridPoint NorthPoint(GridPoint p) noexcept
{
    return {kMargin + p.x * kEighth, kMargin + p.y * kEighth};
}

PictureBox Inset(PictureBox box, double by) noexcept
{
    return {box.left + by, box.top + by, box.right - by, box.bottom - by};
}

PictureBox SouthBox(int sign) noexcept
{
    const RowColumn at = kSouthBoxes[static_cast<std::size_t>(sign)];
    const double size = kSquare / 4.0;
    const double left = kMargin + at.column * size;
    const double top = kMargin + at.row * size;
    return {left, top, left + size, top + size};
}

int AscendantSign(const Chart& chart) noexcept
{
    return std::max(0, DecanateCellOf(chart.Longitude(Body::Ascendant), chart.Scheme()).decanateSign);
}

// Places the points of one box in rows, as large as they fit, the block centred in the box.
void PlacePoints(const PictureBox& box, const std::vector<std::size_t>& members, DrekkanaLayout& layout)
{
    if (members.empty())
        return;
    const double width = box.right - box.left;
    const double height = box.bottom - box.top;
    double size = kLargestGlyph;
    std::size_t columns = 1;
    for (;; size *= 0.9) {
        columns = static_cast<std::size_t>(std::max(0.0, std::floor(width / (kSlotWidth * size))));
        const auto rows = static_cast<std::size_t>(std::max(0.0, std::floor(height / (kSlotHeight * size))));
        if ((columns >= 1 && rows >= 1 && columns * rows >= members.size()) || size <= kSmallestGlyph)
            break;
    }
    columns = std::max<std::size_t>(1, std::min(columns, members.size()));
    const std::size_t rows = (members.size() + columns - 1) / columns;
    const double left = box.CentreX() - static_cast<double>(columns) * kSlotWidth * size / 2.0;
    const double top = box.CentreY() - static_cast<double>(rows) * kSlotHeight * size / 2.0;
    for (std::size_t k = 0; k < members.size(); ++k) {
        const std::size_t row = k / columns;
        const double x = left + (static_cast<double>(k % columns) + 0.5) * kSlotWidth * size;
        const double y = top + (static_cast<double>(row) + 0.5) * kSlotHeight * size;
        layout.points[members[k]].glyph = {x - size / 2.0, y - size / 2.0, x + size / 2.0, y + size / 2.0};
    }
}

std::string FillAndStroke(std::string_view fill, std::string_view stroke, std::string_view width)
{
    std::string text = "fill=\"";
    text += fill;
    text += "\" stroke=\"";
    text += stroke;
    text += "\" stroke-width=\"";
    text += width;
    text += '"';
    return text;
}

void AppendCellStart(std::string& out, const DrekkanaLayout& layout, int sign)
{
    out += "<g id=\"sign-";
    out += SignCodeText(sign);
    out += "\"><title>";
    out += SignName(sign);
    out += ", house ";
    out += std::to_string(layout.cells[static_cast<std::size_t>(sign)].house);
    bool first = true;
    for (const DrekkanaPoint& point : layout.points)
        if (point.sign == sign) {
            out += first ? ": " : ", ";
            out += BodyName(point.body);
            first = false;
        }
    out += "</title>\n";
}

} // namespace

namespace {

std::vector<CaptionLine> DrekkanaCaption(const Chart& chart, const PictureOptions& options)
{
    if (!options.caption)
        return {};
    const std::string& name = chart.Name();
    return CaptionLines(chart, name.empty() ? "Drekkana chart (D3)" : name + " \u00B7 drekkana chart (D3)", kSquare);
}

// The chart's square, and the caption under it.
DrekkanaLayout LayOutDrekkana(const Chart& chart, DrekkanaStyle style, const std::vector<CaptionLine>& caption)
{
    DrekkanaLayout layout;
    layout.width = kSide;
    layout.height = kSide + (caption.empty() ? 0.0 : CaptionHeight(caption) + kMargin / 2.0);
    const int ascendant = AscendantSign(chart);
    for (int sign = 0; sign < static_cast<int>(kSignCount); ++sign) {
        DrekkanaCell& cell = layout.cells[static_cast<std::size_t>(sign)];
        cell.sign = sign;
        cell.house = (sign - ascendant + 12) % 12 + 1;
        if (style == DrekkanaStyle::SouthIndian) {
            const PictureBox box = SouthBox(sign);
            // Room under the points for the sign's name.
            cell.box = {box.left + kPadding, box.top + kPadding, box.right - kPadding,
                        box.bottom - kPadding - 1.4 * kSignLabelSize};
        } else {
            const House& house = kNorthHouses[static_cast<std::size_t>(cell.house - 1)];
            const GridPoint from = NorthPoint(house.boxFrom);
            const GridPoint to = NorthPoint(house.boxTo);
            cell.box = Inset({from.x, from.y, to.x, to.y}, kPadding / 2.0);
        }
    }
    std::array<std::vector<std::size_t>, kSignCount> members;
    for (std::size_t k = 0; k < kPointOrder.size(); ++k) {
        DrekkanaPoint& point = layout.points[k];
        point.body = kPointOrder[k];
        point.sign = std::max(0, DecanateCellOf(chart.Longitude(point.body), chart.Scheme()).decanateSign);
        members[static_cast<std::size_t>(point.sign)].push_back(k);
    }
    for (std::size_t sign = 0; sign < kSignCount; ++sign)
        PlacePoints(layout.cells[sign].box, members[sign], layout);
    return layout;
}

} // namespace

DrekkanaLayout LayOutDrekkanaChart(const Chart& chart, DrekkanaStyle style, const PictureOptions& options)
{
    return LayOutDrekkana(chart, style, DrekkanaCaption(chart, options));
}

double DrekkanaChartSmallestText() noexcept
{
    return std::min(kSignLabelSize, kHouseNumberSize) / kSide;
}

namespace {

// The South Indian form: the twelve signs in fixed boxes round the edge, the rising one struck across its
// corner, and what the chart is in the middle.
void AppendSouthCells(std::string& out, const DrekkanaLayout& layout, const PicturePalette& palette, int ascendant,
                      std::string_view form, bool sidereal)
{
    for (int sign = 0; sign < static_cast<int>(kSignCount); ++sign) {
        const PictureBox box = SouthBox(sign);
        AppendCellStart(out, layout, sign);
        out += "<rect x=\"";
        AppendNumber(out, box.left);
        out += "\" y=\"";
        AppendNumber(out, box.top);
        out += "\" width=\"";
        AppendNumber(out, box.right - box.left);
        out += "\" height=\"";
        AppendNumber(out, box.bottom - box.top);
        out += "\" " + FillAndStroke(ElementTint(palette, sign), palette.ink, "2") + "/>\n";
        std::string label(SignGlyph(sign));
        label += ' ';
        label += SignCodeText(sign);
        AppendTextElement(out, box.right - kPadding, box.bottom - kPadding, kSignLabelSize,
                          "text-anchor=\"end\" fill=\"" + std::string(palette.muted) + "\"", label);
        if (sign == ascendant) { // the traditional stroke across the corner of the rising sign
            out += "<path d=\"M";
            AppendNumber(out, box.left);
            out += ' ';
            AppendNumber(out, box.top + 0.2 * (box.bottom - box.top));
            out += 'L';
            AppendNumber(out, box.left + 0.2 * (box.right - box.left));
            out += ' ';
            AppendNumber(out, box.top);
            out += "\" " + FillAndStroke("none", palette.accent, "2.5") + "/>\n";
        }
        out += "</g>\n";
    }
    // The middle: what the chart is.
    const double middle = kSide / 2.0;
    AppendTextElement(out, middle, middle - 40.0, 30.0, "text-anchor=\"middle\" font-weight=\"bold\"", "Drekkana (D3)");
    AppendTextElement(out, middle, middle, 20.0, "text-anchor=\"middle\"", std::string(form) + " chart");
    AppendTextElement(out, middle, middle + 34.0, 20.0, "text-anchor=\"middle\"",
                      sidereal ? "Sidereal zodiac" : "Tropical zodiac");
}

// The North Indian form: the houses in their fixed places, each with the number of its sign.
void AppendNorthCells(std::string& out, const DrekkanaLayout& layout, const PicturePalette& palette)
{
    for (int sign = 0; sign < static_cast<int>(kSignCount); ++sign) {
        const DrekkanaCell& cell = layout.cells[static_cast<std::size_t>(sign)];
        const House& house = kNorthHouses[static_cast<std::size_t>(cell.house - 1)];
        AppendCellStart(out, layout, sign);
        out += "<path d=\"";
        for (std::size_t c = 0; c < house.corners; ++c) {
            const GridPoint p = NorthPoint(house.outline[c]);
            out += c == 0 ? 'M' : 'L';
            AppendNumber(out, p.x);
            out += ' ';
            AppendNumber(out, p.y);
        }
        out += "Z\" ";
        out += FillAndStroke(ElementTint(palette, sign), palette.ink, "2");
        out += "/>\n";
        const GridPoint number = NorthPoint(house.number);
        AppendTextElement(out, number.x, number.y + kBaselineDrop * kHouseNumberSize, kHouseNumberSize,
                          "text-anchor=\"middle\" fill=\"" + std::string(palette.muted) + "\"",
                          std::to_string(sign + 1));
        out += "</g>\n";
    }
}

// Each point in its box, titled with what it is.
void AppendDrekkanaPoints(std::string& out, const Chart& chart, const DrekkanaLayout& layout,
                          const PicturePalette& palette)
{
    for (const DrekkanaPoint& point : layout.points) {
        out += "<g id=\"point-";
        out += BodyName(point.body);
        out += "\"><title>";
        AppendXmlText(out, PointDescription(chart, point.body));
        out += "</title>\n";
        const double size = point.glyph.bottom - point.glyph.top;
        if (point.body == Body::Ascendant) {
            const double text = kAscendantEm * size;
            AppendTextElement(
                out, point.glyph.CentreX(), point.glyph.CentreY() + kBaselineDrop * text, text,
                "text-anchor=\"middle\" font-weight=\"bold\" fill=\"" + std::string(palette.accent) + "\"", "Asc");
        } else
            AppendTextElement(out, point.glyph.CentreX(), point.glyph.CentreY() + kBaselineDrop * size, size,
                              "text-anchor=\"middle\"", PointGlyph(point.body));
        out += "</g>\n";
    }
}

} // namespace

std::string DrekkanaChartSvg(const Chart& chart, DrekkanaStyle style, const PictureOptions& options)
{
    if (const std::string reason = DrekkanaUnavailable(chart); !reason.empty()) {
        // A scheme of faces has no drekkana chart: a picture that says so rather than one in another scheme.
        std::string out;
        AppendPictureStart(out, kSide, kSide / 4.0, "Drekkana chart (D3)", reason, PaletteFor(options.colours));
        const std::size_t comma = reason.find(", ");
        AppendTextElement(out, kSide / 2.0, kSide / 10.0, 2 * kSignLabelSize, "text-anchor=\"middle\"",
                          reason.substr(0, comma + 1));
        AppendTextElement(out, kSide / 2.0, kSide / 10.0 + 3 * kSignLabelSize, 2 * kSignLabelSize,
                          "text-anchor=\"middle\"", reason.substr(comma + 2));
        AppendPictureEnd(out);
        return out;
    }
    const std::vector<CaptionLine> caption = DrekkanaCaption(chart, options);
    const DrekkanaLayout layout = LayOutDrekkana(chart, style, caption);
    const PicturePalette& palette = PaletteFor(options.colours);
    const bool south = style == DrekkanaStyle::SouthIndian;
    const std::string_view form = south ? "South Indian" : "North Indian";
    const std::string& name = chart.Name();

    std::string title = "Drekkana chart (D3)";
    if (!name.empty())
        title += " of " + name;
    title += ", ";
    title += form;
    title += " form, ";
    title += chart.Zodiac().zodiac == Zodiac::Sidereal ? "sidereal" : "tropical";
    title += " zodiac";
    const int ascendant = AscendantSign(chart);
    std::string desc = "Each point stands in the sign of its decanate. The Ascendant's drekkana is ";
    desc += SignName(ascendant);
    desc += '.';
    for (const Body body : kPointOrder) {
        desc += '\n';
        desc += PointDescription(chart, body);
        desc += '.';
    }

    std::string out;
    out.reserve(std::size_t{32} * 1024);
    AppendPictureStart(out, layout.width, layout.height, title, desc, palette);
    const std::string cellStyle = FillAndStroke("none", palette.ink, "2");
    if (south)
        AppendSouthCells(out, layout, palette, ascendant, form, chart.Zodiac().zodiac == Zodiac::Sidereal);
    else
        AppendNorthCells(out, layout, palette);
    // The outline over the boxes' own edges.
    out += "<rect x=\"";
    AppendNumber(out, kMargin);
    out += "\" y=\"";
    AppendNumber(out, kMargin);
    out += "\" width=\"";
    AppendNumber(out, kSquare);
    out += "\" height=\"";
    AppendNumber(out, kSquare);
    out += "\" " + cellStyle + "/>\n";

    AppendDrekkanaPoints(out, chart, layout, palette);
    if (!caption.empty())
        AppendCaption(out, caption, kMargin, kSide);
    AppendPictureEnd(out);
    return out;
}

} // namespace tessaline
