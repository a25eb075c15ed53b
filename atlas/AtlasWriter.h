// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/Result.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tessaline::atlas {

// Reads the text atlas (tools/atlas/generate.mjs describes it) and lays it out as the atlas file
// (AtlasFormat.h). The message names origin, the line and what is wrong with it.
Result<std::vector<std::byte>> ConvertAtlasText(std::string_view text, std::string_view origin);

} // namespace tessaline::atlas
