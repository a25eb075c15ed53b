// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "chart/ChartState.h"

#include <array>
#include <optional>
#include <string_view>

namespace tessaline {

// The traditions that give each decanate its sign and ruler. The decanate table's own (the triplicity
// decanates: each sign's thirds ruled by the three signs of its element) is the default; the others change
// only a decanate's sign, ruler and element, never its texts, which belong to its place in its sign.
enum class DecanScheme {
    Triplicity,
    Chaldean, // the faces: planets in the Chaldean order, no sign
    Parivritti, // the 36 decanates walking the signs three times from Aries
    Somanatha, // odd signs forward from Aries, even signs backward from Pisces
    Jagannatha, // the movable, fixed and dual sign of the sign's element
};

struct DecanSchemeName {
    DecanScheme scheme;
    std::string_view key; // on the command line, in JSON and CSV, in the settings
    std::string_view caption; // in menus and on pages
};

inline constexpr std::array<DecanSchemeName, 5> kDecanSchemes{{
    {DecanScheme::Triplicity, "triplicity", "Triplicity decanates"},
    {DecanScheme::Chaldean, "chaldean", "Chaldean faces"},
    {DecanScheme::Parivritti, "parivritti", "Parivritti drekkana"},
    {DecanScheme::Somanatha, "somanatha", "Somanatha drekkana"},
    {DecanScheme::Jagannatha, "jagannatha", "Jagannatha drekkana"},
}};

const DecanSchemeName& NameOf(DecanScheme scheme) noexcept;

// The scheme a key names, letter case aside; nothing for any other text.
std::optional<DecanScheme> DecanSchemeFromKey(std::string_view key) noexcept;

// Where a scheme puts one decanate.
struct DecanPlacement {
    int sign = -1; // 0 Aries .. 11 Pisces; -1 where the scheme places the decanate in no sign (a face)
    Body ruler = Body::Sun; // the ruling planet; the first named where the table names two
    std::string_view rulerName; // "Mars", "The Sun", "Pluto and Mars"
};

// The placement of a sign's decanate (signIndex 0..11, decanate 1..3) in a scheme; a pair out of range gets
// sign -1 and no ruler name.
DecanPlacement PlacementOf(DecanScheme scheme, SignDecanate decanate) noexcept;

// Whether the scheme puts every decanate in a sign (so the drekkana chart can be drawn in it).
constexpr bool PlacesInSigns(DecanScheme scheme) noexcept
{
    return scheme != DecanScheme::Chaldean;
}

} // namespace tessaline
