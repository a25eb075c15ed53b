// SPDX-License-Identifier: GPL-3.0-or-later
#include "decanates/LunarMansions.h"

#include "chart/ChartState.h"
#include "chart/PositionText.h"

#include <array>
#include <cmath>
#include <cstddef>

namespace tessaline {

namespace {

constexpr std::array<std::string_view, kMansionCount> kMansionNames{
    "Ashvini",
    "Bharani",
    "Krittika",
    "Rohini",
    "Mrigashira",
    "Ardra",
    "Punarvasu",
    "Pushya",
    "Ashlesha",
    "Magha",
    "Purva Phalguni",
    "Uttara Phalguni",
    "Hasta",
    "Chitra",
    "Swati",
    "Vishakha",
    "Anuradha",
    "Jyeshtha",
    "Mula",
    "Purva Ashadha",
    "Uttara Ashadha",
    "Shravana",
    "Dhanishta",
    "Shatabhisha",
    "Purva Bhadrapada",
    "Uttara Bhadrapada",
    "Revati",
};

constexpr std::array<Body, 9> kLords{
    Body::Ketu, Body::Venus, Body::Sun, Body::Moon, Body::Mars, Body::Rahu, Body::Jupiter, Body::Saturn, Body::Mercury,
};

constexpr int kMansionArcMinutes = 800; // 13°20'
constexpr int kPadaArcMinutes = 200; // 3°20'

} // namespace

std::optional<LunarMansion> LunarMansionOf(double longitude) noexcept
{
    if (!std::isfinite(longitude))
        return std::nullopt;
    // The sign, whole degrees and minutes exactly as the position text shows them.
    const ZodiacFields at = SplitZodiacPosition(longitude);
    const int arcMinutes = (30 * at.sign + at.degrees) * 60 + at.minutes;
    return LunarMansion{arcMinutes / kMansionArcMinutes, arcMinutes % kMansionArcMinutes / kPadaArcMinutes + 1};
}

std::string_view MansionName(int mansion) noexcept
{
    return mansion >= 0 && mansion < kMansionCount ? kMansionNames[static_cast<std::size_t>(mansion)]
                                                   : std::string_view();
}

Body MansionLord(int mansion) noexcept
{
    return kLords[static_cast<std::size_t>(((mansion % 9) + 9) % 9)];
}

std::string MansionText(const LunarMansion& mansion)
{
    std::string text(MansionName(mansion.mansion));
    text += ", pada ";
    text += static_cast<char>('0' + mansion.pada);
    text += " (lord: ";
    text += BodyName(MansionLord(mansion.mansion));
    text += ')';
    return text;
}

} // namespace tessaline
