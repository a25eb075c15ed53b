// SPDX-License-Identifier: GPL-3.0-or-later
#include "atlas/Atlas.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace tessaline::atlas {

namespace {

constexpr std::string_view kMagic = "TESSALINE-ATLAS\t1";

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

// One UTF-8 code point from text at i, moving i past it; U+FFFD for a broken sequence.
char32_t NextCodePoint(std::string_view text, std::size_t& i)
{
    const auto byte = [&](std::size_t at) {
        return static_cast<unsigned char>(text[at]);
    };
    const unsigned char lead = byte(i);
    std::size_t length = lead < 0x80 ? 1
        : (lead >> 5) == 0x6         ? 2
        : (lead >> 4) == 0xE         ? 3
        : (lead >> 3) == 0x1E        ? 4
                                     : 0;
    if (length == 0 || i + length > text.size()) {
        ++i;
        return 0xFFFD;
    }
    char32_t cp = length == 1 ? lead : lead & (0x7F >> length);
    for (std::size_t k = 1; k < length; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80) {
            ++i;
            return 0xFFFD;
        }
        cp = (cp << 6) | (byte(i + k) & 0x3F);
    }
    i += length;
    return cp;
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

std::string Thousands(std::int64_t value)
{
    const std::string digits = std::to_string(value);
    std::string grouped;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            grouped += ',';
        grouped += digits[i];
    }
    return grouped;
}

bool StartsWithWord(std::string_view words, std::string_view prefix)
{
    // prefix starts some word of words
    for (std::size_t at = 0; at < words.size();) {
        if (words.substr(at).starts_with(prefix))
            return true;
        const auto blank = words.find(' ', at);
        if (blank == std::string_view::npos)
            return false;
        at = blank + 1;
    }
    return false;
}

} // namespace

std::variant<std::unique_ptr<Atlas>, std::string> Atlas::Load(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    if (!in)
        return "Cannot read the place atlas \"" + file.string() + "\"";
    std::ostringstream text;
    text << in.rdbuf();
    if (in.bad())
        return "Reading the place atlas \"" + file.string() + "\" failed";
    return Parse(std::move(text).str(), file.string());
}

