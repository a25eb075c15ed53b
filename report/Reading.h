// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "decanates/Chart.h"
#include "report/ChartWheelSvg.h"
#include "report/TransitReport.h"

#include <optional>
#include <string>
#include <vector>

namespace tessaline {

// How the reading shows the pictures: inline SVG for a document that stands alone, or an <img> whose
// source is "picture-N.png" (N = 1..10, Sun to Pluto) or, for the chart wheel, "chart-wheel.svg" (its
// ChartWheelSvg without caption), for a renderer that supplies the images.
enum class ReadingPictures { InlineSvg, NamedImages };

// What the reading shows round the chart when the window draws it: a ring round the wheel (the sky, a progressed
// chart, another person's), and when the ring is the sky, the transits' table and sentences after the wheel.
struct ReadingRing {
    std::optional<OuterRing> ring;
    std::optional<TransitReport> transits;
};

// The whole reading as one HTML document: the name, the birth data as entered, the instant used, the
// angles line, the chart wheel (with the ring round it, and the transits after it, where given), and for each body
// its picture, position, decanate, the six short fields, the margin sentence, the precise decanate's sentence where
// it differs, and the three texts under their captions.
std::string RenderReadingHtml(const Chart& chart, ReadingPictures pictures = ReadingPictures::InlineSvg,
                              const ReadingRing& around = {});

} // namespace tessaline
