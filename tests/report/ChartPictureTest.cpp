// SPDX-License-Identifier: GPL-3.0-or-later
#include "decanates/CalculationDriver.h"
#include "report/ChartWheelSvg.h"
#include "report/DrekkanaChartSvg.h"
#include "report/Reading.h"
#include "report/SvgDrawing.h"
#include "tests/support/Births.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <gtest/gtest.h>
#include <numbers>
#include <string>
#include <string_view>
#include <vector>

namespace tessaline {
namespace {

constexpr double kTolerance = 1e-6; // degrees
constexpr std::array<const char*, 12> kSigns{"Aries", "Taurus",  "Gemini",      "Cancer",    "Leo",      "Virgo",
                                             "Libra", "Scorpio", "Sagittarius", "Capricorn", "Aquarius", "Pisces"};
constexpr std::array<Body, 12> kRing{Body::Sun,    Body::Moon,   Body::Mercury, Body::Venus, Body::Mars, Body::Jupiter,
                                     Body::Saturn, Body::Uranus, Body::Neptune, Body::Pluto, Body::Rahu, Body::Ketu};

int SignNamed(const std::string& name)
{
    return static_cast<int>(std::find(kSigns.begin(), kSigns.end(), name) - kSigns.begin());
}

// Degrees counter-clockwise from three o'clock of a point of the picture, seen from (cx, cy); y grows downwards.
double DirectionOf(double x, double y, double cx, double cy)
{
    const double angle = std::atan2(cy - y, x - cx) * 180.0 / std::numbers::pi;
    return angle < 0.0 ? angle + 360.0 : angle;
}

// The Ascendant stands at nine o'clock and the zodiac runs counter-clockwise, so a point stands at
// 180° + (longitude - Ascendant), and 0° of the chart's own zodiac at 180° - Ascendant. A sidereal chart's
// longitudes already have the ayanamsa taken off: the wheel must not take it off again.
struct AngleCase {
    const char* label;
    Zodiac zodiac;
    double ayanamsa;
    double ascendant;
    double longitude;
    double angle;
    double ariesAngle;
};

class WheelAngleTest : public testing::TestWithParam<AngleCase>
{
};

TEST_P(WheelAngleTest, PutsThePointWhereItsLongitudeLies)
{
    const AngleCase& c = GetParam();
    ChartFacts facts;
    facts.zodiac.zodiac = c.zodiac;
    facts.ayanamsa = c.ayanamsa;
    facts.longitudes[ToIndex(Body::Ascendant)] = c.ascendant;
    facts.longitudes[ToIndex(Body::Sun)] = c.longitude;
    for (std::size_t k = 1; k < kRing.size(); ++k) // the others 15° apart, well away from the Sun
        facts.longitudes[ToIndex(kRing[k])] = c.longitude + 75.0 + 15.0 * static_cast<double>(k);

    const WheelLayout layout = LayOutChartWheel(Chart(facts));
    const WheelPoint& sun = layout.points[ToIndex(Body::Sun)];
    EXPECT_NEAR(sun.trueAngle, c.angle, kTolerance);
    EXPECT_NEAR(DirectionOf(sun.glyph.CentreX(), sun.glyph.CentreY(), layout.centreX, layout.centreY) - c.angle + 360.0,
                360.0, kTolerance);
    EXPECT_NEAR(layout.ariesAngle, c.ariesAngle, kTolerance);
}

INSTANTIATE_TEST_SUITE_P(
    Quadrants, WheelAngleTest,
    testing::Values(AngleCase{"OnTheAscendant", Zodiac::Tropical, 0, 100, 100, 180, 80},
                    AngleCase{"QuarterPastAtTheBottom", Zodiac::Tropical, 0, 100, 190, 270, 80},
                    AngleCase{"OppositeAtTheRight", Zodiac::Tropical, 0, 100, 280, 0, 80},
                    AngleCase{"QuarterBeforeAtTheTop", Zodiac::Tropical, 0, 100, 10, 90, 80},
                    AngleCase{"AcrossAries", Zodiac::Tropical, 0, 350, 20, 210, 190},
                    AngleCase{"LowerRight", Zodiac::Tropical, 0, 200, 335, 315, 340},
                    // The worked example: Sun 83.48, Ascendant 149.40, less a Lahiri ayanamsa of 23.52.
                    AngleCase{"WorkedExampleTropical", Zodiac::Tropical, 0, 149.40, 83.48, 114.08, 30.60},
                    AngleCase{"WorkedExampleSidereal", Zodiac::Sidereal, 23.52, 125.88, 59.96, 114.08, 54.12},
                    AngleCase{"SiderealAcrossAries", Zodiac::Sidereal, 24.0, 5, 355, 170, 175}),
    [](const testing::TestParamInfo<AngleCase>& info) { return std::string(info.param.label); });

// Crowds of the twelve ring points (Sun to Pluto, Rahu, Ketu). With the Ascendant at 180°, 0° Aries stands at
// three o'clock, where the wheel's angles wrap round.
struct CrowdCase {
    const char* label;
    std::array<double, 12> longitudes;
};

class WheelCrowdTest : public testing::TestWithParam<CrowdCase>
{
};

// Round the circle in the order of their true angles (ties by their order given), the glyphs come in the
// same order, each step forward, the steps one turn in all: no leader crosses another.
void ExpectDrawnInOrder(const std::vector<WheelPoint>& points)
{
    std::vector<std::size_t> order(points.size());
    for (std::size_t k = 0; k < order.size(); ++k)
        order[k] = k;
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return points[a].trueAngle < points[b].trueAngle; });
    double turned = 0.0;
    for (std::size_t k = 0; k < order.size(); ++k) {
        const double from = points[order[k]].drawnAngle;
        const double step = std::fmod(points[order[(k + 1) % order.size()]].drawnAngle - from + 720.0, 360.0);
        EXPECT_GT(step, 0.0) << BodyName(points[order[k]].body) << " at " << order[k];
        turned += step;
    }
    EXPECT_NEAR(turned, points.size() > 1 ? 360.0 : 0.0, kTolerance);
}

