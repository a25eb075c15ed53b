// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <initializer_list>
#include <optional>
#include <string_view>

namespace tessaline {

// One decanate of one sign: six short names and three interpretation texts.
struct DecanateRow {
    std::string_view DecanateSign;
    std::string_view RulingPlanet;
    std::string_view RulingElement;
    std::string_view ConstellationName;
    std::string_view Keyword;
    std::string_view TreeZodiac;
    std::string_view KarmicInfluence;
    std::string_view MoreAboutTreeZodiac;
    std::string_view MoreAboutDecanateSign;
};

struct SignEntry {
    std::string_view SignKey; // "Ari" .. "Pis", compared exactly
    std::array<DecanateRow, 3> rows;
};

inline constexpr std::size_t kSignCount = 12;
using DecanateTable = std::array<SignEntry, kSignCount>;

// Every key in zodiac order, and no field left out of any row.
constexpr bool IsComplete(const DecanateTable& table)
{
    constexpr std::string_view kKeys = "AriTauGemCanLeoVirLibScoSagCapAquPis";
    for (std::size_t s = 0; s < table.size(); ++s) {
        if (table[s].SignKey != kKeys.substr(3 * s, 3)) {
            return false;
        }
        for (const DecanateRow& row : table[s].rows) {
            for (std::string_view field :
                 {row.DecanateSign, row.RulingPlanet, row.RulingElement, row.ConstellationName, row.Keyword,
                  row.TreeZodiac, row.KarmicInfluence, row.MoreAboutTreeZodiac, row.MoreAboutDecanateSign}) {
                if (field.empty()) {
                    return false;
                }
            }
        }
    }
    return true;
}

// The whole table, twelve signs in zodiac order from Aries.
const DecanateTable& BuildDecanateTable() noexcept;

// The first sign whose key equals the given three characters exactly; nothing when none does.
std::optional<int> FindSignIndex(std::string_view key) noexcept;

// signIndex 0..11, decanate 1..3; any other pair yields a row whose fields are all empty.
const DecanateRow& LookUpDecanate(int signIndex, int decanate) noexcept;

} // namespace tessaline
