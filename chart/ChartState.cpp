// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart/ChartState.h"

#include <array>

namespace tessaline {

const char* BodyName(BodyIndex body) noexcept
{
    static constexpr std::array<const char*, kBodyCount> kNames{
        "Sun",    "Moon",    "Mercury", "Venus",     "Mars",      "Jupiter", "Saturn",
        "Uranus", "Neptune", "Pluto",   "Ascendant", "Midheaven", "Rahu",    "Ketu",
    };
    const auto i = ToIndex(body);
    return i < kNames.size() ? kNames[i] : "";
}

} // namespace tessaline
