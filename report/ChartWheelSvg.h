// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "report/ChartPicture.h"

#include <array>
#include <span>
#include <string>
#include <vector>

namespace tessaline {

// Where a longitude stands on the wheel: degrees counter-clockwise from three o'clock, 0 <= angle < 360.
// The Ascendant stands at nine o'clock (180) and the zodiac runs counter-clockwise from it, so a point
// 90° past the Ascendant stands at six o'clock.
double WheelAngle(double longitude, double ascendant) noexcept;

// The angles at which to draw points that lie at the given angles (degrees, any order), so that no two
// are closer than minimumGap around the circle. Crowded points move apart as a group, centred where
// they lie, and keep their order around the circle; each result is in 0 <= angle < 360, by the index of
// its input. A gap larger than the circle can give is narrowed to 360 / count.
std::vector<double> SpreadAngles(std::span<const double> angles, double minimumGap);

// One point as the wheel draws it. Boxes are in the picture's own units (its viewBox).
struct WheelPoint {
    Body body = Body::Sun;
    double longitude = 0.0; // in the chart's zodiac, 0 <= x < 360
    double trueAngle = 0.0; // where the longitude lies, as WheelAngle gives it
    double drawnAngle = 0.0; // where the glyph stands after crowded points were spread apart
    PictureBox glyph; // the glyph; for the Ascendant and the Midheaven, their letters outside the ring
    PictureBox degrees; // the whole degrees within the sign; for the two angles, degrees and minutes
    PictureBox minutes; // the minutes; empty (all zero) for the two angles
};

// What a window needs to know of a drawn wheel: its size, its centre, and where each point is, to find
// the glyph under the mouse or to step from one to the next.
struct WheelLayout {
    double width = 0.0; // the whole picture, its caption included: the SVG's viewBox is 0 0 width height
    double height = 0.0;
    double centreX = 0.0;
    double centreY = 0.0;
    double ariesAngle = 0.0; // where 0° of the chart's zodiac stands
    std::array<WheelPoint, kBodyCount> points{}; // by Body
    std::array<PictureBox, 2> farAxisEnds{}; // the letters DC and IC
    // With an outer ring, its points in the ring's order: glyph, then degrees (with the retrograde mark)
    // and minutes stacked outwards. Empty for a plain wheel.
    std::vector<WheelPoint> outer;
};

// One point of the sky around the chart (transits, a progressed chart, another person's chart).
struct OuterPoint {
    Body body = Body::Sun;
    double longitude = 0.0; // in the natal chart's zodiac, 0 <= x < 360
    bool retrograde = false; // drawn with a small ℞ beside the degrees
};

// The points drawn in a band round the zodiac ring, at their longitudes on the natal chart's wheel.
struct OuterRing {
    std::string title; // "Transits on 9 December 2026, 20:00 UT": in the caption and the <desc>
    std::vector<OuterPoint> points; // any of the bodies, each once; a body given twice is drawn twice
};

// Another person's chart as the ring round this one: its bodies, angles and nodes, titled by its name.
OuterRing ChartRing(const Chart& other);

// The ring as a reader hears it beside the wheel: "Outer ring, <title>: <point>; <point>." with each point's
// position and decanate by the natal chart's scheme, as the picture's own description says them.
std::string OuterRingDescription(const Chart& chart, const OuterRing& outer);

WheelLayout LayOutChartWheel(const Chart& chart, const PictureOptions& options = {});
// The wheel with an outer ring: the picture grows by the band and the axes' letters move out past it;
// the natal wheel keeps its size and drawing, its centre moved to the middle of the larger picture.
WheelLayout LayOutChartWheel(const Chart& chart, const OuterRing& outer, const PictureOptions& options = {});

// The chart as a wheel, one complete SVG document that needs nothing else: the twelve signs, each with
// its three decanates under the glyph of the decanate's sign, tinted by element; degree ticks; the
// Ascendant at nine o'clock with both axes; the ten bodies and the nodes at their longitudes with degree
// and minute; a caption; and a <title> and <desc> that say every point's position and decanate.
std::string ChartWheelSvg(const Chart& chart, const PictureOptions& options = {});
// The same with an outer ring: each point's glyph, degrees and minutes in a band outside the zodiac ring,
// in their own ink, a thin tick on the ring at the true longitude, and a ℞ for a retrograde point; the
// ring's title in the caption, and every outer point's position and decanate in the <desc>.
std::string ChartWheelSvg(const Chart& chart, const OuterRing& outer, const PictureOptions& options = {});

// The height of the wheel's smallest text (the minutes and the axes' degrees) for each unit of its side: a
// window that shows the wheel at least as large as its own font's height divided by this reads every label
// at its own type size or larger.
double ChartWheelSmallestText() noexcept;
// The same for a wheel as laid out, with or without an outer ring: its smallest text for each unit of its width.
double ChartWheelSmallestText(const WheelLayout& layout) noexcept;

} // namespace tessaline
