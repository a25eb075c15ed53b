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
constexpr Size kAxisLettersBox{2 * kCapitalEm * kAxisLetterSize, kAxisLetterSize};
constexpr Size kAxisDegreesBox{(4 * kDigitEm + kDegreeSignEm + kPrimeEm) * kAxisDegreeSize, kAxisDegreeSize};
constexpr double kAxisLineGap = 3.0;

// A point's column: glyph, degrees and minutes stacked towards the centre, each inside a circle round
// its box, the circles apart. Two columns whose angles differ by at least `gap` cannot touch, whatever
// the direction: points at radii r1 <= r2 and angles d apart are at least 2 r1 sin(d/2) apart.
struct Column {
    double glyphRadius;
    double degreeRadius;
    double minuteRadius;
    double innerCircle;
    double gap; // degrees
};

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
        c.innerCircle = c.minuteRadius - minute - 4.0;
        const std::array<std::pair<double, double>, 3> parts{
            {{c.glyphRadius, glyph}, {c.degreeRadius, degree}, {c.minuteRadius, minute}}};
        for (const auto& [r1, rho1] : parts)
            for (const auto& [r2, rho2] : parts) {
                const double half = (rho1 + rho2 + kClearance) / (2.0 * std::min(r1, r2));
                c.gap = std::max(c.gap, 2.0 * std::asin(std::min(1.0, half)) / kDegree);
            }
        return c;
    }();
    return column;
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
// the sign ring: the box's nearest point to the centre lies kAxisLabelGap outside it.
double ClearingRadius(double angle, Size size) noexcept
{
    return kSignOuter + kAxisLabelGap + std::abs(std::cos(angle * kDegree)) * size.width / 2.0
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
    AppendCircle(out, PointColumn().innerCircle,
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

void AppendAxes(std::string& out, const Chart& chart, const WheelLayout& layout, const PicturePalette& palette)
{
    const double inner = PointColumn().innerCircle;
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
        for (const double end : {point.trueAngle, point.trueAngle + 180.0})
            AppendLine(out, OnWheel(kSignOuter, end), OnWheel(kSignOuter + kAxisLabelGap, end),
                       stroke + " stroke-width=\"3\"");
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

std::vector<CaptionLine> WheelCaption(const Chart& chart, const PictureOptions& options)
{
    if (!options.caption)
        return {};
    return CaptionLines(chart, chart.Name(), kSide - 2 * kCaptionMargin);
}

// The wheel's square, and the caption under it.
WheelLayout LayOutWheel(const Chart& chart, const std::vector<CaptionLine>& caption)
{
    WheelLayout layout;
    layout.width = kSide;
    layout.height = kSide + (caption.empty() ? 0.0 : CaptionHeight(caption) + kCaptionMargin / 2.0);
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

    // The four ends of the axes outside the ring, spread apart like the bodies should two come close
    // (at high latitudes the Midheaven can stand near the horizon).
    const Size big = kAxisLabelBox;
    std::array<double, kAxisEnds.size()> ends{};
    for (std::size_t end = 0; end < ends.size(); ++end)
        ends[end] = layout.points[ToIndex(kAxisEnds[end])].trueAngle + (end >= 2 ? 180.0 : 0.0);
    const double radius = kSignOuter + kAxisLabelGap + big.HalfDiagonal();
    const double axisGap = 2.0 * std::asin((2.0 * big.HalfDiagonal() + kClearance) / (2.0 * radius)) / kDegree;
    const std::vector<double> endsDrawn = SpreadAngles(ends, axisGap);
    for (std::size_t end = 0; end < 2; ++end) {
        WheelPoint& point = layout.points[ToIndex(kAxisEnds[end])];
        point.drawnAngle = endsDrawn[end];
        const Point2 centre = OnWheel(ClearingRadius(point.drawnAngle, big), point.drawnAngle);
        const double top = centre.y - big.height / 2.0;
        point.glyph = BoxAround({centre.x, top + kAxisLettersBox.height / 2.0}, kAxisLettersBox);
        point.degrees = BoxAround({centre.x, top + big.height - kAxisDegreesBox.height / 2.0}, kAxisDegreesBox);
        point.minutes = {};
        const double far = endsDrawn[end + 2];
        layout.farAxisEnds[end] = BoxAround(OnWheel(ClearingRadius(far, kAxisLettersBox), far), kAxisLettersBox);
    }
    return layout;
}

} // namespace

WheelLayout LayOutChartWheel(const Chart& chart, const PictureOptions& options)
{
    return LayOutWheel(chart, WheelCaption(chart, options));
}

double ChartWheelSmallestText() noexcept
{
    return std::min(kMinuteSize, kAxisDegreeSize) / kSide;
}

std::string ChartWheelSvg(const Chart& chart, const PictureOptions& options)
{
    const std::vector<CaptionLine> caption = WheelCaption(chart, options);
    const WheelLayout layout = LayOutWheel(chart, caption);
    const PicturePalette& palette = PaletteFor(options.colours);

    std::string title = "Chart wheel";
    if (!chart.Name().empty())
        title += " of " + chart.Name();
    title += ", ";
    title += chart.Zodiac().zodiac == Zodiac::Sidereal ? "sidereal" : "tropical";
    title += " zodiac";
    std::string desc = "The Ascendant at the left, the zodiac running counter-clockwise from it.";
    for (std::size_t i = 0; i < kBodyCount; ++i) {
        desc += '\n';
        desc += PointDescription(chart, static_cast<Body>(i));
        desc += '.';
    }

    std::string out;
    out.reserve(std::size_t{96} * 1024);
    AppendPictureStart(out, layout.width, layout.height, title, desc, palette);
    AppendSignRing(out, chart, layout, palette);
    if (chart.Mansions())
        AppendMansionRing(out, layout, palette);
    AppendTicks(out, layout, palette);
    AppendAxes(out, chart, layout, palette);

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
        // The leader turns from the true longitude to the glyph as it comes inwards, every leader by the
        // same share of its turn at the same radius, so that of two neighbours the one ahead stays ahead
        // at every radius: leaders never cross. It leaves the mark and meets the glyph straight on.
        double turn = point.drawnAngle - point.trueAngle;
        turn -= 360.0 * std::round(turn / 360.0);
        const int steps = std::max(1, static_cast<int>(std::ceil(std::abs(turn) / 2.0)));
        out += "<path d=\"";
        for (int s = 0; s <= steps; ++s) {
            const double f = static_cast<double>(s) / steps;
            const double share = f * f * (3.0 - 2.0 * f);
            AppendPoint(out, s == 0 ? 'M' : 'L',
                        OnWheel(kMarkInner + f * (kLeaderInner - kMarkInner), point.trueAngle + share * turn));
        }
        out += "\" ";
        out += leaderStroke;
        out += "/>\n";
        AppendCentredText(out, {point.glyph.CentreX(), point.glyph.CentreY()}, kGlyphSize, PointGlyph(body));
        AppendCentredText(out, {point.degrees.CentreX(), point.degrees.CentreY()}, kDegreeSize,
                          DegreesText(point.longitude, false));
        AppendCentredText(out, {point.minutes.CentreX(), point.minutes.CentreY()}, kMinuteSize,
                          MinutesText(point.longitude), Attribute("fill", palette.muted));
        out += "</g>\n";
    }
    if (!caption.empty())
        AppendCaption(out, caption, kCaptionMargin, kSide);
    AppendPictureEnd(out);
    return out;
}

} // namespace tessaline
