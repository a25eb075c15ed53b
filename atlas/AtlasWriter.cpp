// SPDX-License-Identifier: GPL-3.0-or-later
#include "atlas/AtlasWriter.h"

#include "atlas/AtlasFormat.h"
#include "atlas/Folding.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <map>
#include <numeric>
#include <optional>

namespace tessaline::atlas {

namespace {

constexpr std::size_t kMaxKeyLength = std::numeric_limits<std::uint8_t>::max();
constexpr std::size_t kMaxNameLength = std::numeric_limits<std::uint16_t>::max();

// Splits text at a separator into at most N views; how many there were.
template <std::size_t N>
std::size_t Split(std::string_view text, char separator, std::array<std::string_view, N>& parts)
{
    std::size_t count = 0;
    while (count < N) {
        const auto at = text.find(separator);
        parts[count++] = text.substr(0, at);
        if (at == std::string_view::npos)
            return count;
        text.remove_prefix(at + 1);
    }
    return N + 1; // more fields than expected
}

template <typename T> bool Number(std::string_view text, T& value, int base = 10)
{
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
    return error == std::errc{} && end == text.data() + text.size() && !text.empty();
}

class Lines
{
public:
    explicit Lines(std::string_view text)
        : rest_(text)
    { }
    bool Next(std::string_view& line)
    {
        if (rest_.empty()) {
            ++number_; // a message about the line that is missing names its number
            return false;
        }
        const auto at = rest_.find('\n');
        line = rest_.substr(0, at);
        rest_.remove_prefix(at == std::string_view::npos ? rest_.size() : at + 1);
        ++number_;
        return true;
    }
    std::size_t Number() const noexcept { return number_; }

private:
    std::string_view rest_;
    std::size_t number_ = 0;
};

// The texts of the file, one after the other; false once they outgrow the offsets' 32 bits.
class Pool
{
public:
    format::TextRef Add(std::string_view text)
    {
        const format::TextRef ref{static_cast<std::uint32_t>(bytes_.size()), static_cast<std::uint32_t>(text.size())};
        if (text.size() > std::numeric_limits<std::uint32_t>::max() - bytes_.size())
            full_ = true;
        else
            bytes_ += text;
        return ref;
    }
    std::size_t Size() const noexcept { return bytes_.size(); }
    bool Full() const noexcept { return full_; }
    const std::string& Bytes() const noexcept { return bytes_; }

private:
    std::string bytes_;
    bool full_ = false;
};

struct TextPlace {
    Place record;
    std::string_view name;
    std::string_view alternates;
};

struct PendingKey {
    std::uint32_t offset; // into the folded texts
    std::uint32_t place;
    std::uint16_t length;
    std::uint16_t alternate;
};

// The text atlas as read: its tables as text, the places' records without their texts' offsets, and every
// name's folded key.
struct TextTables {
    std::string_view source;
    std::vector<std::string_view> zones;
    std::vector<std::string_view> countryCodes;
    std::vector<std::string_view> countryNames;
    std::vector<std::uint16_t> regionCountry;
    std::vector<std::string_view> regionNames;
    std::vector<std::string_view> regionOwnNames; // in the country's languages, joined by '|'
    std::map<char32_t, std::string_view> foldTable; // the first row of a code point counts
    std::size_t placesLine = 0; // the place of index i is on the line placesLine + 1 + i
    std::vector<TextPlace> places;
    std::string keyText; // the folded keys, one after the other
    std::vector<PendingKey> keys;

    std::string Fold(std::string_view name) const
    {
        return detail::FoldText(name, [this](char32_t cp) -> std::optional<std::string_view> {
            const auto found = foldTable.find(cp);
            return found == foldTable.end() ? std::nullopt : std::optional(found->second);
        });
    }
    std::string_view KeyOf(const PendingKey& key) const
    {
        return std::string_view(keyText).substr(key.offset, key.length);
    }
};

// Reads the text atlas section by section; a failure names the line and what is wrong with it.
class TextReader
{
public:
    TextReader(std::string_view text, std::string_view origin)
        : lines_(text)
        , origin_(origin)
    { }

