// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/FailureWords.h"

namespace tessaline::cli {

namespace {

std::string Quoted(std::string_view query)
{
    return '"' + atlas::QueryShown(query) + '"';
}

} // namespace

// The chart tool's: straight quotes, and its options to go on with.
constexpr FailureVoice kToolVoice{
    .quoted = Quoted,
    .noMatch = "No place in the atlas matches ",
    .noMatchNext = " List the places of a name with --places NAME, or give --lon, --lat and --zone instead of a place",
    .ambiguousNext = " or --place-id with one of these ids:",
    .autoZoneNext = "give --place or --place-id, or a zone of --zones",
    .zoneListHint = " (see --zones)",
    .ayanamsaHint = " (see --ayanamsas)",
};

} // namespace tessaline::cli
