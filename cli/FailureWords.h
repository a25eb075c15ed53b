// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "atlas/PlacedBirth.h"
#include "base/Result.h"
#include "chart/BirthArguments.h"

#include <string>
#include <utility>

namespace tessaline::cli {

// What the core reports, in the chart tool's words: they point to its options (--zones, --places NAME,
// --place-id) and quote what was typed in straight quotes.
std::string InWords(const BirthFailure& failure);
std::string InWords(const atlas::PlaceFailure& failure);

// The value, or its failure in the chart tool's words.
template <typename T, typename F> Result<T> Worded(Result<T, F> result)
{
    if (!result)
        return Fail(InWords(result.error()));
    return std::move(*result);
}

} // namespace tessaline::cli
