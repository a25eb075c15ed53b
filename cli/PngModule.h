// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The module that draws the chart tool's PNG pictures through Qt's SVG renderer. It is loaded only when a
// run asks for PNG, so that every other run starts without Qt's libraries: two C functions, found by name.

#include <cstddef>

extern "C" {

// Bytes the module allocated with malloc; the caller frees them.
struct TessalinePngText {
    char* bytes;
    std::size_t size;
};

// Makes the one graphical application drawing needs, on the offscreen platform unless QT_QPA_PLATFORM names
// another; called once, on the main thread, before the first drawing.
void tessaline_png_start();

// The SVG drawn as a PNG image width pixels wide (its height in the picture's proportion), the picture's
// <title> and <desc> as the text chunks Title and Description: 1 with the image in png, 0 with the reason in
// failure (nothing in either when not even that could be allocated).
int tessaline_png_draw(const char* svg, std::size_t svgSize, int width, TessalinePngText* png,
                       TessalinePngText* failure);
}
