// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/ChartWheelSvg.h"

#include "chart/PositionText.h"
#include "decanates/DecanateTable.h"
#include "report/SvgDrawing.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <numeric>

namespace tessaline {

namespace {

constexpr double kDegree = std::numbers::pi / 180.0;

// The wheel's rings, in units of a 1000-unit square, from the outside in.
constexpr double kSide = 1000.0;
constexpr double kCentre = kSide / 2.0;
constexpr double kSignOuter = 440.0;
constexpr double kSignInner = 392.0;
constexpr double kDecanateInner = 344.0;
constexpr double kMansionInner = kDecanateInner - 5.0; // the lunar mansions' band, under the ticks
constexpr double kTickOne = 6.0; // tick lengths: every degree, every five, every ten
constexpr double kTickFive = 11.0;
constexpr double kTickTen = 16.0;
constexpr double kMarkOuter = kDecanateInner - kTickTen; // a body's mark at its true longitude
constexpr double kMarkInner = kMarkOuter - 10.0;
constexpr double kLeaderInner = kMarkInner - 24.0; // where the leader meets the glyph's column
constexpr double kAxisLabelGap = 8.0; // between the sign ring and the axes' letters
// An outer ring's band, from the sign ring outwards: a thin tick at the true longitude, then the leader.
constexpr double kOuterTickOuter = kSignOuter + 10.0;
constexpr double kOuterLeaderOuter = kOuterTickOuter + 20.0;

constexpr double kSignTextSize = 22.0;
constexpr double kDecanateGlyphSize = 22.0;
constexpr double kGlyphSize = 30.0;
constexpr double kDegreeSize = 18.0;
constexpr double kMinuteSize = 15.0;
constexpr double kAxisLetterSize = 20.0;
constexpr double kAxisDegreeSize = 15.0;

// Advances of DejaVu Sans in ems, rounded up: a digit, the degree sign, the prime, a capital letter.
// Glyphs of bodies and signs are no wider than an em.
constexpr double kDigitEm = 0.64;
constexpr double kDegreeSignEm = 0.5;
constexpr double kPrimeEm = 0.25;
constexpr double kRetrogradeEm = 0.9; // U+211E: 1836 of 2048 units
constexpr double kCapitalEm = 0.72;
// From the middle of a line of digits or glyphs down to its baseline, in ems.
constexpr double kBaselineDrop = 0.36;

// Room between the boxes of neighbouring points.
constexpr double kClearance = 3.0;

struct Size {
    double width;
    double height;
    double HalfDiagonal() const noexcept { return std::hypot(width, height) / 2.0; }
};

constexpr Size kGlyphBox{kGlyphSize, kGlyphSize};
constexpr Size kDegreeBox{(2 * kDigitEm + kDegreeSignEm) * kDegreeSize, kDegreeSize};
constexpr Size kMinuteBox{(2 * kDigitEm + kPrimeEm) * kMinuteSize, kMinuteSize};
constexpr Size kRetrogradeDegreeBox{(2 * kDigitEm + kDegreeSignEm + kRetrogradeEm) * kDegreeSize, kDegreeSize};
constexpr Size kAxisLettersBox{2 * kCapitalEm * kAxisLetterSize, kAxisLetterSize};
constexpr Size kAxisDegreesBox{(4 * kDigitEm + kDegreeSignEm + kPrimeEm) * kAxisDegreeSize, kAxisDegreeSize};
constexpr double kAxisLineGap = 3.0;

// A point's column: glyph, degrees and minutes stacked towards the centre (outwards for an outer ring),
// each inside a circle round its box, the circles apart. Two columns whose angles differ by at least `gap`
// cannot touch, whatever the direction: points at radii r1 <= r2 and angles d apart are at least
// 2 r1 sin(d/2) apart.
struct Column {
    double glyphRadius;
    double degreeRadius;
    double minuteRadius;
    double edgeCircle; // past the minutes: the circle inside the natal points, or round the outer ring
    double gap; // degrees
};

// The least angle between two columns whose parts (radius, radius of the circle round the box) never touch.
double ColumnGap(const std::array<std::pair<double, double>, 3>& parts) noexcept
{
    double gap = 0.0;
    for (const auto& [r1, rho1] : parts)
        for (const auto& [r2, rho2] : parts) {
            const double half = (rho1 + rho2 + kClearance) / (2.0 * std::min(r1, r2));
            gap = std::max(gap, 2.0 * std::asin(std::min(1.0, half)) / kDegree);
        }
    return gap;
}

const Column& PointColumn() noexcept
{
    static const Column column = [] {
        const double glyph = kGlyphBox.HalfDiagonal();
        const double degree = kDegreeBox.HalfDiagonal();
        const double minute = kMinuteBox.HalfDiagonal();
        Column c{};
        c.glyphRadius = kLeaderInner - glyph - 2.0;
        c.degreeRadius = c.glyphRadius - glyph - degree - 1.0;
        c.minuteRadius = c.degreeRadius - degree - minute - 1.0;
        c.edgeCircle = c.minuteRadius - minute - 4.0;
        c.gap = ColumnGap({{{c.glyphRadius, glyph}, {c.degreeRadius, degree}, {c.minuteRadius, minute}}});
        return c;
    }();
    return column;
}

// An outer point's column, its degrees as wide as they are with the retrograde mark beside them.
const Column& OuterColumn() noexcept
{
    static const Column column = [] {
        const double glyph = kGlyphBox.HalfDiagonal();
        const double degree = kRetrogradeDegreeBox.HalfDiagonal();
        const double minute = kMinuteBox.HalfDiagonal();
        Column c{};
        c.glyphRadius = kOuterLeaderOuter + glyph + 2.0;
        c.degreeRadius = c.glyphRadius + glyph + degree + 1.0;
        c.minuteRadius = c.degreeRadius + degree + minute + 1.0;
        c.edgeCircle = c.minuteRadius + minute + 4.0;
        c.gap = ColumnGap({{{c.glyphRadius, glyph}, {c.degreeRadius, degree}, {c.minuteRadius, minute}}});
        return c;
    }();
    return column;
}

// How far an outer ring moves the natal wheel's centre right and down: the band's width, in whole units
// so that the drawing's shift and the layout's agree exactly.
double OuterShift(bool outerRing) noexcept
{
    return outerRing ? std::ceil(OuterColumn().edgeCircle - kSignOuter) : 0.0;
}

// The circle just outside which the axes' letters stand: the sign ring's, or the outer ring's.
double LabelRing(bool outerRing) noexcept
{
    return outerRing ? kSignOuter + OuterShift(true) : kSignOuter;
}

// The Ascendant's and the Midheaven's labels: their letters over their degrees and minutes.
constexpr Size kAxisLabelBox{std::max(kAxisLettersBox.width, kAxisDegreesBox.width),
                             kAxisLettersBox.height + kAxisLineGap + kAxisDegreesBox.height};

struct Point2 {
    double x;
    double y;
};

Point2 OnWheel(double radius, double angle) noexcept
{
    return {kCentre + radius * std::cos(angle * kDegree), kCentre - radius * std::sin(angle * kDegree)};
}

PictureBox BoxAround(Point2 centre, Size size) noexcept
{
    return {centre.x - size.width / 2.0, centre.y - size.height / 2.0, centre.x + size.width / 2.0,
            centre.y + size.height / 2.0};
}

// The ring points in the order they are drawn: the ten bodies and the nodes.
constexpr std::array<Body, 12> kRingPoints{
    Body::Sun,    Body::Moon,   Body::Mercury, Body::Venus, Body::Mars, Body::Jupiter,
    Body::Saturn, Body::Uranus, Body::Neptune, Body::Pluto, Body::Rahu, Body::Ketu,
};
constexpr std::array<Body, 4> kAxisEnds{Body::Ascendant, Body::Midheaven, Body::Ascendant, Body::Midheaven};

// The distance from the centre at which an upright box of this size, in this direction, just clears
// the ring of this radius: the box's nearest point to the centre lies kAxisLabelGap outside it.
double ClearingRadius(double angle, Size size, double ring) noexcept
{
    return ring + kAxisLabelGap + std::abs(std::cos(angle * kDegree)) * size.width / 2.0
        + std::abs(std::sin(angle * kDegree)) * size.height / 2.0;
}

void AppendPoint(std::string& out, char command, Point2 p)
{
    AppendCoordinates(out, command, p.x, p.y);
}

// A short arc of the wheel's circle of this radius, clockwise on the page or not.
void AppendArc(std::string& out, double radius, bool clockwise, Point2 to)
{
    out += 'A';
    AppendNumber(out, radius);
    out += ' ';
    AppendNumber(out, radius);
    out += clockwise ? " 0 0 1" : " 0 0 0";
    AppendCoordinates(out, ' ', to.x, to.y);
}

void AppendLine(std::string& out, Point2 from, Point2 to, std::string_view attributes)
{
    out += "<path d=\"";
    AppendPoint(out, 'M', from);
    AppendPoint(out, 'L', to);
    out += "\" ";
    out += attributes;
    out += "/>\n";
}

void AppendCircle(std::string& out, double radius, std::string_view attributes)
{
    out += "<circle cx=\"";
    AppendNumber(out, kCentre);
    out += "\" cy=\"";
    AppendNumber(out, kCentre);
    out += "\" r=\"";
    AppendNumber(out, radius);
    out += "\" ";
    out += attributes;
    out += "/>\n";
}

std::string Attribute(std::string_view name, std::string_view value)
{
    std::string text(name);
    text += "=\"";
    text += value;
    text += '"';
    return text;
}

// An upright text centred on a point of the wheel.
void AppendCentredText(std::string& out, Point2 at, double size, std::string_view text,
                       std::string_view attributes = {})
{
    std::string all = "text-anchor=\"middle\"";
    if (!attributes.empty()) {
        all += ' ';
        all += attributes;
    }
    AppendTextElement(out, at.x, at.y + kBaselineDrop * size, size, all, text);
}

void AppendSignRing(std::string& out, const Chart& chart, const WheelLayout& layout, const PicturePalette& palette)
{
    AppendCircle(out, kSignOuter,
                 Attribute("fill", palette.signRing) + " " + Attribute("stroke", palette.ink)
                     + " stroke-width=\"1.5\"");
    // The three decanates of each sign, each named for a reader that cannot see it.
    for (int sign = 0; sign < static_cast<int>(kSignCount); ++sign)
        for (int decanate = 1; decanate <= 3; ++decanate) {
            const double from = layout.ariesAngle + 30.0 * sign + 10.0 * (decanate - 1);
            const double to = from + 10.0;
            const LongitudeDecanate cell = DecanateCellOf(30.0 * sign + 10.0 * (decanate - 1), chart.Scheme());
            const bool face = cell.decanateSign < 0; // a face, named and drawn by its planet
            out += "<g id=\"decanate-";
            out += SignCodeText(sign);
            out += '-';
            out += static_cast<char>('0' + decanate);
            out += "\"><title>";
            out += SignName(sign);
            out += ' ';
            out += std::to_string(10 * (decanate - 1));
            out += "\u00B0\u2013";
            out += std::to_string(10 * decanate);
            out += "\u00B0, ";
            out += DecanateOrdinal(decanate);
            out += face ? " decanate, ruled by " : " decanate: ";
            out += face ? std::string_view(BodyName(cell.ruler)) : SignName(cell.decanateSign);
            out += "</title>\n<path d=\"";
            // Counter-clockwise on the page along the outside (sweep 0), back clockwise along the inside.
            AppendPoint(out, 'M', OnWheel(kSignInner, from));
            AppendArc(out, kSignInner, false, OnWheel(kSignInner, to));
            AppendPoint(out, 'L', OnWheel(kDecanateInner, to));
            AppendArc(out, kDecanateInner, true, OnWheel(kDecanateInner, from));
            out += "Z\" ";
            out += Attribute("fill", ElementTint(palette, face ? sign : cell.decanateSign));
            out += ' ';
            out += Attribute("stroke", palette.muted);
            out += " stroke-width=\"0.75\"/>\n";
            AppendCentredText(out, OnWheel((kSignInner + kDecanateInner) / 2.0, from + 5.0), kDecanateGlyphSize,
                              face ? PointGlyph(cell.ruler) : SignGlyph(cell.decanateSign));
            out += "</g>\n";
        }
    AppendCircle(out, kDecanateInner,
                 Attribute("fill", palette.paper) + " " + Attribute("stroke", palette.ink) + " stroke-width=\"1.2\"");

    // The signs' edges across both rings.
    out += "<path d=\"";
    for (int sign = 0; sign < static_cast<int>(kSignCount); ++sign) {
        const double edge = layout.ariesAngle + 30.0 * sign;
        AppendPoint(out, 'M', OnWheel(kDecanateInner, edge));
        AppendPoint(out, 'L', OnWheel(kSignOuter, edge));
    }
    out += "\" fill=\"none\" " + Attribute("stroke", palette.ink) + " stroke-width=\"1.5\"/>\n";
    // Each sign's glyph and code along its arc, turned to read from outside in the upper half and from
    // inside in the lower half, so that no text stands on its head.
    for (int sign = 0; sign < static_cast<int>(kSignCount); ++sign) {
        const double middle = NormalisedDegrees(layout.ariesAngle + 30.0 * sign + 15.0);
        const Point2 at = OnWheel((kSignOuter + kSignInner) / 2.0, middle);
        double turn = 90.0 - middle;
        if (std::sin(middle * kDegree) < 0.0)
            turn += 180.0;
        std::string attributes = "text-anchor=\"middle\" transform=\"rotate(";
        AppendNumber(attributes, turn);
        attributes += ' ';
        AppendNumber(attributes, at.x);
        attributes += ' ';
        AppendNumber(attributes, at.y);
        attributes += ")\"";
        std::string text(SignGlyph(sign));
        text += ' ';
        text += SignCodeText(sign);
        AppendTextElement(out, at.x, at.y + kBaselineDrop * kSignTextSize, kSignTextSize, attributes, text);
    }
}

// The 27 lunar mansions as a thin band just inside the decanate ring, under the degree ticks, each named for
// a reader that cannot see it: too narrow for words, the band shows where each begins.
void AppendMansionRing(std::string& out, const WheelLayout& layout, const PicturePalette& palette)
{
    constexpr double kSpan = 360.0 / kMansionCount;
    for (int mansion = 0; mansion < kMansionCount; ++mansion) {
        const double from = layout.ariesAngle + kSpan * mansion;
        const double to = from + kSpan;
        out += "<g id=\"mansion-";
        out += std::to_string(mansion + 1);
        out += "\"><title>";
        out += MansionName(mansion);
        out += ", lord ";
        out += BodyName(MansionLord(mansion));
        out += ", from ";
        out += FormatPositionEntry(kSpan * mansion);
        out += "</title>\n<path d=\"";
        AppendPoint(out, 'M', OnWheel(kDecanateInner, from));
        AppendArc(out, kDecanateInner, false, OnWheel(kDecanateInner, to));
        AppendPoint(out, 'L', OnWheel(kMansionInner, to));
        AppendArc(out, kMansionInner, true, OnWheel(kMansionInner, from));
        out += "Z\" ";
        out += Attribute("fill", mansion % 2 == 0 ? palette.signRing : palette.paper);
        out += ' ';
        out += Attribute("stroke", palette.accent);
        out += " stroke-width=\"1\"/>\n</g>\n";
    }
}

// The cosine and sine of every whole degree, worked out once.
const std::array<std::pair<double, double>, 360>& WholeDegrees() noexcept
{
    static const std::array<std::pair<double, double>, 360> table = [] {
        std::array<std::pair<double, double>, 360> result{};
        for (std::size_t d = 0; d < result.size(); ++d)
            result[d] = {std::cos(static_cast<double>(d) * kDegree), std::sin(static_cast<double>(d) * kDegree)};
        return result;
    }();
    return table;
}

void AppendTicks(std::string& out, const WheelLayout& layout, const PicturePalette& palette)
{
    out += "<path d=\"";
    // Each degree's direction turned by the angle of 0° Aries, without a sine and cosine for each.
    const double cosAries = std::cos(layout.ariesAngle * kDegree);
    const double sinAries = std::sin(layout.ariesAngle * kDegree);
    const auto& degrees = WholeDegrees();
    for (std::size_t degree = 0; degree < degrees.size(); ++degree) {
        const double length = degree % 10 == 0 ? kTickTen : degree % 5 == 0 ? kTickFive : kTickOne;
        const double c = cosAries * degrees[degree].first - sinAries * degrees[degree].second;
        const double s = sinAries * degrees[degree].first + cosAries * degrees[degree].second;
        AppendCoordinates(out, 'M', kCentre + kDecanateInner * c, kCentre - kDecanateInner * s);
        AppendCoordinates(out, 'L', kCentre + (kDecanateInner - length) * c, kCentre - (kDecanateInner - length) * s);
    }
    out += "\" fill=\"none\" " + Attribute("stroke", palette.muted) + " stroke-width=\"1\"/>\n";
    AppendCircle(out, PointColumn().edgeCircle,
                 Attribute("fill", "none") + " " + Attribute("stroke", palette.muted) + " stroke-width=\"1\"");
}

// "04′".
std::string MinutesText(double longitude)
{
    const ZodiacFields fields = SplitZodiacPosition(longitude);
    std::string text(2, '0');
    text[0] = static_cast<char>('0' + fields.minutes / 10);
    text[1] = static_cast<char>('0' + fields.minutes % 10);
    return text + "\u2032";
}

// "9°" or, for the angles, "9°04′": truncated like every position.
std::string DegreesText(double longitude, bool withMinutes)
{
    const ZodiacFields fields = SplitZodiacPosition(longitude);
    std::string text = std::to_string(fields.degrees) + "\u00B0";
    if (withMinutes)
        text += MinutesText(longitude);
    return text;
}

void AppendAxes(std::string& out, const Chart& chart, const WheelLayout& layout, const PicturePalette& palette,
                double labelRing)
{
    const double inner = PointColumn().edgeCircle;
    const std::string stroke = Attribute("stroke", palette.accent) + " fill=\"none\"";
    const std::string letters = "text-anchor=\"middle\" font-weight=\"bold\" " + Attribute("fill", palette.accent);
    const auto appendLetters = [&](const PictureBox& box, std::string_view text) {
        AppendTextElement(out, box.CentreX(), box.bottom - 0.2 * kAxisLetterSize, kAxisLetterSize, letters, text);
    };
    for (const Body body : {Body::Ascendant, Body::Midheaven}) {
        const WheelPoint& point = layout.points[ToIndex(body)];
        const bool ascendant = body == Body::Ascendant;
        out += "<g id=\"point-";
        out += BodyName(body);
        out += "\"><title>";
        AppendXmlText(out, PointDescription(chart, body));
        out += "</title>\n";
        AppendLine(out, OnWheel(inner, point.trueAngle), OnWheel(inner, point.trueAngle + 180.0),
                   stroke + " stroke-width=\"2.5\"");
        for (const double end : {point.trueAngle, point.trueAngle + 180.0}) {
            AppendLine(out, OnWheel(kSignOuter, end), OnWheel(kSignOuter + kAxisLabelGap, end),
                       stroke + " stroke-width=\"3\"");
            if (labelRing > kSignOuter) // the letters stand past an outer ring: a tick under them too
                AppendLine(out, OnWheel(labelRing, end), OnWheel(labelRing + kAxisLabelGap, end),
                           stroke + " stroke-width=\"3\"");
        }
        appendLetters(point.glyph, ascendant ? "AC" : "MC");
        AppendTextElement(out, point.degrees.CentreX(), point.degrees.bottom - 0.2 * kAxisDegreeSize, kAxisDegreeSize,
                          "text-anchor=\"middle\"", DegreesText(point.longitude, true));
        appendLetters(layout.farAxisEnds[ascendant ? 0 : 1], ascendant ? "DC" : "IC");
        out += "</g>\n";
    }
}

} // namespace

double WheelAngle(double longitude, double ascendant) noexcept
{
    return NormalisedDegrees(180.0 + NormalisedDegrees(longitude) - NormalisedDegrees(ascendant));
}

std::vector<double> SpreadAngles(std::span<const double> angles, double minimumGap)
{
    const std::size_t n = angles.size();
    std::vector<double> drawn(n);
    if (n == 0)
        return drawn;
    const double gap = std::min(std::max(minimumGap, 0.0), 360.0 / static_cast<double>(n));

    // Points in order around the circle; ties keep their input order.
    std::vector<std::size_t> order(n);
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::vector<double> at(n);
    for (std::size_t i = 0; i < n; ++i)
        at[i] = NormalisedDegrees(angles[i]);
    std::stable_sort(order.begin(), order.end(), [&at](std::size_t a, std::size_t b) { return at[a] < at[b]; });

    // Runs of neighbours drawn exactly `gap` apart, centred on where they lie. A run may reach across
    // 0°: its angles are then counted on past 360.
    struct Run {
        std::size_t first; // position in `order`
        std::size_t count;
        double start; // drawn angle of its first point
    };
    const auto trueAngle = [&](std::size_t position) { // unwrapped past the end of the order
        return at[order[position % n]] + (position >= n ? 360.0 : 0.0);
    };
    const auto place = [&](Run& run) {
        double sum = 0.0;
        for (std::size_t j = 0; j < run.count; ++j)
            sum += trueAngle(run.first + j) - static_cast<double>(j) * gap;
        run.start = sum / static_cast<double>(run.count);
    };
    // How far the run's j-th point is drawn from where it lies.
    const auto shift = [&](const Run& run, std::size_t j) {
        return run.start + static_cast<double>(j) * gap - trueAngle(run.first + j);
    };

    std::vector<Run> runs;
    runs.reserve(n);
    for (std::size_t p = 0; p < n; ++p)
        runs.push_back({p, 1, at[order[p]]});
    constexpr double kSlack = 1e-9;
    bool merged = true;
    while (merged && runs.size() > 1) {
        merged = false;
        for (std::size_t r = 0; r < runs.size(); ++r) {
            const std::size_t next = (r + 1) % runs.size();
            const Run& a = runs[r];
            const Run& b = runs[next];
            const std::size_t last = (a.first + a.count - 1) % n;
            // Forward from a's last point to b's first, as they lie and as they are drawn.
            const double lying
                = b.first > last ? at[order[b.first]] - at[order[last]] : at[order[b.first]] + 360.0 - at[order[last]];
            const double drawnGap = lying + shift(b, 0) - shift(a, a.count - 1);
            if (drawnGap >= gap - kSlack)
                continue;
            Run joined{a.first, a.count + b.count, 0.0};
            place(joined);
            if (next == 0) { // the last run reaches round to the first
                runs.back() = joined;
                runs.erase(runs.begin());
            } else {
                runs[r] = joined;
                runs.erase(runs.begin() + static_cast<std::ptrdiff_t>(next));
            }
            merged = true;
            break;
        }
    }
    for (const Run& run : runs)
        for (std::size_t j = 0; j < run.count; ++j)
            drawn[order[(run.first + j) % n]] = NormalisedDegrees(run.start + static_cast<double>(j) * gap);
    return drawn;
}

namespace {

constexpr double kCaptionMargin = 30.0;

std::vector<CaptionLine> WheelCaption(const Chart& chart, const PictureOptions& options, const OuterRing* outer)
{
    if (!options.caption)
        return {};
    const double width = kSide + 2.0 * OuterShift(outer != nullptr) - 2 * kCaptionMargin;
    std::vector<CaptionLine> lines = CaptionLines(chart, chart.Name(), width);
    if (outer != nullptr && !outer->title.empty())
        AddCaptionHeading(lines, outer->title, width);
    return lines;
}

// The glyph, degrees and minutes of each ring point, spread apart where they crowd.
void LayOutRingPoints(WheelLayout& layout)
{
    const Column& column = PointColumn();
    std::array<double, kRingPoints.size()> ringAngles{};
    for (std::size_t k = 0; k < kRingPoints.size(); ++k)
        ringAngles[k] = layout.points[ToIndex(kRingPoints[k])].trueAngle;
    const std::vector<double> ringDrawn = SpreadAngles(ringAngles, column.gap);
    for (std::size_t k = 0; k < kRingPoints.size(); ++k) {
        WheelPoint& point = layout.points[ToIndex(kRingPoints[k])];
        point.drawnAngle = ringDrawn[k];
        point.glyph = BoxAround(OnWheel(column.glyphRadius, point.drawnAngle), kGlyphBox);
        point.degrees = BoxAround(OnWheel(column.degreeRadius, point.drawnAngle), kDegreeBox);
        point.minutes = BoxAround(OnWheel(column.minuteRadius, point.drawnAngle), kMinuteBox);
    }
}

// The four ends of the axes outside the ring of this radius, spread apart like the bodies should two come
// close (at high latitudes the Midheaven can stand near the horizon).
void LayOutAxisLabels(WheelLayout& layout, double ring)
{
    const Size big = kAxisLabelBox;
    std::array<double, kAxisEnds.size()> ends{};
    for (std::size_t end = 0; end < ends.size(); ++end)
        ends[end] = layout.points[ToIndex(kAxisEnds[end])].trueAngle + (end >= 2 ? 180.0 : 0.0);
    const double radius = ring + kAxisLabelGap + big.HalfDiagonal();
    const double axisGap = 2.0 * std::asin((2.0 * big.HalfDiagonal() + kClearance) / (2.0 * radius)) / kDegree;
    const std::vector<double> endsDrawn = SpreadAngles(ends, axisGap);
    for (std::size_t end = 0; end < 2; ++end) {
        WheelPoint& point = layout.points[ToIndex(kAxisEnds[end])];
        point.drawnAngle = endsDrawn[end];
        const Point2 centre = OnWheel(ClearingRadius(point.drawnAngle, big, ring), point.drawnAngle);
        const double top = centre.y - big.height / 2.0;
        point.glyph = BoxAround({centre.x, top + kAxisLettersBox.height / 2.0}, kAxisLettersBox);
        point.degrees = BoxAround({centre.x, top + big.height - kAxisDegreesBox.height / 2.0}, kAxisDegreesBox);
        point.minutes = {};
        const double far = endsDrawn[end + 2];
        layout.farAxisEnds[end] = BoxAround(OnWheel(ClearingRadius(far, kAxisLettersBox, ring), far), kAxisLettersBox);
    }
}

// The outer ring's points in its order, at the natal chart's angles, spread apart in their own band.
void LayOutOuterPoints(WheelLayout& layout, const OuterRing& outer)
{
    const double ascendant = layout.points[ToIndex(Body::Ascendant)].longitude;
    const Column& column = OuterColumn();
    std::vector<double> angles(outer.points.size());
    layout.outer.resize(outer.points.size());
    for (std::size_t k = 0; k < outer.points.size(); ++k) {
        WheelPoint& point = layout.outer[k];
        point.body = outer.points[k].body;
        point.longitude = NormalisedDegrees(outer.points[k].longitude);
        point.trueAngle = WheelAngle(point.longitude, ascendant);
        angles[k] = point.trueAngle;
    }
    const std::vector<double> drawn = SpreadAngles(angles, column.gap);
    for (std::size_t k = 0; k < outer.points.size(); ++k) {
        WheelPoint& point = layout.outer[k];
        point.drawnAngle = drawn[k];
        point.glyph = BoxAround(OnWheel(column.glyphRadius, point.drawnAngle), kGlyphBox);
        point.degrees = BoxAround(OnWheel(column.degreeRadius, point.drawnAngle),
                                  outer.points[k].retrograde ? kRetrogradeDegreeBox : kDegreeBox);
        point.minutes = BoxAround(OnWheel(column.minuteRadius, point.drawnAngle), kMinuteBox);
    }
}

// The wheel in its own frame, centred at (kCentre, kCentre) whatever the picture's size; with an outer
// ring the picture is larger and its drawing moved by OuterShift.
WheelLayout LayOutWheel(const Chart& chart, const std::vector<CaptionLine>& caption, const OuterRing* outer)
{
    WheelLayout layout;
    layout.width = kSide + 2.0 * OuterShift(outer != nullptr);
    layout.height = layout.width + (caption.empty() ? 0.0 : CaptionHeight(caption) + kCaptionMargin / 2.0);
    layout.centreX = kCentre;
    layout.centreY = kCentre;
    const double ascendant = NormalisedDegrees(chart.Longitude(Body::Ascendant));
    layout.ariesAngle = WheelAngle(0.0, ascendant);
    for (std::size_t i = 0; i < kBodyCount; ++i) {
        WheelPoint& point = layout.points[i];
        point.body = static_cast<Body>(i);
        point.longitude = NormalisedDegrees(chart.Longitudes()[i]);
        point.trueAngle = WheelAngle(point.longitude, ascendant);
        point.drawnAngle = point.trueAngle;
    }
    LayOutRingPoints(layout);
    LayOutAxisLabels(layout, LabelRing(outer != nullptr));
    if (outer != nullptr)
        LayOutOuterPoints(layout, *outer);
    return layout;
}

void Shift(PictureBox& box, double by) noexcept
{
    box = {box.left + by, box.top + by, box.right + by, box.bottom + by};
}

// The layout in the picture's units: its frame moved as the drawing is.
WheelLayout InPicture(WheelLayout layout) noexcept
{
    const double by = (layout.width - kSide) / 2.0;
    layout.centreX += by;
    layout.centreY += by;
    for (WheelPoint& point : layout.points)
        for (PictureBox* box : {&point.glyph, &point.degrees, &point.minutes})
            Shift(*box, by);
    for (WheelPoint& point : layout.outer)
        for (PictureBox* box : {&point.glyph, &point.degrees, &point.minutes})
            Shift(*box, by);
    for (PictureBox& box : layout.farAxisEnds)
        Shift(box, by);
    return layout;
}

// The leader turns from the true longitude to the glyph between the two radii, every leader by the same
// share of its turn at the same radius, so that of two neighbours the one ahead stays ahead at every
// radius: leaders never cross. It leaves the mark and meets the glyph straight on.
void AppendLeader(std::string& out, double from, double to, const WheelPoint& point, std::string_view stroke)
{
    double turn = point.drawnAngle - point.trueAngle;
    turn -= 360.0 * std::round(turn / 360.0);
    const int steps = std::max(1, static_cast<int>(std::ceil(std::abs(turn) / 2.0)));
    out += "<path d=\"";
    for (int s = 0; s <= steps; ++s) {
        const double f = static_cast<double>(s) / steps;
        const double share = f * f * (3.0 - 2.0 * f);
        AppendPoint(out, s == 0 ? 'M' : 'L', OnWheel(from + f * (to - from), point.trueAngle + share * turn));
    }
    out += "\" ";
    out += stroke;
    out += "/>\n";
}

void AppendRingPoints(std::string& out, const Chart& chart, const WheelLayout& layout, const PicturePalette& palette)
{
    const std::string markStroke = Attribute("stroke", palette.ink) + " stroke-width=\"2.5\" fill=\"none\"";
    const std::string leaderStroke = Attribute("stroke", palette.muted) + " stroke-width=\"1\" fill=\"none\"";
    for (const Body body : kRingPoints) {
        const WheelPoint& point = layout.points[ToIndex(body)];
        out += "<g id=\"point-";
        out += BodyName(body);
        out += "\"><title>";
        AppendXmlText(out, PointDescription(chart, body));
        out += "</title>\n";
        AppendLine(out, OnWheel(kMarkOuter, point.trueAngle), OnWheel(kMarkInner, point.trueAngle), markStroke);
        AppendLeader(out, kMarkInner, kLeaderInner, point, leaderStroke);
        AppendCentredText(out, {point.glyph.CentreX(), point.glyph.CentreY()}, kGlyphSize, PointGlyph(body));
        AppendCentredText(out, {point.degrees.CentreX(), point.degrees.CentreY()}, kDegreeSize,
                          DegreesText(point.longitude, false));
        AppendCentredText(out, {point.minutes.CentreX(), point.minutes.CentreY()}, kMinuteSize,
                          MinutesText(point.longitude), Attribute("fill", palette.muted));
        out += "</g>\n";
    }
}

// What the ring is called where it has no title of its own.
std::string_view RingTitle(const OuterRing& outer) noexcept
{
    return outer.title.empty() ? std::string_view("The outer ring") : std::string_view(outer.title);
}

std::string OuterPointDescription(const Chart& chart, const OuterPoint& point)
{
    return PositionDescription(chart, BodyName(point.body), NormalisedDegrees(point.longitude), point.retrograde);
}

// "outer-Saturn", and for a body the ring holds more than once "outer-Saturn-2" from its second on, so
// that every id stays unique.
std::string OuterId(Body body, std::array<int, kBodyCount>& seen)
{
    std::string id = "outer-";
    id += BodyName(body);
    const std::size_t i = ToIndex(body);
    if (i < seen.size() && ++seen[i] > 1)
        id += '-' + std::to_string(seen[i]);
    return id;
}

void AppendOuterRing(std::string& out, const Chart& chart, const OuterRing& outer, const WheelLayout& layout,
                     const PicturePalette& palette)
{
    const std::string ink = Attribute("fill", palette.outer);
    const std::string tick = Attribute("stroke", palette.outer) + " stroke-width=\"1.5\" fill=\"none\"";
    const std::string leader = Attribute("stroke", palette.outer) + " stroke-width=\"0.75\" fill=\"none\"";
    AppendCircle(out, OuterColumn().edgeCircle,
                 "fill=\"none\" " + Attribute("stroke", palette.muted) + " stroke-width=\"1\"");
    std::array<int, kBodyCount> seen{};
    for (std::size_t k = 0; k < outer.points.size(); ++k) {
        const OuterPoint& given = outer.points[k];
        const WheelPoint& point = layout.outer[k];
        out += "<g id=\"";
        out += OuterId(given.body, seen);
        out += "\" ";
        out += ink;
        out += "><title>";
        AppendXmlText(out, std::string(RingTitle(outer)) + ": " + OuterPointDescription(chart, given));
        out += "</title>\n";
        AppendLine(out, OnWheel(kSignOuter, point.trueAngle), OnWheel(kOuterTickOuter, point.trueAngle), tick);
        AppendLeader(out, kOuterTickOuter, kOuterLeaderOuter, point, leader);
        // The angles' letters in the glyph's box: two capitals at the axes' own size.
        const bool letters = given.body == Body::Ascendant || given.body == Body::Midheaven;
        AppendCentredText(out, {point.glyph.CentreX(), point.glyph.CentreY()}, letters ? kAxisLetterSize : kGlyphSize,
                          PointGlyph(given.body));
        AppendCentredText(out, {point.degrees.CentreX(), point.degrees.CentreY()}, kDegreeSize,
                          DegreesText(point.longitude, false) + (given.retrograde ? "\u211E" : ""));
        AppendCentredText(out, {point.minutes.CentreX(), point.minutes.CentreY()}, kMinuteSize,
                          MinutesText(point.longitude));
        out += "</g>\n";
    }
}

std::string WheelTitle(const Chart& chart, const OuterRing* outer)
{
    std::string title = "Chart wheel";
    if (!chart.Name().empty())
        title += " of " + chart.Name();
    title += ", ";
    title += chart.Zodiac().zodiac == Zodiac::Sidereal ? "sidereal" : "tropical";
    title += " zodiac";
    if (outer != nullptr) {
        title += "; around it: ";
        title += RingTitle(*outer);
    }
    return title;
}

std::string WheelDescription(const Chart& chart, const OuterRing* outer)
{
    std::string desc = "The Ascendant at the left, the zodiac running counter-clockwise from it.";
    for (std::size_t i = 0; i < kBodyCount; ++i) {
        desc += '\n';
        desc += PointDescription(chart, static_cast<Body>(i));
        desc += '.';
    }
    if (outer == nullptr)
        return desc;
    desc += "\nAround the wheel: ";
    desc += RingTitle(*outer);
    desc += outer->points.empty() ? ", no points." : ".";
    for (const OuterPoint& point : outer->points) {
        desc += '\n';
        desc += OuterPointDescription(chart, point);
        desc += '.';
    }
    return desc;
}

std::string DrawWheel(const Chart& chart, const OuterRing* outer, const PictureOptions& options)
{
    const std::vector<CaptionLine> caption = WheelCaption(chart, options, outer);
    const WheelLayout layout = LayOutWheel(chart, caption, outer);
    const PicturePalette& palette = PaletteFor(options.colours);

    std::string out;
    out.reserve(std::size_t{96} * 1024);
    AppendPictureStart(out, layout.width, layout.height, WheelTitle(chart, outer), WheelDescription(chart, outer),
                       palette);
    if (outer != nullptr) { // the natal wheel in its own frame, moved to the middle of the larger picture
        out += "<g transform=\"translate(";
        AppendNumber(out, OuterShift(true));
        out += ' ';
        AppendNumber(out, OuterShift(true));
        out += ")\">\n";
    }
    AppendSignRing(out, chart, layout, palette);
    if (chart.Mansions())
        AppendMansionRing(out, layout, palette);
    AppendTicks(out, layout, palette);
    AppendAxes(out, chart, layout, palette, LabelRing(outer != nullptr));
    AppendRingPoints(out, chart, layout, palette);
    if (outer != nullptr) {
        AppendOuterRing(out, chart, *outer, layout, palette);
        out += "</g>\n";
    }
    if (!caption.empty())
        AppendCaption(out, caption, kCaptionMargin, layout.width);
    AppendPictureEnd(out);
    return out;
}

} // namespace

WheelLayout LayOutChartWheel(const Chart& chart, const PictureOptions& options)
{
    return LayOutWheel(chart, WheelCaption(chart, options, nullptr), nullptr);
}

WheelLayout LayOutChartWheel(const Chart& chart, const OuterRing& outer, const PictureOptions& options)
{
    return InPicture(LayOutWheel(chart, WheelCaption(chart, options, &outer), &outer));
}

OuterRing ChartRing(const Chart& other)
{
    OuterRing ring;
    ring.title = other.Name().empty() ? std::string("The other chart") : "The chart of " + other.Name();
    for (std::size_t i = 0; i < kBodyCount; ++i) {
        const auto body = static_cast<Body>(i);
        ring.points.push_back({body, other.Longitude(body), false});
    }
    return ring;
}

std::string OuterRingDescription(const Chart& chart, const OuterRing& outer)
{
    std::string said = "Outer ring, ";
    said += RingTitle(outer);
    said += ':';
    for (std::size_t k = 0; k < outer.points.size(); ++k) {
        said += k == 0 ? " " : "; ";
        said += OuterPointDescription(chart, outer.points[k]);
    }
    said += outer.points.empty() ? " no points." : ".";
    return said;
}

double ChartWheelSmallestText() noexcept
{
    return std::min(kMinuteSize, kAxisDegreeSize) / kSide;
}

double ChartWheelSmallestText(const WheelLayout& layout) noexcept
{
    return layout.width > 0.0 ? std::min(kMinuteSize, kAxisDegreeSize) / layout.width : 0.0;
}

std::string ChartWheelSvg(const Chart& chart, const PictureOptions& options)
{
    return DrawWheel(chart, nullptr, options);
}

std::string ChartWheelSvg(const Chart& chart, const OuterRing& outer, const PictureOptions& options)
{
    return DrawWheel(chart, &outer, options);
}

} // namespace tessaline
