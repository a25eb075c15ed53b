// SPDX-License-Identifier: GPL-3.0-or-later
// An atlas read from the text atlas: converted in memory to the atlas file's layout, then opened as one.
#include "atlas/Atlas.h"
#include "atlas/AtlasWriter.h"

#include <new>

namespace tessaline::atlas {

Atlas::Loaded Atlas::Parse(std::string_view text, std::string_view origin)
{
    auto image = ConvertAtlasText(text, origin);
    if (!image)
        return Fail(std::move(image).error());
    return FromImage(std::move(*image), origin);
}

Atlas::Loaded Atlas::LoadText(std::string_view text, std::string_view origin)
{
    try {
        return Parse(text, origin);
    } catch (const std::bad_alloc&) {
        return Fail(std::string(kNotEnoughMemory) + " to read the text atlas \"" + std::string(origin)
                    + "\": use atlas.bin");
    }
}

} // namespace tessaline::atlas
