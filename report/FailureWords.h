// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "atlas/PlacedBirth.h"
#include "base/Result.h"
#include "chart/BirthArguments.h"

#include <string>
#include <string_view>
#include <utility>

namespace tessaline {

// The sentences of the core's failures, which both programs say alike but for how each quotes what was typed
// and where each sends the reader next: the chart tool to its options, the window to its boxes. Each program
// gives its own voice.
struct FailureVoice {
    std::string (*quoted)(std::string_view typed); // a place query as the program quotes it
    std::string_view noMatch; // "No place ... matches " before the query
    std::string_view noMatchNext; // after the nearest names: what to do instead
    std::string_view ambiguousNext; // after "is ambiguous": how to narrow it, before the candidates
    std::string_view autoZoneNext; // after "... and this birth names none: "
    std::string_view zoneListHint; // after "give its list position, 0 to 70"
    std::string_view ayanamsaHint; // after "no ayanamsa is called \"...\""
};

std::string FailureInWords(const BirthFailure& failure, const FailureVoice& voice);
std::string FailureInWords(const atlas::PlaceFailure& failure, const FailureVoice& voice);

// The value, or its failure in the voice's words.
template <typename T, typename F> Result<T> Worded(Result<T, F> result, const FailureVoice& voice)
{
    if (!result)
        return Fail(FailureInWords(result.error(), voice));
    return std::move(*result);
}

} // namespace tessaline
