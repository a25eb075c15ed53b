// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/Result.h"

#include <string>
#include <string_view>

namespace tessaline::cli {

// Makes the one graphical application that drawing a picture needs, on the offscreen platform unless
// QT_QPA_PLATFORM names another; call it on the main thread before the first PngOfSvg.
void StartDrawing();

// The SVG picture drawn as a PNG image width pixels wide (its height in the picture's proportion), its
// <title> and <desc> kept as the image's text chunks Title and Description; or why it could not be drawn.
Result<std::string> PngOfSvg(std::string_view svg, int width);

} // namespace tessaline::cli