    Result<TextTables> Read()
    {
        TextTables tables;
        if (!lines_.Next(line_) || !line_.starts_with(format::kTextMagic)
            || line_.substr(format::kTextMagic.size()) != format::kTextVersion)
            return Fail('"' + std::string(origin_) + "\" is not a place atlas of this program");
        if (!lines_.Next(line_) || !line_.starts_with("source\t"))
            return Damaged("no source line");
        tables.source = line_.substr(7);
        for (const auto step : {&TextReader::ReadZones, &TextReader::ReadCountries, &TextReader::ReadRegions,
                                &TextReader::ReadFold, &TextReader::ReadPlaces})
            if (Status read = (this->*step)(tables); !read)
                return Fail(std::move(read).error());
        if (lines_.Next(line_) && !line_.empty())
            return Damaged("text after the last place");
        return tables;
    }

private:
    Unexpected<std::string> Damaged(std::string_view what) const
    {
        return Fail("The place atlas \"" + std::string(origin_) + "\" is damaged at line "
                    + std::to_string(lines_.Number()) + ": " + std::string(what)
                    + "; mend that line, or use the atlas.bin that came with the program");
    }
    // A section header: its name, a tab, its line count.
    bool Section(std::string_view name, std::size_t& count)
    {
        std::array<std::string_view, 2> parts;
        return lines_.Next(line_) && Split(line_, '\t', parts) == 2 && parts[0] == name && Number(parts[1], count);
    }

    Status ReadZones(TextTables& tables)
    {
        std::size_t count = 0;
        if (!Section("zones", count) || count > 0xFFFF)
            return Damaged("expected the zones");
        for (std::size_t i = 0; i < count; ++i) {
            if (!lines_.Next(line_) || line_.empty())
                return Damaged("a zone is missing");
            tables.zones.push_back(line_);
        }
        return {};
    }

    Status ReadCountries(TextTables& tables)
    {
        std::size_t count = 0;
        if (!Section("countries", count) || count > 0xFFFF)
            return Damaged("expected the countries");
        for (std::size_t i = 0; i < count; ++i) {
            std::array<std::string_view, 2> parts;
            if (!lines_.Next(line_) || Split(line_, '\t', parts) != 2)
                return Damaged("a country is not a code and a name");
            tables.countryCodes.push_back(parts[0]);
            tables.countryNames.push_back(parts[1]);
        }
        return {};
    }

    Status ReadRegions(TextTables& tables)
    {
        std::size_t count = 0;
        if (!Section("regions", count) || count >= Place::kNoRegion)
            return Damaged("expected the regions");
        for (std::size_t i = 0; i < count; ++i) {
            std::array<std::string_view, 3> parts;
            const std::size_t fields = lines_.Next(line_) ? Split(line_, '\t', parts) : 0;
            if (fields != 2 && fields != 3)
                return Damaged("a region is not a country code and a name");
            const auto& codes = tables.countryCodes;
            const auto country = std::find(codes.begin(), codes.end(), parts[0]);
            if (country == codes.end())
                return Damaged("a region of an unknown country");
            tables.regionCountry.push_back(static_cast<std::uint16_t>(country - codes.begin()));
            tables.regionNames.push_back(parts[1]);
            tables.regionOwnNames.push_back(fields == 3 ? parts[2] : std::string_view());
        }
        return {};
    }

    Status ReadFold(TextTables& tables)
    {
        std::size_t count = 0;
        if (!Section("fold", count))
            return Damaged("expected the folding table");
        for (std::size_t i = 0; i < count; ++i) {
            std::array<std::string_view, 2> parts;
            std::uint32_t codePoint = 0;
            if (!lines_.Next(line_) || Split(line_, '\t', parts) != 2 || !Number(parts[0], codePoint, 16))
                return Damaged("a folding row is not a code point and its folded form");
            tables.foldTable.emplace(static_cast<char32_t>(codePoint), parts[1]);
        }
        return {};
    }

