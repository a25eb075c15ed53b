// SPDX-License-Identifier: GPL-3.0-or-later
#include "decanates/Chart.h"

#include "chart/PositionText.h"

namespace tessaline {

std::string Chart::Position(Body body) const
{
    return FormatPositionEntry(Longitude(body));
}

std::string Chart::PreciseSentence(Body body) const
{
    if (ToIndex(body) >= kDecanateBodyCount || !Precise(body))
        return {};
    return PreciseDecanateSentence(body, *Precise(body), Scheme());
}

PositionTable PositionsOf(const Chart& chart)
{
    PositionTable table;
    for (std::size_t i = 0; i < kBodyCount; ++i)
        table[i] = chart.Position(static_cast<Body>(i));
    return table;
}

} // namespace tessaline
