// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/FailureWords.h"

namespace tessaline {

namespace {

std::string Quoted(std::string_view query)
{
    return "\u201c" + atlas::QueryShown(query) + "\u201d";
}

} // namespace

// The window's: typographic quotes, and its boxes and lists to go on with.
constexpr FailureVoice kWindowVoice{
    .quoted = Quoted,
    .noMatch = "No place matches ",
    .noMatchNext = " Or enter the coordinates and the zone by hand.",
    .ambiguousNext = "; these are the likeliest:",
    .autoZoneNext = "choose a place, or a zone of the list",
    .zoneListHint = "",
    .ayanamsaHint = "",
};

} // namespace tessaline