std::variant<std::unique_ptr<Atlas>, std::string> Atlas::Parse(std::string text, std::string_view origin)
{
    auto atlas = std::unique_ptr<Atlas>(new Atlas);
    atlas->text_ = std::move(text);
    Lines lines(atlas->text_);
    std::string_view line;
    const auto fail = [&](std::string_view what) {
        return "The place atlas \"" + std::string(origin) + "\" is damaged at line " + std::to_string(lines.Number())
            + ": " + std::string(what);
    };
    if (!lines.Next(line) || line != kMagic) {
        std::string message(1, '"');
        message += origin;
        message += "\" is not a place atlas of this program";
        return message;
    }
    // A section header: its name, a tab, its line count.
    const auto section = [&](std::string_view name, std::size_t& count) {
        std::array<std::string_view, 2> parts;
        return lines.Next(line) && Split(line, '\t', parts) == 2 && parts[0] == name && Number(parts[1], count);
    };
    std::size_t count = 0;
    if (!lines.Next(line) || !line.starts_with("source\t"))
        return fail("no source line");

    if (!section("zones", count) || count > 0xFFFF)
        return fail("expected the zones");
    for (std::size_t i = 0; i < count; ++i) {
        if (!lines.Next(line) || line.empty())
            return fail("a zone is missing");
        atlas->zones_.push_back(line);
    }
    if (!section("countries", count) || count > 0xFFFF)
        return fail("expected the countries");
    for (std::size_t i = 0; i < count; ++i) {
        std::array<std::string_view, 2> parts;
        if (!lines.Next(line) || Split(line, '\t', parts) != 2)
            return fail("a country is not a code and a name");
        atlas->countryCodes_.push_back(parts[0]);
        atlas->countryNames_.push_back(parts[1]);
    }
    if (!section("regions", count) || count >= Place::kNoRegion)
        return fail("expected the regions");
    for (std::size_t i = 0; i < count; ++i) {
        std::array<std::string_view, 2> parts;
        if (!lines.Next(line) || Split(line, '\t', parts) != 2)
            return fail("a region is not a country code and a name");
        const auto country = std::find(atlas->countryCodes_.begin(), atlas->countryCodes_.end(), parts[0]);
        if (country == atlas->countryCodes_.end())
            return fail("a region of an unknown country");
        atlas->regionCountry_.push_back(static_cast<std::uint16_t>(country - atlas->countryCodes_.begin()));
        atlas->regionNames_.push_back(parts[1]);
    }
    if (!section("fold", count))
        return fail("expected the folding table");
    for (std::size_t i = 0; i < count; ++i) {
        std::array<std::string_view, 2> parts;
        std::uint32_t codePoint = 0;
        if (!lines.Next(line) || Split(line, '\t', parts) != 2 || !Number(parts[0], codePoint, 16))
            return fail("a folding row is not a code point and its folded form");
        atlas->fold_.emplace(static_cast<char32_t>(codePoint), std::string(parts[1]));
    }
    if (!section("places", count))
        return fail("expected the places");

    for (std::size_t c = 0; c < atlas->countryNames_.size(); ++c)
        atlas->countryWords_.push_back(atlas->Fold(atlas->countryNames_[c]) + ' '
                                       + atlas->Fold(atlas->countryCodes_[c]));
    for (std::size_t r = 0; r < atlas->regionNames_.size(); ++r)
        atlas->regionWords_.push_back(atlas->Fold(atlas->regionNames_[r]) + ' '
                                      + atlas->countryWords_[atlas->regionCountry_[r]]);

    atlas->places_.reserve(count);
    atlas->keys_.reserve(count + count / 8);
    atlas->keyText_.reserve(count * 12);
    std::vector<std::pair<std::string_view, std::uint16_t>> names;
    for (std::size_t i = 0; i < count; ++i) {
        std::array<std::string_view, 10> f;
        if (!lines.Next(line) || Split(line, '\t', f) != f.size())
            return fail("a place does not have its ten fields");
        Place place;
        place.name = f[0];
        place.alternates = f[1];
        std::uint32_t region = Place::kNoRegion;
        if (f[0].empty() || !Number(f[2], place.country) || place.country >= atlas->countryCodes_.size()
            || (!f[3].empty() && (!Number(f[3], region) || region >= atlas->regionNames_.size()))
            || !Number(f[4], place.latitudeThousandths) || std::abs(place.latitudeThousandths) > 90000
            || !Number(f[5], place.longitudeThousandths) || std::abs(place.longitudeThousandths) > 180000
            || !Number(f[6], place.population) || place.population < 0 || !Number(f[7], place.zone)
            || place.zone >= atlas->zones_.size() || f[8].size() > 1 || !Number(f[9], place.geonamesId))
            return fail("a place field is out of range");
        place.region = static_cast<std::uint16_t>(region);
        place.kind = f[8].empty() ? ' ' : f[8][0];
        const auto index = static_cast<std::uint32_t>(atlas->places_.size());
        atlas->places_.push_back(place);
        atlas->byId_.emplace(place.geonamesId, index);

        names.assign(1, {place.name, 0});
        std::uint16_t n = 0;
        for (std::string_view rest = place.alternates; !rest.empty();) {
            const auto bar = rest.find('|');
            names.emplace_back(rest.substr(0, bar), ++n);
            rest.remove_prefix(bar == std::string_view::npos ? rest.size() : bar + 1);
        }
        for (const auto& [name, alternate] : names) {
            const std::string key = atlas->Fold(name);
            if (key.empty() || key.size() > 0xFFFF)
                continue;
            atlas->keys_.push_back(Key{static_cast<std::uint32_t>(atlas->keyText_.size()), index,
                                       static_cast<std::uint16_t>(key.size()), alternate});
            atlas->keyText_ += key;
        }
    }
    if (lines.Next(line) && !line.empty())
        return fail("text after the last place");
    std::sort(atlas->keys_.begin(), atlas->keys_.end(),
              [&a = *atlas](const Key& x, const Key& y) { return a.KeyText(x) < a.KeyText(y); });
    return atlas;
}

std::string Atlas::Fold(std::string_view text) const
{
    std::string out;
    out.reserve(text.size());
    bool blank = true; // no blank at the start, none doubled
    const auto put = [&](std::string_view piece) {
        for (char c : piece) {
            if (c == ' ') {
                if (!blank)
                    out += ' ';
                blank = true;
            } else {
                out += c;
                blank = false;
            }
        }
    };
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t start = i;
        const char32_t cp = NextCodePoint(text, i);
        if (cp < 0x80) {
            const char c = static_cast<char>(cp);
            const bool letterOrDigit = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
            if (letterOrDigit) {
                out += (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c;
                blank = false;
            } else
                put(" ");
        } else if (const auto found = fold_.find(cp); found != fold_.end())
            put(found->second);
        else
            put(text.substr(start, i - start)); // another script: kept as it is
    }
    while (!out.empty() && out.back() == ' ')
        out.pop_back();
    return out;
}

std::string_view Atlas::AlternateName(const Place& place, std::size_t n) const
{
    std::string_view rest = place.alternates;
    for (std::size_t k = 1;; ++k) {
        const auto bar = rest.find('|');
        if (k == n || bar == std::string_view::npos)
            return rest.substr(0, bar);
        rest.remove_prefix(bar + 1);
    }
}

bool Atlas::Narrowed(const Place& place, const std::vector<std::string_view>& words) const
{
    const std::string& where
        = place.region != Place::kNoRegion ? regionWords_[place.region] : countryWords_[place.country];
    for (std::string_view word : words)
        if (!StartsWithWord(where, word))
            return false;
    return true;
}

