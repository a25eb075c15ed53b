// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as the atlas file (or, when they start as one, as the text atlas): refused with a message, or
// opened and then searched, and every place read through the atlas, without a read outside the file. Bytes
// that start with "DIR" change the section directory of a small atlas instead (offsets, counts, record
// sizes, ids), the checksum written again, so that the change reaches the directory's checks. The bytes are
// also a query, and names are searched in decomposed, capital, fullwidth and ligature forms.
#include "atlas/Atlas.h"
#include "atlas/AtlasFormat.h"
#include "atlas/AtlasWriter.h"

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

void Seal(std::vector<std::byte>& image)
{
    using tessaline::atlas::format::FileChecksum;
    using tessaline::atlas::format::Header;
    if (image.size() < sizeof(Header))
        return;
    const std::uint64_t checksum = FileChecksum(image.data(), image.size());
    std::memcpy(image.data() + offsetof(Header, checksum), &checksum, sizeof checksum);
}

// The small atlas, each three bytes of the change one field of one directory entry: which entry and field,
// then a byte added to it (shifted by the field's byte the entry's fourth bit picks).
std::vector<std::byte> DirectoryChanged(std::string_view change)
{
    using namespace tessaline::atlas::format;
    constexpr std::string_view kSmall = "TESSALINE-ATLAS\t1\nsource\tfuzz\nzones\t1\nEurope/Paris\ncountries\t1\n"
                                        "FR\tFrance\nregions\t1\nFR\tÎle-de-France\nfold\t1\nce\ti\nplaces\t2\n"
                                        "Zürich\tZurigo\t0\t0\t47367\t8550\t341730\t0\tC\t2657896\n"
                                        "Αθήνα\tAthina\t0\t\t37984\t23728\t664046\t0\t\t264371\n";
    auto image = *tessaline::atlas::ConvertAtlasText(kSmall, "fuzz.tsv");
    Header header;
    std::memcpy(&header, image.data(), sizeof header);
    for (std::size_t at = 0; at + 3 <= change.size(); at += 3) {
        const auto entry = static_cast<unsigned char>(change[at]) % header.sectionCount;
        const auto field = static_cast<unsigned char>(change[at + 1]) % 4;
        const auto shift = (static_cast<unsigned char>(change[at]) >> 4) % 8 * 8;
        const std::uint64_t add = std::uint64_t{static_cast<unsigned char>(change[at + 2])} << shift;
        SectionEntry section;
        std::byte* where = image.data() + sizeof header + entry * sizeof section;
        std::memcpy(&section, where, sizeof section);
        if (field == 0)
            section.offset += add;
        else if (field == 1)
            section.count += add;
        else if (field == 2)
            section.recordSize += static_cast<std::uint32_t>(add);
        else
            section.id
                = static_cast<SectionId>(static_cast<std::uint32_t>(section.id) + static_cast<std::uint32_t>(add));
        std::memcpy(where, &section, sizeof section);
    }
    Seal(image);
    return image;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    std::optional<Atlas::Loaded> loaded;
    if (text.starts_with(tessaline::atlas::format::kTextMagic)) {
        loaded = Atlas::Parse(text, "fuzz.tsv");
    } else if (text.starts_with("DIR")) {
        loaded = Atlas::FromImage(DirectoryChanged(text.substr(3)), "fuzz.bin");
    } else {
        std::vector<std::byte> image(size);
        if (size > 0)
            std::memcpy(image.data(), data, size);
        // The fuzzer would seldom keep the file's size in its header, nor ever its checksum: for every other
        // length write the size there, and for every other of those the checksum, so that the damage it does
        // reaches past the first checks.
        tessaline::atlas::format::Header header{};
        if (size >= sizeof header && size % 2 == 0) {
            std::memcpy(&header, image.data(), sizeof header);
            header.fileSize = size;
            std::memcpy(image.data(), &header, sizeof header);
            if (size % 4 == 0)
                Seal(image);
        }
        loaded = Atlas::FromImage(std::move(image), "fuzz.bin");
    }
    if (!*loaded)
        return 0;
    const Atlas& atlas = ***loaded;
    const std::string_view queries[]
        = {"a",      "paris",        "san",    "paris texas", "s a b",
           "Île",    "Zu\u0308rich", "ZÜRICH", "ΑΘΗΝΑ",       "\uFF30\uFF21\uFF32\uFF29\uFF33",
           "\uFB01", "Zu\u00ADrich", text};
    for (const std::string_view query : queries)
        for (const auto& match : atlas.Search(query, 12))
            Use(atlas, *match.place);
    (void)atlas.NearestNames(text.substr(0, 64), 5);
    const auto places = atlas.Places();
    for (std::size_t i = 0; i < std::min<std::size_t>(places.size(), 64); ++i) {
        Use(atlas, places[i]);
        if (const auto* found = atlas.FindId(places[i].geonamesId))
            Use(atlas, *found);
    }
    return 0;
}
