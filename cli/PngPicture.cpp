// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/PngPicture.h"

#include "cli/PngModule.h"

#include <cstdlib>
#include <dlfcn.h>

namespace tessaline::cli {

namespace {

using StartFunction = void (*)();
using DrawFunction = int (*)(const char*, std::size_t, int, TessalinePngText*, TessalinePngText*);

// The module's two functions once loaded; set on the main thread before any worker draws.
DrawFunction gDraw = nullptr;

std::string Taken(TessalinePngText& text)
{
    std::string taken = text.bytes != nullptr ? std::string(text.bytes, text.size) : std::string();
    std::free(text.bytes);
    text = {};
    return taken;
}

} // namespace

Status StartDrawing()
{
    if (gDraw != nullptr)
        return {};
    std::string reasons;
    // The installed module first, as the atlas is found; then the one the build tree made.
    for (const char* path : {TESSALINE_PNG_MODULE_INSTALLED, TESSALINE_PNG_MODULE_BUILT}) {
        void* module = ::dlopen(path, RTLD_NOW | RTLD_LOCAL);
        if (module == nullptr) {
            const char* why = ::dlerror();
            reasons += (reasons.empty() ? "" : "; ") + std::string(why != nullptr ? why : path);
            continue;
        }
        const auto start = reinterpret_cast<StartFunction>(::dlsym(module, "tessaline_png_start"));
        const auto draw = reinterpret_cast<DrawFunction>(::dlsym(module, "tessaline_png_draw"));
        if (start == nullptr || draw == nullptr) {
            reasons += (reasons.empty() ? "" : "; ") + std::string(path) + " is not the drawing module";
            continue;
        }
        start();
        gDraw = draw;
        return {};
    }
    return Fail("the module that draws them could not be loaded (" + reasons + ")");
}

Result<std::string> PngOfSvg(std::string_view svg, int width)
{
    if (gDraw == nullptr)
        return Fail(std::string("the module that draws them was not loaded"));
    TessalinePngText png{};
    TessalinePngText failure{};
    if (gDraw(svg.data(), svg.size(), width, &png, &failure) == 1)
        return Taken(png);
    std::string why = Taken(failure);
    return Fail(why.empty() ? std::string("not enough memory to draw the picture") : why);
}

} // namespace tessaline::cli