std::vector<Match> Atlas::Search(std::string_view query, std::size_t limit) const
{
    const std::string folded = Fold(query);
    std::vector<std::string_view> words;
    for (std::string_view rest = folded; !rest.empty();) {
        const auto blank = rest.find(' ');
        words.push_back(rest.substr(0, blank));
        rest.remove_prefix(blank == std::string_view::npos ? rest.size() : blank + 1);
    }
    std::vector<Match> found;
    if (words.empty() || limit == 0)
        return found;

    std::vector<std::pair<double, const Key*>> scored;
    // The first k words are the start of the name, the rest narrow by region or country; every k is tried,
    // so "sao paulo" finds São Paulo by name and "paris texas" finds Paris in Texas.
    for (std::size_t k = words.size(); k >= 1; --k) {
        const std::string_view namePart(
            folded.data(), static_cast<std::size_t>(words[k - 1].data() + words[k - 1].size() - folded.data()));
        const std::vector<std::string_view> narrowing(words.begin() + static_cast<std::ptrdiff_t>(k), words.end());
        const auto first = std::lower_bound(keys_.begin(), keys_.end(), namePart,
                                            [this](const Key& key, std::string_view p) { return KeyText(key) < p; });
        for (auto it = first; it != keys_.end() && KeyText(*it).starts_with(namePart); ++it) {
            const Place& place = places_[it->place];
            if (!narrowing.empty() && !Narrowed(place, narrowing))
                continue;
            double score = static_cast<double>(place.population) + 1.0;
            if (it->alternate != 0)
                score /= 20;
            if (place.kind == 'S')
                score /= 20;
            if (KeyText(*it).size() == namePart.size())
                score *= 4;
            scored.emplace_back(score, &*it);
        }
    }

    const auto better = [](const auto& x, const auto& y) {
        return x.first != y.first ? x.first > y.first : x.second->place < y.second->place;
    };
    // Most queries need only the first few: sort a slice, and everything only when places repeat in it.
    std::size_t sorted = std::min(scored.size(), limit * 8);
    std::partial_sort(scored.begin(), scored.begin() + static_cast<std::ptrdiff_t>(sorted), scored.end(), better);
    std::vector<std::uint32_t> taken;
    for (std::size_t i = 0; i < scored.size() && found.size() < limit; ++i) {
        if (i == sorted) {
            std::sort(scored.begin() + static_cast<std::ptrdiff_t>(sorted), scored.end(), better);
            sorted = scored.size();
        }
        const Key& key = *scored[i].second;
        if (std::find(taken.begin(), taken.end(), key.place) != taken.end())
            continue;
        taken.push_back(key.place);
        const Place& place = places_[key.place];
        found.push_back(Match{&place, key.alternate != 0 ? AlternateName(place, key.alternate) : std::string_view{},
                              scored[i].first});
    }
    return found;
}

const Place* Atlas::FindId(std::int32_t geonamesId) const
{
    const auto found = byId_.find(geonamesId);
    return found == byId_.end() ? nullptr : &places_[found->second];
}

std::string_view Atlas::RegionName(const Place& place) const
{
    return place.region == Place::kNoRegion ? std::string_view{} : regionNames_[place.region];
}

std::string Atlas::Label(const Place& place) const
{
    std::string label(place.name);
    if (place.region != Place::kNoRegion && regionNames_[place.region] != place.name) {
        label += ", ";
        label += regionNames_[place.region];
    }
    label += ", ";
    label += countryNames_[place.country];
    return label;
}

std::string Atlas::Detail(const Place& place) const
{
    char coordinates[48];
    std::snprintf(coordinates, sizeof coordinates, "%.2f°%c %.2f°%c", std::abs(place.Latitude()),
                  place.latitudeThousandths < 0 ? 'S' : 'N', std::abs(place.Longitude()),
                  place.longitudeThousandths < 0 ? 'W' : 'E');
    std::string detail = coordinates;
    detail += " · ";
    detail += place.population > 0 ? Thousands(place.population) + " people" : std::string("population unknown");
    detail += " · ";
    detail += zones_[place.zone];
    return detail;
}

std::size_t Atlas::HeapBytes() const noexcept
{
    std::size_t bytes = text_.capacity() + keyText_.capacity() + places_.capacity() * sizeof(Place)
        + keys_.capacity() * sizeof(Key) + byId_.size() * (sizeof(std::int32_t) * 2 + 2 * sizeof(void*))
        + byId_.bucket_count() * sizeof(void*);
    for (const auto& words : regionWords_)
        bytes += words.capacity();
    return bytes;
}

std::optional<std::filesystem::path> FindAtlasFile(const std::filesystem::path& executableFolder)
{
    std::vector<std::filesystem::path> candidates;
    if (const char* chosen = std::getenv("TESSALINE_ATLAS"); chosen && *chosen)
        return std::filesystem::path(chosen); // what the user named, found or not: its load says why not
    if (!executableFolder.empty())
        candidates.push_back(executableFolder / ".." / "share" / "tessaline" / "atlas.tsv");
#ifdef TESSALINE_ATLAS_INSTALLED
    candidates.emplace_back(TESSALINE_ATLAS_INSTALLED);
#endif
#ifdef TESSALINE_ATLAS_SOURCE
    candidates.emplace_back(TESSALINE_ATLAS_SOURCE);
#endif
    for (const auto& candidate : candidates) {
        std::error_code error;
        if (std::filesystem::is_regular_file(candidate, error))
            return candidate;
    }
    return std::nullopt;
}

} // namespace tessaline::atlas