TEST_P(WheelCrowdTest, SpreadsGlyphsAndLabelsApartInTheirOrder)
{
    ChartFacts facts;
    facts.longitudes[ToIndex(Body::Ascendant)] = 180.0;
    for (std::size_t k = 0; k < kRing.size(); ++k)
        facts.longitudes[ToIndex(kRing[k])] = GetParam().longitudes[k];
    const WheelLayout layout = LayOutChartWheel(Chart(facts));

    std::vector<PictureBox> boxes;
    for (const Body body : kRing)
        for (const PictureBox& box : {layout.points[ToIndex(body)].glyph, layout.points[ToIndex(body)].degrees,
                                      layout.points[ToIndex(body)].minutes})
            boxes.push_back(box);
    for (std::size_t a = 0; a < boxes.size(); ++a)
        for (std::size_t b = a + 1; b < boxes.size(); ++b)
            EXPECT_FALSE(boxes[a].Overlaps(boxes[b])) << BodyName(kRing[a / 3]) << " part " << a % 3 << " and "
                                                      << BodyName(kRing[b / 3]) << " part " << b % 3;

    std::vector<WheelPoint> ring;
    ring.reserve(kRing.size());
    for (const Body body : kRing) // in zodiac order, ties by body
        ring.push_back(layout.points[ToIndex(body)]);
    ExpectDrawnInOrder(ring);
}

INSTANTIATE_TEST_SUITE_P(
    Crowds, WheelCrowdTest,
    testing::Values(CrowdCase{"TenBodiesWithinFiveDegrees",
                              {200, 200.5, 201, 201.5, 202, 202.5, 203, 203.5, 204, 204.5, 40, 220}},
                    CrowdCase{"CrowdAcrossAries", {357.5, 358, 358.5, 359, 359.5, 0, 0.5, 1, 1.5, 2, 1, 181}},
                    CrowdCase{"AllTwelveOnOnePoint",
                              {123.4, 123.4, 123.4, 123.4, 123.4, 123.4, 123.4, 123.4, 123.4, 123.4, 123.4, 123.4}},
                    CrowdCase{"TwoCrowdsThatMeet", {10, 10, 10, 10, 10, 10, 30, 30, 30, 30, 30, 30}},
                    CrowdCase{"PairsRoundTheCircle", {0, 1, 90, 91, 180, 181, 270, 271, 45, 46, 225, 226}}),
    [](const testing::TestParamInfo<CrowdCase>& info) { return std::string(info.param.label); });

