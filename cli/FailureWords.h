// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "report/FailureWords.h"

namespace tessaline::cli {

// What the core reports, in the chart tool's words: they point to its options (--zones, --places NAME,
// --place-id) and quote what was typed in straight quotes.
extern const FailureVoice kToolVoice;

} // namespace tessaline::cli
