// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "decanates/Chart.h"

namespace tessaline {

// An upright rectangle in a picture's own units (its viewBox): x to the right, y downwards.
struct PictureBox {
    double left = 0.0;
    double top = 0.0;
    double right = 0.0;
    double bottom = 0.0;

    double CentreX() const noexcept { return (left + right) / 2.0; }
    double CentreY() const noexcept { return (top + bottom) / 2.0; }
    bool Contains(double x, double y) const noexcept { return x >= left && x <= right && y >= top && y <= bottom; }
    bool Contains(const PictureBox& inner) const noexcept
    {
        return inner.left >= left && inner.right <= right && inner.top >= top && inner.bottom <= bottom;
    }
    // Touching edges do not overlap.
    bool Overlaps(const PictureBox& other) const noexcept
    {
        return left < other.right && other.left < right && top < other.bottom && other.top < bottom;
    }
};

// Dark ink on paper, for print and light windows, or light ink on a dark ground. Either way the picture
// paints its own ground, so it holds on any page or window behind it.
enum class PictureColours { Light, Dark };

struct PictureOptions {
    PictureColours colours = PictureColours::Light;
    // The name, the instant, the place, the zodiac and the mode of calculation beneath the drawing. A
    // window that shows them beside the picture leaves them out.
    bool caption = true;
};

// Where a longitude falls: its sign (0 Aries .. 11 Pisces), its decanate (1..3) by whole degrees, as the
// position texts truncate them, the sign the scheme places that decanate in (-1 for a face, which stands in
// no sign) and its ruling planet.
struct LongitudeDecanate {
    int sign = 0;
    int decanate = 1;
    int decanateSign = -1;
    Body ruler = Body::Mars;
};
LongitudeDecanate DecanateCellOf(double longitude, DecanScheme scheme = DecanScheme::Triplicity) noexcept;

// Why a chart has no drekkana chart ("The Chaldean faces place no decanate in a sign, so they give no
// drekkana chart."); empty when it has one.
std::string DrekkanaUnavailable(const Chart& chart);

} // namespace tessaline
