// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "report/ChartPicture.h"

#include <array>
#include <string>

namespace tessaline {

// The two square forms of a chart: South Indian, twelve boxes that keep their signs (Pisces at the top
// left, the signs running clockwise); North Indian, a diamond of twelve houses that keep their places
// (the first at the top, the houses running counter-clockwise), each house taking the sign counted
// from the Ascendant's.
enum class DrekkanaStyle { SouthIndian, NorthIndian };

// One sign's box or house. Its box is where its points stand, in the picture's own units.
struct DrekkanaCell {
    int sign = 0; // 0 Aries .. 11 Pisces
    int house = 1; // 1 .. 12, counted from the sign of the Ascendant's decanate
    PictureBox box;
};

// One point as the chart draws it: in the sign of its decanate.
struct DrekkanaPoint {
    Body body = Body::Sun;
    int sign = 0;
    PictureBox glyph;
};

// The Ascendant first (its drekkana marked "Asc"), then the ten bodies and the nodes.
inline constexpr std::size_t kDrekkanaPointCount = 13;

struct DrekkanaLayout {
    double width = 0.0; // the whole picture, its caption included: the SVG's viewBox is 0 0 width height
    double height = 0.0;
    std::array<DrekkanaCell, 12> cells{}; // by sign
    std::array<DrekkanaPoint, kDrekkanaPointCount> points{};
};

DrekkanaLayout LayOutDrekkanaChart(const Chart& chart, DrekkanaStyle style, const PictureOptions& options = {});

// The drekkana chart (D3) as one complete SVG document: every point in the sign of its decanate by the
// decanate table, the Ascendant's drekkana marked, in the chart's own zodiac (a tropical chart is drawn
// too, and titled as such), with a caption and a <title> and <desc> that say where everything stands.
std::string DrekkanaChartSvg(const Chart& chart, DrekkanaStyle style, const PictureOptions& options = {});

// The height of the chart's smallest text (the sign labels) for each unit of its side, as the wheel's.
double DrekkanaChartSmallestText() noexcept;

} // namespace tessaline
