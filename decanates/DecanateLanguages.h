// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "decanates/DecanateTable.h"

#include <array>
#include <string_view>

namespace tessaline {

// A language the decanate table is written in: its code and its name as its readers write it.
struct DecanateLanguage {
    std::string_view code;
    std::string_view ownName;
};

// English first: the reference table every other is translated from.
inline constexpr std::array<DecanateLanguage, 6> kDecanateLanguages{{
    {"en", "English"},
    {"hi", "हिन्दी"},
    {"es", "Español"},
    {"de", "Deutsch"},
    {"fr", "Français"},
    {"pt_BR", "Português (Brasil)"},
}};

// The written language a locale name asks for: "es_MX.UTF-8" gives "es", "pt" and "pt_PT" give "pt_BR",
// "hi-IN" gives "hi"; "en" for English, "C", an empty name and any language not written.
std::string_view DecanateLanguageFor(std::string_view locale) noexcept;

// The table in the language a locale name asks for (as DecanateLanguageFor reads it).
const DecanateTable& DecanateTableIn(std::string_view locale) noexcept;

} // namespace tessaline