TEST(SpreadAngles, LeavesPointsThatAreFarEnoughApartWhereTheyLie)
{
    const std::vector<double> angles{350.0, 20.0, 50.0, 200.0};
    EXPECT_EQ(SpreadAngles(angles, 10.0), angles);
}

// Each decanate's sign by the triplicity rule: a sign's three decanates go to it and to the next two
// signs of its element, in zodiac order.
// In the other schemes that place a decanate in a sign, by their published tables (tests/decanates).
struct DrekkanaCase {
    const char* label;
    double longitude;
    const char* sign;
    DecanScheme scheme = DecanScheme::Triplicity;
};

class DrekkanaTest : public testing::TestWithParam<DrekkanaCase>
{
};

TEST_P(DrekkanaTest, StandsEachPointInTheBoxOfItsDecanateSign)
{
    const DrekkanaCase& c = GetParam();
    const int sign = SignNamed(c.sign);
    ChartFacts facts;
    facts.longitudes[ToIndex(Body::Ascendant)] = c.longitude;
    facts.longitudes[ToIndex(Body::Moon)] = c.longitude;
    facts.scheme = c.scheme;
    const Chart state(facts);
    for (const DrekkanaStyle style : {DrekkanaStyle::SouthIndian, DrekkanaStyle::NorthIndian}) {
        const DrekkanaLayout layout = LayOutDrekkanaChart(state, style);
        for (const DrekkanaPoint& point : layout.points) {
            if (point.body != Body::Ascendant && point.body != Body::Moon)
                continue;
            EXPECT_EQ(point.sign, sign) << BodyName(point.body);
            EXPECT_TRUE(layout.cells[static_cast<std::size_t>(sign)].box.Contains(point.glyph)) << BodyName(point.body);
        }
        EXPECT_EQ(layout.cells[static_cast<std::size_t>(sign)].house, 1); // the Ascendant's drekkana rises
    }
}

INSTANTIATE_TEST_SUITE_P(
    Triplicities, DrekkanaTest,
    testing::Values(DrekkanaCase{"AriesFirst", 5.0, "Aries"}, DrekkanaCase{"AriesSecond", 15.0, "Leo"},
                    DrekkanaCase{"AriesThird", 25.0, "Sagittarius"},
                    DrekkanaCase{"WorkedExampleAscendant", 149.40, "Aries"},
                    DrekkanaCase{"WorkedExampleSun", 83.48, "Aquarius"},
                    DrekkanaCase{"CancerAtTenDegrees", 100.0, "Scorpio"},
                    DrekkanaCase{"CancerJustBelowTen", 99.9999, "Cancer"},
                    DrekkanaCase{"LastOfPisces", 359.99, "Scorpio"}, DrekkanaCase{"FullCircleIsAries", 360.0, "Aries"},
                    DrekkanaCase{"ParivrittiTaurusThird", 55.0, "Virgo", DecanScheme::Parivritti},
                    DrekkanaCase{"SomanathaTaurusFirst", 35.0, "Sagittarius", DecanScheme::Somanatha},
                    DrekkanaCase{"JagannathaLeoFirst", 125.0, "Aries", DecanScheme::Jagannatha}),
    [](const testing::TestParamInfo<DrekkanaCase>& info) { return std::string(info.param.label); });

