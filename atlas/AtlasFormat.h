// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The place atlas as the programs read it: one file, mapped into memory and searched where it lies, never
// parsed. The build writes it from data/atlas/atlas.tsv (AtlasWriter.cpp, run by ConvertAtlas.cpp);
// AtlasFile.cpp maps and checks it. Writer and reader meet here only.
//
//   Header       magic, byte order, version, the file's own size, the number of sections, the checksum
//   Directory    one SectionEntry per section: what it holds, its record size, where it starts, how many
//   Sections     each at a multiple of 8 bytes from the start of the file, in the order of the directory,
//                none overlapping another (the small tables first, so that the opening checks them first):
//     Pool       every text, UTF-8, none terminated; records refer to it by offset and length. The texts the
//                opening reads (zones, countries, regions, the folding table) come first, then the folded
//                name keys in their sorted order (equal keys shared), then the places' names.
//     Zones      ZoneRecord: an IANA zone id; a place refers to it by its index
//     Countries  CountryRecord: ISO code, English name, the folded words a query narrows by
//     Regions    RegionRecord: first-level region name, its country, the folded words a query narrows by
//     Fold       FoldRecord by code point: what a code point folds to for searching
//     Places     Place (below) in the order of the text atlas; a result's ties go to the lower index
//     Keys       KeyRecord by folded text, then place, then which of its names: every name and other name
//     Ids        IdRecord by GeoNames id, then place
//     Source     the text atlas's source line: where the data came from
//
// All numbers are in the byte order of the computer that wrote the file; the header says which, and a file
// of the other order is refused. A reader takes any minor version of its major version and passes over
// sections it does not know; a section it knows has exactly its record size. Nothing in the file is
// trusted: the opening checks the header, the directory, the checksum of the whole file (FileChecksum: a
// changed byte anywhere is refused, not read as another place), the small tables and the order of the ids,
// and every offset and index of a place or a key is checked when it is used. Version 2 added the checksum
// and the folding of names in NFKC with full case folding first (a file of version 1 is refused).

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace tessaline::atlas {

// One place of the atlas, as the atlas file holds it. Its texts are in the atlas's pool: ask the atlas for
// them (Name, Alternates, Label). A place the atlas hands out has been checked: its texts and indexes lie
// within the atlas and its coordinates are on the globe.
struct Place {
    std::int32_t latitudeThousandths = 0; // north positive
    std::int32_t longitudeThousandths = 0; // east positive
    std::int32_t population = 0;
    std::int32_t geonamesId = 0;
    std::uint32_t textOffset = 0; // in the pool: the name, then the other names joined by '|'
    std::uint16_t nameLength = 0;
    std::uint16_t alternatesLength = 0;
    std::uint16_t country = 0;
    std::uint16_t region = 0; // kNoRegion when the place has none
    std::uint16_t zone = 0;
    char kind = ' '; // C capital, A seat of a division, S section of a city, H historical, ' ' otherwise
    std::uint8_t reserved = 0;

    static constexpr std::uint16_t kNoRegion = 0xFFFF;
    double Latitude() const noexcept { return latitudeThousandths / 1000.0; }
    double Longitude() const noexcept { return longitudeThousandths / 1000.0; }
};

} // namespace tessaline::atlas

namespace tessaline::atlas::format {

// The text atlas (data/atlas/atlas.tsv, tools/atlas/generate.mjs) starts with kTextMagic, then its version:
// its first line is "TESSALINE-ATLAS<tab>1". A file that starts so is read as text, whatever its version.
inline constexpr std::string_view kTextMagic = "TESSALINE-ATLAS\t";
inline constexpr std::string_view kTextVersion = "1";

// The atlas file starts with kMagic.
inline constexpr std::array<char, 8> kMagic{'T', 'S', 'L', 'A', 'T', 'L', 'A', 'S'};
inline constexpr std::uint32_t kByteOrder = 0x01020304;
inline constexpr std::uint16_t kVersionMajor = 2;
inline constexpr std::uint16_t kVersionMinor = 0;
inline constexpr std::uint32_t kSectionAlignment = 8;
inline constexpr std::uint32_t kMaxSections = 64;

struct Header {
    std::array<char, 8> magic;
    std::uint32_t byteOrder;
    std::uint16_t versionMajor;
    std::uint16_t versionMinor;
    std::uint64_t fileSize;
    std::uint32_t sectionCount;
    std::uint32_t reserved;
    std::uint64_t checksum; // FileChecksum of the file
};
static_assert(sizeof(Header) == 40);

enum class SectionId : std::uint32_t {
    Pool = 1,
    Zones = 2,
    Countries = 3,
    Regions = 4,
    Fold = 5,
    Places = 6,
    Keys = 7,
    Ids = 8,
    Source = 9,
};

struct SectionEntry {
    SectionId id;
    std::uint32_t recordSize;
    std::uint64_t offset; // from the start of the file
    std::uint64_t count; // records
};
static_assert(sizeof(SectionEntry) == 24);

// A text of the pool.
struct TextRef {
    std::uint32_t offset;
    std::uint32_t length;
};

struct ZoneRecord {
    TextRef id;
};

struct CountryRecord {
    TextRef code;
    TextRef name;
    TextRef words; // folded "name code"
};

struct RegionRecord {
    TextRef name;
    TextRef words; // folded "region country-name country-code", then its names in the country's languages
    std::uint16_t country;
    std::uint16_t reserved;
    std::uint32_t reserved2;
};

struct FoldRecord {
    std::uint32_t codePoint;
    TextRef folded;
};

// One name of a place under its folded text. What ranks the match (population, kind) is copied from the
// place, so that a search reads the keys alone until it has its best few.
struct KeyRecord {
    std::uint32_t text; // offset in the pool of the folded text
    std::uint32_t place;
    std::int32_t population;
    std::uint16_t alternate; // 0 for the name, n for the n-th other name
    std::uint8_t length; // of the folded text, in bytes
    char kind;
};

struct IdRecord {
    std::int32_t geonamesId;
    std::uint32_t place;
};

static_assert(sizeof(ZoneRecord) == 8 && sizeof(CountryRecord) == 24 && sizeof(RegionRecord) == 24);
static_assert(sizeof(FoldRecord) == 12 && sizeof(KeyRecord) == 16 && sizeof(IdRecord) == 8);
static_assert(sizeof(Place) == 32 && alignof(Place) <= kSectionAlignment);

// The XXH64 hash of size bytes (its reference's values: the empty text with seed 0 is 0xEF46DB3751D8E999),
// words read in little-endian order on any computer.
std::uint64_t Hash64(const std::byte* data, std::size_t size, std::uint64_t seed) noexcept;
// What the header's checksum holds: the hash of the file, the header's checksum counted as nought (the hash
// of the header so counted seeds the hash of the rest). releasePages, for a file mapped read-only: each
// piece's pages are handed back (MADV_DONTNEED) once summed.
std::uint64_t FileChecksum(const std::byte* file, std::size_t size, bool releasePages = false) noexcept;

} // namespace tessaline::atlas::format