    Status ReadPlaces(TextTables& tables)
    {
        std::size_t count = 0;
        if (!Section("places", count))
            return Damaged("expected the places");
        tables.placesLine = lines_.Number();
        for (std::size_t i = 0; i < count; ++i) {
            if (Status read = ReadPlace(tables); !read)
                return read;
            if (Status keyed = AddKeys(tables); !keyed)
                return keyed;
        }
        return {};
    }

    Status ReadPlace(TextTables& tables)
    {
        std::array<std::string_view, 10> f;
        if (!lines_.Next(line_) || Split(line_, '\t', f) != f.size())
            return Damaged("a place does not have its ten fields");
        TextPlace place;
        Place& p = place.record;
        place.name = f[0];
        place.alternates = f[1];
        std::uint32_t region = Place::kNoRegion;
        if (f[0].empty() || !Number(f[2], p.country) || p.country >= tables.countryCodes.size()
            || (!f[3].empty() && (!Number(f[3], region) || region >= tables.regionNames.size()))
            || !Number(f[4], p.latitudeThousandths) || std::abs(p.latitudeThousandths) > 90000
            || !Number(f[5], p.longitudeThousandths) || std::abs(p.longitudeThousandths) > 180000
            || !Number(f[6], p.population) || p.population < 0 || !Number(f[7], p.zone) || p.zone >= tables.zones.size()
            || f[8].size() > 1 || !Number(f[9], p.geonamesId))
            return Damaged("a place field is out of range");
        if (place.name.size() > kMaxNameLength || place.alternates.size() > kMaxNameLength)
            return Damaged("a place's names are longer than 65,535 bytes");
        p.region = static_cast<std::uint16_t>(region);
        p.kind = f[8].empty() ? ' ' : f[8][0];
        tables.places.push_back(place);
        return {};
    }

    // The folded keys of the last place's name and other names.
    Status AddKeys(TextTables& tables)
    {
        const TextPlace& place = tables.places.back();
        const auto index = static_cast<std::uint32_t>(tables.places.size() - 1);
        names_.assign(1, {place.name, 0});
        std::uint16_t n = 0;
        for (std::string_view rest = place.alternates; !rest.empty();) {
            const auto bar = rest.find('|');
            names_.emplace_back(rest.substr(0, bar), ++n);
            rest.remove_prefix(bar == std::string_view::npos ? rest.size() : bar + 1);
        }
        for (const auto& [name, alternate] : names_) {
            const std::string key = tables.Fold(name);
            if (key.empty())
                continue;
            if (key.size() > kMaxKeyLength)
                return Damaged("a name is longer than 255 bytes when folded");
            tables.keys.push_back(PendingKey{static_cast<std::uint32_t>(tables.keyText.size()), index,
                                             static_cast<std::uint16_t>(key.size()), alternate});
            tables.keyText += key;
        }
        if (tables.keyText.size() > std::numeric_limits<std::uint32_t>::max() / 2)
            return Damaged("the names are too many for one atlas");
        return {};
    }