// The faces' ring names each face's planet (Mars opens Aries and closes Pisces), a chart that asks for them
// carries the 27 mansions' band, and the faces, which place nothing in a sign, give no drekkana chart.
TEST(ChartPictures, FollowTheSchemeAndDrawTheMansionsWhenAsked)
{
    ChartFacts facts = fixtures::Delhi1975Chart().Facts();
    const std::string plain = ChartWheelSvg(Chart(facts));
    EXPECT_EQ(plain.find("id=\"mansion-"), std::string::npos);
    facts.scheme = DecanScheme::Chaldean;
    facts.mansions = true;
    const Chart faces(facts);
    const std::string wheel = ChartWheelSvg(faces);
    for (const char* face : {"Aries 0\u00B0\u201310\u00B0, first decanate, ruled by Mars",
                             "Pisces 20\u00B0\u201330\u00B0, third decanate, ruled by Mars", "id=\"mansion-27\"",
                             "<title>Krittika, lord Sun, from 26 Ari 40</title>"})
        EXPECT_NE(wheel.find(face), std::string::npos) << face;
    const std::string drekkana = DrekkanaChartSvg(faces, DrekkanaStyle::SouthIndian);
    EXPECT_NE(drekkana.find("give no drekkana chart"), std::string::npos);
    EXPECT_EQ(drekkana.find("id=\"point-"), std::string::npos);
}

TEST(DrekkanaChart, RunsItsHousesAndSignsTheWaysTheFormsAreDrawn)
{
    ChartFacts facts;
    facts.longitudes[ToIndex(Body::Ascendant)] = 185.0; // Libra's first decanate: Libra rises
    const Chart state(facts);
    const DrekkanaLayout north = LayOutDrekkanaChart(state, DrekkanaStyle::NorthIndian);
    const DrekkanaLayout south = LayOutDrekkanaChart(state, DrekkanaStyle::SouthIndian);
    const double middle = north.width / 2.0;
    double southTurn = 0.0;
    for (int sign = 0; sign < 12; ++sign) {
        // North: the first house at the top, the others counter-clockwise every 30°.
        const DrekkanaCell& cell = north.cells[static_cast<std::size_t>(sign)];
        EXPECT_EQ(cell.house, (sign - 6 + 12) % 12 + 1) << kSigns[static_cast<std::size_t>(sign)];
        const double expected = 90.0 + 30.0 * (cell.house - 1);
        const double angle = DirectionOf(cell.box.CentreX(), cell.box.CentreY(), middle, middle);
        EXPECT_LT(std::abs(std::remainder(angle - expected, 360.0)), 15.0) << "house " << cell.house;
        // South: the signs run clockwise round the edge.
        const PictureBox& box = south.cells[static_cast<std::size_t>(sign)].box;
        const PictureBox& next = south.cells[static_cast<std::size_t>((sign + 1) % 12)].box;
        southTurn += std::fmod(DirectionOf(box.CentreX(), box.CentreY(), middle, middle)
                                   - DirectionOf(next.CentreX(), next.CentreY(), middle, middle) + 360.0,
                               360.0);
    }
    EXPECT_NEAR(southTurn, 360.0, kTolerance);
    const PictureBox& pisces = south.cells[11].box; // Pisces at the top left
    for (const DrekkanaCell& cell : south.cells) {
        EXPECT_LE(pisces.left, cell.box.left);
        EXPECT_LE(pisces.top, cell.box.top);
    }
}

