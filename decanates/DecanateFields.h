// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace tessaline {

// The nine fields of a decanate, in the order every output shows them: six short names, then three texts.
enum class DecanateField {
    DecanateSign,
    RulingPlanet,
    RulingElement,
    ConstellationName,
    Keyword,
    TreeZodiac,
    KarmicInfluence,
    MoreAboutTreeZodiac,
    MoreAboutDecanateSign,
};

// How a field is named: its key in the JSON and its caption on a page or in the window.
struct DecanateFieldName {
    DecanateField field;
    std::string_view key;
    std::string_view caption; // a literal: .data() ends in a zero
};

inline constexpr std::array<DecanateFieldName, 9> kDecanateFields{{
    {DecanateField::DecanateSign, "decanateSign", "Decanate Sign"},
    {DecanateField::RulingPlanet, "rulingPlanet", "Ruling Planet"},
    {DecanateField::RulingElement, "rulingElement", "Ruling Element"},
    {DecanateField::ConstellationName, "constellationName", "Constellation Name"},
    {DecanateField::Keyword, "keyword", "Keyword"},
    {DecanateField::TreeZodiac, "treeZodiac", "Tree Zodiac"},
    {DecanateField::KarmicInfluence, "karmicInfluence", "Karmic Influence"},
    {DecanateField::MoreAboutTreeZodiac, "moreAboutTreeZodiac", "More About Tree Zodiac"},
    {DecanateField::MoreAboutDecanateSign, "moreAboutDecanateSign", "More About Decanate Sign"},
}};

static_assert(
    [] {
        for (std::size_t i = 0; i < kDecanateFields.size(); ++i)
            if (static_cast<std::size_t>(kDecanateFields[i].field) != i)
                return false;
        return true;
    }(),
    "kDecanateFields lists the fields in the order of DecanateField");

// The short names come first: kDecanateFields[0..5]; the interpretation texts follow.
inline constexpr std::size_t kShortDecanateFieldCount = 6;

constexpr const DecanateFieldName& NameOf(DecanateField field) noexcept
{
    return kDecanateFields[static_cast<std::size_t>(field)];
}

// A field's value in a row of the table or in a body's result alike (both name their fields the same).
template <typename Row> constexpr std::string_view FieldValue(const Row& row, DecanateField field) noexcept
{
    switch (field) {
    case DecanateField::DecanateSign:
        return row.DecanateSign;
    case DecanateField::RulingPlanet:
        return row.RulingPlanet;
    case DecanateField::RulingElement:
        return row.RulingElement;
    case DecanateField::ConstellationName:
        return row.ConstellationName;
    case DecanateField::Keyword:
        return row.Keyword;
    case DecanateField::TreeZodiac:
        return row.TreeZodiac;
    case DecanateField::KarmicInfluence:
        return row.KarmicInfluence;
    case DecanateField::MoreAboutTreeZodiac:
        return row.MoreAboutTreeZodiac;
    case DecanateField::MoreAboutDecanateSign:
        return row.MoreAboutDecanateSign;
    }
    return {};
}

} // namespace tessaline
