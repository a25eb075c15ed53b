// SPDX-License-Identifier: GPL-3.0-or-later
#include "ephemeris/Ayanamsa.h"

#include <array>
#include <cstddef>

namespace tessaline {

namespace {

struct AyanamsaEntry {
    const char* name;
    const char* key;
};

constexpr std::array<AyanamsaEntry, kAyanamsaCount> kAyanamsas{{
    {"Lahiri", "lahiri"},
    {"Raman", "raman"},
    {"Krishnamurti", "krishnamurti"},
    {"Fagan/Bradley", "fagan-bradley"},
    {"True Chitrapaksha", "true-chitrapaksha"},
}};

} // namespace

const char* AyanamsaName(Ayanamsa ayanamsa) noexcept
{
    const auto i = static_cast<std::size_t>(ayanamsa);
    return i < kAyanamsas.size() ? kAyanamsas[i].name : "";
}

const char* AyanamsaKey(Ayanamsa ayanamsa) noexcept
{
    const auto i = static_cast<std::size_t>(ayanamsa);
    return i < kAyanamsas.size() ? kAyanamsas[i].key : "";
}

} // namespace tessaline