// Well-formed XML in the few forms the pictures use: elements, attributes in double quotes, the five
// entities, no markup in text, no control characters or bytes that UTF-8 never uses. Returns the first
// fault, or nothing.
std::string XmlFault(const std::string& xml)
{
    std::vector<std::string> open;
    std::size_t i = 0;
    const auto entityAt = [&xml](std::size_t at) {
        for (const char* entity : {"&amp;", "&lt;", "&gt;", "&quot;", "&#39;"})
            if (xml.compare(at, std::char_traits<char>::length(entity), entity) == 0)
                return true;
        return false;
    };
    while (i < xml.size()) {
        if (xml[i] == '&' && !entityAt(i))
            return "bare & at " + std::to_string(i);
        const auto byte = static_cast<unsigned char>(xml[i]);
        if ((byte < 0x20 && byte != '\n') || byte >= 0xF8) // never in XML, never in UTF-8
            return "stray byte at " + std::to_string(i);
        if (xml[i] != '<') {
            ++i;
            continue;
        }
        const bool closing = xml.compare(i, 2, "</") == 0;
        std::size_t j = i + (closing ? 2 : 1);
        const std::size_t nameEnd = xml.find_first_of(" />", j);
        const std::string name = xml.substr(j, nameEnd - j);
        if (name.empty())
            return "nameless tag at " + std::to_string(i);
        j = nameEnd;
        while (j < xml.size() && xml[j] != '>' && xml[j] != '/') { // attributes: name="value"
            const std::size_t quote = xml.find('"', j);
            const std::size_t end = xml.find('"', quote + 1);
            if (quote == std::string::npos || end == std::string::npos || xml.compare(quote - 1, 1, "=") != 0)
                return "bad attribute in <" + name + ">";
            for (std::size_t k = quote + 1; k < end; ++k)
                if (xml[k] == '<' || (xml[k] == '&' && !entityAt(k)))
                    return "markup in an attribute of <" + name + ">";
            j = xml.find_first_not_of(' ', end + 1);
        }
        if (j >= xml.size())
            return "unclosed tag <" + name + ">";
        const bool empty = xml[j] == '/';
        if (closing) {
            if (open.empty() || open.back() != name)
                return "</" + name + "> closes nothing open";
            open.pop_back();
        } else if (!empty)
            open.push_back(name);
        i = xml.find('>', j) + 1;
    }
    return open.empty() ? std::string() : "<" + open.back() + "> left open";
}

TEST(ChartPictures, AreWellFormedAndNameWhatTheyShow)
{
    const auto calculated = Calculate({fixtures::Delhi1975(30, "ASHA & <RAO>"), "Bad \xff byte\x01", ""},
                                      {}); // names come from files too
    ASSERT_TRUE(calculated.has_value());
    const Chart& state = *calculated;
    const std::string wheel = ChartWheelSvg(state);
    for (const std::string& svg :
         {wheel, ChartWheelSvg(state, {PictureColours::Dark, false}),
          DrekkanaChartSvg(state, DrekkanaStyle::SouthIndian), DrekkanaChartSvg(state, DrekkanaStyle::NorthIndian)}) {
        EXPECT_EQ(XmlFault(svg), "");
        EXPECT_EQ(svg.find("href"), std::string::npos); // nothing to fetch
    }
    for (const char* code : {"Ari", "Tau", "Gem", "Can", "Leo", "Vir", "Lib", "Sco", "Sag", "Cap", "Aqu", "Pis"})
        for (const char* decanate : {"-1\"><title>", "-2\"><title>", "-3\"><title>"})
            EXPECT_NE(wheel.find(std::string("id=\"decanate-") + code + decanate), std::string::npos)
                << code << decanate;
    // The README's worked example, as the results window and --json give it.
    const std::string desc = wheel.substr(wheel.find("<desc>"), wheel.find("</desc>") - wheel.find("<desc>"));
    EXPECT_NE(desc.find("Sun 23 Gem 29, third decanate of Gemini: Aquarius."), std::string::npos) << desc;
    EXPECT_NE(desc.find("Ascendant 29 Leo 24, third decanate of Leo: Aries."), std::string::npos) << desc;
    EXPECT_NE(desc.find("Ketu 28 Tau 55"), std::string::npos) << desc;
}

// The sky round a chart (transits, progressions, another chart) in a band outside the zodiac ring.
std::vector<PictureBox> BoxesOf(const WheelPoint& point)
{
    return {point.glyph, point.degrees, point.minutes};
}

// The natal chart of the ring tests: the Ascendant at 180° (0° Aries at three o'clock, where the angles wrap
// round), the Midheaven at 90°, the ring points 25° apart from 5°.
ChartFacts RingNatalFacts()
{
    ChartFacts facts;
    facts.longitudes[ToIndex(Body::Ascendant)] = 180.0;
    facts.longitudes[ToIndex(Body::Midheaven)] = 90.0;
    for (std::size_t k = 0; k < kRing.size(); ++k)
        facts.longitudes[ToIndex(kRing[k])] = 5.0 + 25.0 * static_cast<double>(k);
    return facts;
}

