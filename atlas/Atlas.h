// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <variant>
#include <vector>

namespace tessaline::atlas {

// One place of the atlas. The texts are views of the loaded file and live as long as the Atlas.
struct Place {
    std::string_view name;
    std::string_view alternates; // other names joined by '|', empty when none
    std::int32_t latitudeThousandths = 0; // north positive
    std::int32_t longitudeThousandths = 0; // east positive
    std::int32_t population = 0;
    std::int32_t geonamesId = 0;
    std::uint16_t country = 0;
    std::uint16_t region = 0; // kNoRegion when the place has none
    std::uint16_t zone = 0;
    char kind = ' '; // C capital, A seat of a division, S section of a city, H historical, ' ' otherwise

    static constexpr std::uint16_t kNoRegion = 0xFFFF;
    double Latitude() const noexcept { return latitudeThousandths / 1000.0; }
    double Longitude() const noexcept { return longitudeThousandths / 1000.0; }
};

// A search result: the place and, when it was found by another of its names, that name.
struct Match {
    const Place* place = nullptr;
    std::string_view alternate;
    double score = 0.0;
};

// The place atlas: names, coordinates, populations and clock zones of some 200,000 places, read from the
// generated text file (tools/atlas/generate.mjs describes its format). Searching folds case and diacritics
// the way the generator did, from the folding table the file carries.
class Atlas
{
public:
    // Reads and checks the whole file; the message names the file and what is wrong with it.
    static std::variant<std::unique_ptr<Atlas>, std::string> Load(const std::filesystem::path& file);
    // The same for text already in memory (the tests' small atlases); origin names it in messages.
    static std::variant<std::unique_ptr<Atlas>, std::string> Parse(std::string text, std::string_view origin);

    // Lower case, diacritics removed, every run of non-letters one blank: "Saint-Étienne" -> "saint etienne".
    std::string Fold(std::string_view text) const;

    // Places whose name or other name starts with the query's first words, the remaining words narrowing
    // by region or country ("springfield illinois"); best first: population, less for another name or a
    // section of a city, more when the whole name was typed. At most limit places, each once.
    std::vector<Match> Search(std::string_view query, std::size_t limit) const;

    const Place* FindId(std::int32_t geonamesId) const;

    // "Springfield, Illinois, United States" (the region left out when there is none).
    std::string Label(const Place& place) const;
    // "39.80°N 89.64°W · 116,565 people · America/Chicago": what tells equal labels apart.
    std::string Detail(const Place& place) const;

    std::string_view ZoneId(const Place& place) const { return zones_[place.zone]; }
    std::string_view CountryName(const Place& place) const { return countryNames_[place.country]; }
    std::string_view CountryCode(const Place& place) const { return countryCodes_[place.country]; }
    std::string_view RegionName(const Place& place) const;

    const std::vector<Place>& Places() const noexcept { return places_; }
    const std::vector<std::string_view>& Zones() const noexcept { return zones_; }

    // Bytes the loaded atlas holds on the heap (text, places, index), for the benchmarks.
    std::size_t HeapBytes() const noexcept;

private:
    struct Key {
        std::uint32_t offset; // into keyText_
        std::uint32_t place;
        std::uint16_t length;
        std::uint16_t alternate; // 0 for the name, n for the n-th other name
    };

    std::string text_;
    std::vector<std::string_view> zones_;
    std::vector<std::string_view> countryCodes_;
    std::vector<std::string_view> countryNames_;
    std::vector<std::uint16_t> regionCountry_;
    std::vector<std::string_view> regionNames_;
    std::vector<std::string> regionWords_; // folded "region country-name country-code", by region
    std::vector<std::string> countryWords_; // folded "country-name country-code", by country
    std::unordered_map<char32_t, std::string> fold_;
    std::vector<Place> places_;
    std::string keyText_;
    std::vector<Key> keys_; // sorted by folded text
    std::unordered_map<std::int32_t, std::uint32_t> byId_;

    std::string_view KeyText(const Key& key) const { return {keyText_.data() + key.offset, key.length}; }
    std::string_view AlternateName(const Place& place, std::size_t n) const;
    bool Narrowed(const Place& place, const std::vector<std::string_view>& words) const;
};

// The atlas file the programs use: $TESSALINE_ATLAS when set, else share/tessaline/atlas.tsv beside the
// executable's folder, else the installed copy, else the source tree's (a build that was never installed).
// Nothing when none of them exists.
std::optional<std::filesystem::path> FindAtlasFile(const std::filesystem::path& executableFolder);

} // namespace tessaline::atlas
