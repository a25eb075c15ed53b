// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "atlas/AtlasFormat.h"
#include "atlas/Clock.h"
#include "base/Result.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tessaline::atlas {

// A search result: the place and, when it was found by another of its names, that name; whether that name
// was typed whole (not only its start).
struct Match {
    const Place* place = nullptr;
    std::string_view alternate;
    double score = 0.0;
    bool whole = false;
    // What the place weighs in the ranking: its population, a hundredth of it for another of its names, a
    // twentieth more for a section of a city.
    double Weight() const noexcept;
};

// The place atlas: names, coordinates, populations and clock zones of some 200,000 places. The file is
// mapped and searched where it lies, so opening it costs a few system calls and one pass of its checksum
// over the file (a few milliseconds), and its pages are shared with every other program that has it open.
// Searching folds case and diacritics the way the generator did, from
// the folding table the file carries. Everything but loading is const and keeps no state: any number of
// threads may search one atlas at once.
class Atlas
{
public:
    using Loaded = Result<std::unique_ptr<Atlas>>;

    // Maps the atlas file and checks it; the message names the file and what is wrong with it. A text atlas
    // (data/atlas/atlas.tsv) is read too, converted in memory: slower, for a file set by hand.
    static Loaded Load(const std::filesystem::path& file);
    // The text atlas already in memory (the tests' small atlases); origin names it in messages.
    static Loaded Parse(std::string_view text, std::string_view origin);
    // An atlas file already in memory, checked as Load checks it.
    static Loaded FromImage(std::vector<std::byte> image, std::string_view origin);

    Atlas(const Atlas&) = delete;
    Atlas& operator=(const Atlas&) = delete;
    ~Atlas();

    // Lower case, diacritics removed, every run of non-letters one blank: "Saint-Étienne" -> "saint etienne".
    std::string Fold(std::string_view text) const;

    // Places whose name or other name starts with the query's first words, the remaining words narrowing
    // by region or country ("springfield illinois"); best first: a name typed whole before one typed only in
    // part, then by weight (Match::Weight); equal scores by the atlas's order. At most limit places (a
    // screenful: the cost grows with it), each once. Nothing for a query of more than kMostQueryWords words:
    // no place has so many, and each word more is another pass over the index.
    std::vector<Match> Search(std::string_view query, std::size_t limit) const;
    static constexpr std::size_t kMostQueryWords = 12;
    // Whether Search would find this place for the query, however many others it finds before it.
    bool Finds(std::string_view query, const Place& place) const;
    // The number of words of a query as Search folds it.
    std::size_t QueryWords(std::string_view query) const;

    // The names nearest a query that matches nothing: at most limit names of places (each name once) whose
    // folded name or other name is a few letters' edits from the query's folded text ("springfeld":
    // Springfield; "munchin": Munich), the nearest first, then the largest place.
    std::vector<std::string> NearestNames(std::string_view query, std::size_t limit) const;

    const Place* FindId(std::int32_t geonamesId) const;

    std::string_view Name(const Place& place) const;
    std::string_view Alternates(const Place& place) const; // joined by '|', empty when none
    // "Springfield, Illinois, United States" (the region left out when there is none).
    std::string Label(const Place& place) const;
    // The place's clocks through time, named by its zone ("America/Chicago").
    InstantClock Clock(const Place& place) const;
    // "39.80°N 89.64°W · 116,565 people · America/Chicago": what tells equal labels apart.
    std::string Detail(const Place& place) const;

    std::string_view ZoneId(const Place& place) const;
    std::string_view CountryName(const Place& place) const;
    std::string_view CountryCode(const Place& place) const;
    std::string_view RegionName(const Place& place) const;

    // Every place as the file holds it, unchecked.
    std::span<const Place> Places() const noexcept { return places_; }
    const std::vector<std::string_view>& Zones() const noexcept { return zones_; }
    // Where the data came from (the text atlas's source line).
    std::string_view Source() const noexcept { return source_; }

    // Bytes the opened atlas holds on the heap, and the size of the file it maps, for the benchmarks.
    std::size_t HeapBytes() const noexcept;
    std::size_t FileBytes() const noexcept { return size_; }

private:
    Atlas() = default;
    static Loaded Open(std::unique_ptr<Atlas> atlas, std::string_view origin);
    // Load's way with a text atlas (TextAtlas.cpp): Parse, and lack of memory said in words.
    static Loaded LoadText(std::string_view text, std::string_view origin);

    std::vector<std::byte> owned_; // the image when it is not mapped
    const std::byte* data_ = nullptr;
    std::size_t size_ = 0;
    bool mapped_ = false;

    std::string_view pool_;
    std::span<const format::CountryRecord> countries_;
    std::span<const format::RegionRecord> regions_;
    std::span<const format::FoldRecord> fold_;
    std::span<const Place> places_;
    std::span<const format::KeyRecord> keys_;
    std::span<const format::IdRecord> ids_;
    std::vector<std::string_view> zones_;
    std::string_view source_;

    std::string_view Text(format::TextRef ref) const;
    std::string_view KeyText(const format::KeyRecord& key) const;
    bool Valid(const Place& place) const noexcept;
    // Reads the zones and checks the small tables and the id index: what is wrong, if anything.
    std::optional<std::string> CheckTables(std::span<const format::ZoneRecord> zones);
    std::string_view AlternateName(const Place& place, std::size_t n) const;
    std::string_view NarrowingWords(const Place& place) const;
};

// How a failure to load the atlas for lack of memory begins: a program may stop its run for it rather than
// refuse the one birth that asked for a place.
inline constexpr std::string_view kNotEnoughMemory = "Not enough memory";

// The atlas file the programs use: $TESSALINE_ATLAS when set, else share/tessaline/atlas.bin beside the
// executable's folder, else the installed copy, else the build tree's (a build that was never installed).
// Nothing when none of them exists.
std::optional<std::filesystem::path> FindAtlasFile(const std::filesystem::path& executableFolder);

} // namespace tessaline::atlas