OuterRing RingAt(const std::vector<double>& longitudes)
{
    OuterRing ring{"Transits", {}};
    for (std::size_t k = 0; k < longitudes.size(); ++k)
        ring.points.push_back({static_cast<Body>(k % kBodyCount), longitudes[k], k % 2 == 0});
    return ring;
}

struct OuterCrowdCase {
    const char* label;
    std::vector<double> longitudes;
};

class OuterRingCrowdTest : public testing::TestWithParam<OuterCrowdCase>
{
};

// Each outer point stands at 180° + (longitude - the natal Ascendant), its labels apart from each other, from
// the natal wheel's and from the axes' letters, inside the picture, and in the order of their longitudes.
TEST_P(OuterRingCrowdTest, SpreadsTheBandApartInOrder)
{
    const OuterRing ring = RingAt(GetParam().longitudes);
    const WheelLayout layout = LayOutChartWheel(Chart(RingNatalFacts()), ring);
    ASSERT_EQ(layout.outer.size(), ring.points.size());
    std::vector<PictureBox> natal{layout.farAxisEnds[0], layout.farAxisEnds[1]};
    for (const WheelPoint& point : layout.points)
        for (const PictureBox& box : BoxesOf(point))
            natal.push_back(box);
    const PictureBox picture{0.0, 0.0, layout.width, layout.width};
    for (std::size_t a = 0; a < layout.outer.size(); ++a) {
        // 180° + (longitude - 180°): the point stands at its longitude.
        EXPECT_NEAR(layout.outer[a].trueAngle, std::fmod(ring.points[a].longitude + 720.0, 360.0), kTolerance);
        for (const PictureBox& box : BoxesOf(layout.outer[a])) {
            EXPECT_TRUE(picture.Contains(box)) << a;
            for (const PictureBox& other : natal)
                EXPECT_FALSE(box.Overlaps(other)) << "outer " << a << " on the natal wheel";
            for (std::size_t b = a + 1; b < layout.outer.size(); ++b)
                for (const PictureBox& theirs : BoxesOf(layout.outer[b]))
                    EXPECT_FALSE(box.Overlaps(theirs)) << "outer " << a << " and " << b;
        }
    }
    ExpectDrawnInOrder(layout.outer);
}

INSTANTIATE_TEST_SUITE_P(
    Crowds, OuterRingCrowdTest,
    testing::Values(OuterCrowdCase{"FiveWithinThreeDegrees", {100, 100.7, 101.5, 102.2, 103}},
                    OuterCrowdCase{"FiveAcrossAries", {358.5, 359.2, 0, 0.8, 1.5}},
                    OuterCrowdCase{"AllFourteenInTwoCrowds",
                                   {10, 10.5, 11, 11.5, 12, 12.5, 13, 200, 200.5, 201, 201.5, 202, 202.5, 203}},
                    OuterCrowdCase{"OnTheAxesLetters", {180, 90, 0, 270, 45}},
                    OuterCrowdCase{"BeyondOneTurn", {365.5, -20}}),
    [](const testing::TestParamInfo<OuterCrowdCase>& info) { return std::string(info.param.label); });

// The part of a picture from <g id="..."> to its </g>; empty when there is none.
std::string GroupOf(const std::string& svg, const std::string& id)
{
    const std::size_t at = svg.find("<g id=\"" + id + '"');
    return at == std::string::npos ? std::string() : svg.substr(at, svg.find("</g>", at) - at);
}

