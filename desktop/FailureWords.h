// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "report/FailureWords.h"

namespace tessaline {

// What the core reports, in the window's words: they point to its boxes and lists, and quote what was
// typed in typographic quotes.
extern const FailureVoice kWindowVoice;

} // namespace tessaline