    Lines lines_;
    std::string_view origin_;
    std::string_view line_;
    std::vector<std::pair<std::string_view, std::uint16_t>> names_;
};

// The records of the small tables, their texts added to the pool: the texts the opening reads first.
struct SmallTables {
    std::vector<format::ZoneRecord> zones;
    std::vector<format::CountryRecord> countries;
    std::vector<format::RegionRecord> regions;
    std::vector<format::FoldRecord> fold;
};

SmallTables LayOutSmallTables(const TextTables& tables, Pool& pool)
{
    SmallTables small;
    small.zones.reserve(tables.zones.size());
    for (std::string_view zone : tables.zones)
        small.zones.push_back({pool.Add(zone)});
    std::vector<std::string> countryWords;
    for (std::size_t c = 0; c < tables.countryCodes.size(); ++c) {
        countryWords.push_back(tables.Fold(tables.countryNames[c]) + ' ' + tables.Fold(tables.countryCodes[c]));
        small.countries.push_back(
            {pool.Add(tables.countryCodes[c]), pool.Add(tables.countryNames[c]), pool.Add(countryWords[c])});
    }
    for (std::size_t r = 0; r < tables.regionNames.size(); ++r) {
        // A query narrows by the region's name in English or in its own languages ("München, Bayern").
        std::string words = tables.Fold(tables.regionNames[r]) + ' ' + countryWords[tables.regionCountry[r]];
        if (!tables.regionOwnNames[r].empty())
            words += ' ' + tables.Fold(tables.regionOwnNames[r]);
        small.regions.push_back({pool.Add(tables.regionNames[r]), pool.Add(words), tables.regionCountry[r], 0, 0});
    }
    small.fold.reserve(tables.foldTable.size());
    for (const auto& [codePoint, folded] : tables.foldTable)
        small.fold.push_back({static_cast<std::uint32_t>(codePoint), pool.Add(folded)});
    return small;
}

// The keys in their sorted order, equal folded texts sharing one text of the pool.
std::vector<format::KeyRecord> LayOutKeys(TextTables& tables, Pool& pool)
{
    auto& keys = tables.keys;
    std::sort(keys.begin(), keys.end(), [&](const PendingKey& x, const PendingKey& y) {
        const int order = tables.KeyOf(x).compare(tables.KeyOf(y));
        return order != 0 ? order < 0 : x.place != y.place ? x.place < y.place : x.alternate < y.alternate;
    });
    std::vector<format::KeyRecord> records;
    records.reserve(keys.size());
    format::TextRef last{0, 0};
    for (std::size_t k = 0; k < keys.size(); ++k) {
        if (k == 0 || tables.KeyOf(keys[k]) != tables.KeyOf(keys[k - 1]))
            last = pool.Add(tables.KeyOf(keys[k]));
        const Place& place = tables.places[keys[k].place].record;
        records.push_back({last.offset, keys[k].place, place.population, keys[k].alternate,
                           static_cast<std::uint8_t>(keys[k].length), place.kind});
    }
    return records;
}

// The places with their names and other names added to the pool.
std::vector<Place> LayOutPlaces(const TextTables& tables, Pool& pool)
{
    std::vector<Place> records;
    records.reserve(tables.places.size());
    for (const TextPlace& place : tables.places) {
        Place record = place.record;
        record.textOffset = pool.Add(place.name).offset;
        pool.Add(place.alternates);
        record.nameLength = static_cast<std::uint16_t>(place.name.size());
        record.alternatesLength = static_cast<std::uint16_t>(place.alternates.size());
        records.push_back(record);
    }
    return records;
}

std::vector<format::IdRecord> SortedIds(const TextTables& tables)
{
    std::vector<format::IdRecord> ids(tables.places.size());
    for (std::size_t i = 0; i < tables.places.size(); ++i)
        ids[i] = {tables.places[i].record.geonamesId, static_cast<std::uint32_t>(i)};
    std::sort(ids.begin(), ids.end(), [](const format::IdRecord& x, const format::IdRecord& y) {
        return x.geonamesId != y.geonamesId ? x.geonamesId < y.geonamesId : x.place < y.place;
    });
    return ids;
}

// Sections in the order they are laid out, each with its records as bytes.
class Image
{
public:
    template <typename Record> void Add(format::SectionId id, const std::vector<Record>& records)
    {
        sections_.push_back({id, sizeof(Record), records.size(), {}});
        auto& bytes = sections_.back().bytes;
        bytes.resize(records.size() * sizeof(Record));
        if (!records.empty())
            std::memcpy(bytes.data(), records.data(), bytes.size());
    }
    void AddBytes(format::SectionId id, std::string_view text)
    {
        sections_.push_back({id, 1, text.size(), {}});
        sections_.back().bytes.resize(text.size());
        if (!text.empty())
            std::memcpy(sections_.back().bytes.data(), text.data(), text.size());
    }
    std::vector<std::byte> Write() const
    {
        const auto aligned = [](std::uint64_t at) {
            return (at + format::kSectionAlignment - 1) / format::kSectionAlignment * format::kSectionAlignment;
        };
        std::uint64_t at = aligned(sizeof(format::Header) + sections_.size() * sizeof(format::SectionEntry));
        std::vector<format::SectionEntry> directory;
        for (const auto& section : sections_) {
            directory.push_back({section.id, section.recordSize, at, section.count});
            at = aligned(at + section.bytes.size());
        }
        const format::Header header{format::kMagic,
                                    format::kByteOrder,
                                    format::kVersionMajor,
                                    format::kVersionMinor,
                                    at,
                                    static_cast<std::uint32_t>(sections_.size()),
                                    0,
                                    0};
        std::vector<std::byte> image(at);
        std::memcpy(image.data(), &header, sizeof header);
        std::memcpy(image.data() + sizeof header, directory.data(), directory.size() * sizeof(format::SectionEntry));
        for (std::size_t i = 0; i < sections_.size(); ++i)
            if (!sections_[i].bytes.empty())
                std::memcpy(image.data() + directory[i].offset, sections_[i].bytes.data(), sections_[i].bytes.size());
        const std::uint64_t checksum = format::FileChecksum(image.data(), image.size());
        std::memcpy(image.data() + offsetof(format::Header, checksum), &checksum, sizeof checksum);
        return image;
    }

private:
    struct Section {
        format::SectionId id;
        std::uint32_t recordSize;
        std::uint64_t count;
        std::vector<std::byte> bytes;
    };
    std::vector<Section> sections_;
};

// A GeoNames id given to two places (ids sorted by id, then place): --place-id and a batch's place_id would
// find only one of them, so the atlas is refused, naming both lines.
std::optional<std::string> RepeatedId(const std::vector<format::IdRecord>& ids, std::string_view origin,
                                      std::size_t placesLine)
{
    const auto repeated = std::adjacent_find(ids.begin(), ids.end(),
                                             [](const auto& x, const auto& y) { return x.geonamesId == y.geonamesId; });
    if (repeated == ids.end())
        return std::nullopt;
    return "The place atlas \"" + std::string(origin) + "\" is damaged at line "
        + std::to_string(placesLine + 1 + repeated[1].place) + ": GeoNames id " + std::to_string(repeated->geonamesId)
        + " is given again (first at line " + std::to_string(placesLine + 1 + repeated->place)
        + "); give each place its own id";
}

} // namespace

Result<std::vector<std::byte>> ConvertAtlasText(std::string_view text, std::string_view origin)
{
    Result<TextTables> tables = TextReader(text, origin).Read();
    if (!tables)
        return Fail(std::move(tables).error());
    // The texts the opening reads first, then the keys in their order, then the places' names.
    Pool pool;
    const SmallTables small = LayOutSmallTables(*tables, pool);
    const std::vector<format::KeyRecord> keys = LayOutKeys(*tables, pool);
    const std::vector<Place> places = LayOutPlaces(*tables, pool);
    if (pool.Full())
        return Fail("The place atlas \"" + std::string(origin) + "\" holds more text than one atlas file can");
    const std::vector<format::IdRecord> ids = SortedIds(*tables);
    if (auto repeated = RepeatedId(ids, origin, tables->placesLine))
        return Fail(std::move(*repeated));

    // What the opening reads lies together at the start of the file.
    Image image;
    image.Add(format::SectionId::Zones, small.zones);
    image.Add(format::SectionId::Countries, small.countries);
    image.Add(format::SectionId::Regions, small.regions);
    image.Add(format::SectionId::Fold, small.fold);
    image.AddBytes(format::SectionId::Source, tables->source);
    image.AddBytes(format::SectionId::Pool, pool.Bytes());
    image.Add(format::SectionId::Keys, keys);
    image.Add(format::SectionId::Ids, ids);
    image.Add(format::SectionId::Places, places);
    return image.Write();
}

} // namespace tessaline::atlas
