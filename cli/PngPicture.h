// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/Result.h"

#include <string>
#include <string_view>

namespace tessaline::cli {

// Loads the module that draws PNG pictures (installed beside the tool's other files, or the build tree's)
// and starts it; call it on the main thread before the first PngOfSvg. Why it could not, otherwise.
Status StartDrawing();

// The SVG picture drawn as a PNG image width pixels wide (its height in the picture's proportion), its
// <title> and <desc> kept as the image's text chunks Title and Description; or why it could not be drawn.
Result<std::string> PngOfSvg(std::string_view svg, int width);

} // namespace tessaline::cli