// A ring leaves the natal wheel (faces and mansions too) as the plain wheel draws it, only moved to the middle
// of the larger picture.
TEST(OuterRing, LeavesTheNatalWheelAsItWas)
{
    ChartFacts facts = fixtures::Delhi1975Chart().Facts();
    facts.scheme = DecanScheme::Chaldean;
    facts.mansions = true;
    const Chart chart(facts);
    const OuterRing ring = RingAt({10, 100, 200, 300});
    const std::string plain = ChartWheelSvg(chart);
    const std::string ringed = ChartWheelSvg(chart, ring);
    for (const std::string id : {"point-Sun", "point-Ketu", "decanate-Pis-3", "mansion-27"})
        EXPECT_EQ(GroupOf(ringed, id), GroupOf(plain, id));
    const WheelLayout before = LayOutChartWheel(chart);
    const WheelLayout after = LayOutChartWheel(chart, ring);
    EXPECT_NEAR(after.centreX, after.width / 2.0, kTolerance);
    EXPECT_NEAR(after.points[0].glyph.bottom - before.points[0].glyph.bottom, after.centreY - before.centreY,
                kTolerance);
}

// What the ring says of each point, by the natal chart's scheme: the position truncated and padded as the
// position texts are (10.25° is 10 Can 15, 5.5° is 05 Ari 30), and "retrograde" with a ℞ beside the
// degrees. Decanates by the triplicity rule, and by the Chaldean faces (Mars, Sun, Venus from Aries on, in
// the order Saturn, Jupiter, Mars, Sun, Venus, Mercury, Moon: Cancer's second face is Mercury's).
struct OuterTextCase {
    const char* label;
    DecanScheme scheme;
    OuterPoint point;
    const char* said;
    const char* degrees;
};

class OuterRingTextTest : public testing::TestWithParam<OuterTextCase>
{
};

TEST_P(OuterRingTextTest, SaysEachPointAndItsDecanate)
{
    const OuterTextCase& c = GetParam();
    ChartFacts facts = RingNatalFacts();
    facts.scheme = c.scheme;
    const OuterRing ring{"Transits & <now>", {c.point}};
    const std::string svg = ChartWheelSvg(Chart(facts), ring);
    EXPECT_EQ(XmlFault(svg), "");
    const std::string desc = svg.substr(svg.find("<desc>"), svg.find("</desc>") - svg.find("<desc>")) + '\n';
    EXPECT_NE(desc.find("\nAround the wheel: Transits &amp; &lt;now&gt;.\n"), std::string::npos) << desc;
    EXPECT_NE(desc.find(std::string("\n") + c.said + "\n"), std::string::npos) << desc;
    const std::string group = GroupOf(svg, std::string("outer-") + BodyName(c.point.body));
    EXPECT_NE(group.find(std::string(">") + c.degrees + "</text>"), std::string::npos) << group;
    EXPECT_NE(svg.find(">Transits &amp; &lt;now&gt;</text>"), std::string::npos); // in the caption
}

INSTANTIATE_TEST_SUITE_P(
    Points, OuterRingTextTest,
    testing::Values(OuterTextCase{"Direct",
                                  DecanScheme::Triplicity,
                                  {Body::Saturn, 335.5, false},
                                  "Saturn 05 Pis 30, first decanate of Pisces: Pisces.",
                                  "5\u00B0"},
                    OuterTextCase{"Retrograde",
                                  DecanScheme::Triplicity,
                                  {Body::Mercury, 100.25, true},
                                  "Mercury 10 Can 15 retrograde, second decanate of Cancer: Scorpio.",
                                  "10\u00B0\u211E"},
                    OuterTextCase{"AFace",
                                  DecanScheme::Chaldean,
                                  {Body::Mercury, 100.25, false},
                                  "Mercury 10 Can 15, second decanate of Cancer, ruled by Mercury.",
                                  "10\u00B0"},
                    OuterTextCase{"AnotherChartsAscendant",
                                  DecanScheme::Triplicity,
                                  {Body::Ascendant, 359.99, false},
                                  "Ascendant 29 Pis 59, third decanate of Pisces: Scorpio.",
                                  "29\u00B0"},
                    OuterTextCase{"PastOneTurn",
                                  DecanScheme::Triplicity,
                                  {Body::Sun, 365.5, true},
                                  "Sun 05 Ari 30 retrograde, first decanate of Aries: Aries.",
                                  "5\u00B0\u211E"}),
    [](const testing::TestParamInfo<OuterTextCase>& info) { return std::string(info.param.label); });

