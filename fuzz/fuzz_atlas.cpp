// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as the atlas file (or, when they start as one, as the text atlas): refused with a message, or
// opened and then searched, and every place read through the atlas, without a read outside the file.
#include "atlas/Atlas.h"
#include "atlas/AtlasFormat.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

using tessaline::atlas::Atlas;

void Use(const Atlas& atlas, const tessaline::atlas::Place& place)
{
    const std::size_t bytes = atlas.Label(place).size() + atlas.Detail(place).size() + atlas.Alternates(place).size()
        + atlas.CountryCode(place).size();
    if (bytes == 0)
        __builtin_trap(); // a label has its commas
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    std::optional<Atlas::Loaded> loaded;
    if (text.starts_with("TESSALINE-ATLAS\t")) {
        loaded = Atlas::Parse(text, "fuzz.tsv");
    } else {
        std::vector<std::byte> image(size);
        if (size > 0)
            std::memcpy(image.data(), data, size);
        // The fuzzer would seldom keep the file's size in its header: for every other length write it there,
        // so that the damage it does reaches past the first check.
        tessaline::atlas::format::Header header{};
        if (size >= sizeof header && size % 2 == 0) {
            std::memcpy(&header, image.data(), sizeof header);
            header.fileSize = size;
            std::memcpy(image.data(), &header, sizeof header);
        }
        loaded = Atlas::FromImage(std::move(image), "fuzz.bin");
    }
    if (!*loaded)
        return 0;
    const Atlas& atlas = ***loaded;
    for (const char* query : {"a", "paris", "san", "paris texas", "s a b", "Île"})
        for (const auto& match : atlas.Search(query, 12))
            Use(atlas, *match.place);
    const auto places = atlas.Places();
    for (std::size_t i = 0; i < std::min<std::size_t>(places.size(), 64); ++i) {
        Use(atlas, places[i]);
        if (const auto* found = atlas.FindId(places[i].geonamesId))
            Use(atlas, *found);
    }
    return 0;
}
