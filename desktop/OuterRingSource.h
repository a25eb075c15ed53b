// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "report/ChartWheelSvg.h"

#include <optional>

namespace tessaline {

// A window that can draw round the results window's wheel: the sky at a moment, the progressed chart on a date,
// another person's chart. It gives its ring while it is open and asked to draw, and signals ringChanged() when
// that changes; the results window draws the ring of the one that changed last and still gives one.
class OuterRingSource
{
public:
    virtual std::optional<OuterRing> ring() const = 0;

protected:
    OuterRingSource() = default;
    OuterRingSource(const OuterRingSource&) = default;
    OuterRingSource& operator=(const OuterRingSource&) = default;
    ~OuterRingSource() = default;
};

} // namespace tessaline