// An empty ring draws its empty band; a body given twice keeps every id unique.
TEST(OuterRing, DrawsAnEmptyBandAndUniqueIds)
{
    const Chart chart = fixtures::Delhi1975Chart();
    const std::string bare = ChartWheelSvg(chart, OuterRing{}, {PictureColours::Dark, false});
    EXPECT_EQ(XmlFault(bare), "");
    EXPECT_EQ(bare.find("id=\"outer-"), std::string::npos);
    EXPECT_NE(bare.find("Around the wheel: The outer ring, no points."), std::string::npos);
    EXPECT_GT(LayOutChartWheel(chart, OuterRing{}).width, LayOutChartWheel(chart).width);
    const std::string twice = ChartWheelSvg(chart, OuterRing{"Two Suns", {{Body::Sun, 10.0}, {Body::Sun, 200.0}}});
    EXPECT_NE(twice.find("<g id=\"outer-Sun\""), std::string::npos);
    EXPECT_NE(twice.find("<g id=\"outer-Sun-2\""), std::string::npos);
}

// A place's name and a zone's abbreviation come from files (the atlas, TZDIR): whatever they hold, every
// document shows it as the terminal and CSV outputs do, never a byte that could ring, clear or reorder.
TEST(ChartDocuments, ShowHostileTextTheSameCleanWay)
{
    const auto calculated = Calculate(
        {fixtures::Delhi1975(30, "ASHA & <RAO>"), "Par\x1b[2Jis\x07\u202e\xff", std::string("ZZ\0T\u2066", 7)}, {});
    ASSERT_TRUE(calculated.has_value());
    const Chart& state = *calculated;
    for (const std::string& document :
         {RenderReadingHtml(state), ChartWheelSvg(state), DrekkanaChartSvg(state, DrekkanaStyle::NorthIndian)}) {
        for (const std::string_view raw : {"\x1b", "\x07", "\u202e", "\u2066", "\xff"})
            EXPECT_EQ(document.find(raw), std::string::npos) << document.substr(0, 300);
        EXPECT_EQ(document.find(std::string_view("\0", 1)), std::string::npos);
        EXPECT_NE(document.find("Par\\x1b[2Jis\\x07\\u202e\uFFFD"), std::string::npos) << document.substr(0, 300);
    }
    EXPECT_NE(RenderReadingHtml(state).find("ZZ\\x00T\\u2066"), std::string::npos);
}

// Relative luminance and contrast ratio as WCAG 2 defines them (sRGB, "#rrggbb").
double Luminance(std::string_view hex)
{
    const auto channel = [hex](std::size_t at) {
        const double c = std::stoi(std::string(hex.substr(at, 2)), nullptr, 16) / 255.0;
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(1) + 0.7152 * channel(3) + 0.0722 * channel(5);
}

double Contrast(std::string_view a, std::string_view b)
{
    const double la = Luminance(a);
    const double lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// Every text of the pictures reads at 4.5:1 on every ground it may stand on, in both palettes; on the dark
// paper the element tints stand 3:1 apart from it (the earth tint was 1.16:1 and vanished).
TEST(ChartPictures, TextsAndDarkCellsKeepTheirContrast)
{
    for (const PictureColours colours : {PictureColours::Light, PictureColours::Dark}) {
        const PicturePalette& p = PaletteFor(colours);
        for (const std::string_view text : {p.ink, p.muted, p.accent})
            for (const std::string_view ground : {p.paper, p.signRing, p.fire, p.earth, p.air, p.water})
                EXPECT_GE(Contrast(text, ground), 4.5) << text << " on " << ground;
    }
    for (const PictureColours colours : {PictureColours::Light, PictureColours::Dark}) // the outer ring's ink
        EXPECT_GE(Contrast(PaletteFor(colours).outer, PaletteFor(colours).paper), 4.5);
    const PicturePalette& dark = PaletteFor(PictureColours::Dark);
    for (const std::string_view tint : {dark.fire, dark.earth, dark.air, dark.water})
        EXPECT_GE(Contrast(tint, dark.paper), 3.0) << tint;
}

} // namespace
} // namespace tessaline
