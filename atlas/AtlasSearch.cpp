// SPDX-License-Identifier: GPL-3.0-or-later
// Search by name: the folded query's words against the sorted name index, ranked by weight.
#include "atlas/Atlas.h"
#include "atlas/Folding.h"

#include <algorithm>

namespace tessaline::atlas {

namespace {

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

// The best places of a search so far, best first, each place once: a screenful, so a row is found and
// moved by walking them.
class BestPlaces
{
public:
    struct Entry {
        double score;
        std::uint32_t place;
        std::uint16_t alternate;
        std::uint8_t length; // of the folded name
        bool whole;
    };
    explicit BestPlaces(std::size_t limit)
        : limit_(limit)
    { }

    // Whether a key of this score for this place could still be among the best.
    bool Worth(double score, std::uint32_t place) const noexcept
    {
        if (entries_.size() < limit_)
            return true;
        const Entry& last = entries_.back();
        return Better(score, place, last) || (score == last.score && place == last.place);
    }
    // A place is listed by its best name: the highest score, then the shortest (more of it was typed), then
    // the name before the other names.
    void Offer(const Entry& key)
    {
        const auto same
            = std::find_if(entries_.begin(), entries_.end(), [&](const Entry& e) { return e.place == key.place; });
        if (same != entries_.end()) {
            if (same->score != key.score
                    ? same->score > key.score
                    : std::pair(same->length, same->alternate) <= std::pair(key.length, key.alternate))
                return;
            entries_.erase(same);
        } else if (entries_.size() == limit_)
            entries_.pop_back();
        const auto at = std::find_if(entries_.begin(), entries_.end(),
                                     [&](const Entry& e) { return Better(key.score, key.place, e); });
        entries_.insert(at, key);
    }
    const std::vector<Entry>& Entries() const noexcept { return entries_; }

private:
    static bool Better(double score, std::uint32_t place, const Entry& than) noexcept
    {
        return score != than.score ? score > than.score : place < than.place;
    }
    std::size_t limit_;
    std::vector<Entry> entries_;
};

constexpr double kAlternateShare = 100; // an alternate name counts a hundredth of its place's population
constexpr double kSectionShare = 20; // a section of a city, a twentieth
// Added to the score of a name typed whole, so that none typed in part comes before it: no weight reaches it.
constexpr double kWholeName = 1e12;

double WeightOf(std::int32_t population, bool alternate, char kind) noexcept
{
    double weight = static_cast<double>(std::max(population, 0)) + 1.0;
    if (alternate)
        weight /= kAlternateShare;
    if (kind == 'S')
        weight /= kSectionShare;
    return weight;
}

// The folded query's words, at most limit + 1 of them (the caller needs only to know there are more).
std::vector<std::string_view> Words(std::string_view folded, std::size_t limit)
{
    std::vector<std::string_view> words;
    for (std::string_view rest = folded; !rest.empty() && words.size() <= limit;) {
        const auto blank = rest.find(' ');
        words.push_back(rest.substr(0, blank));
        rest.remove_prefix(blank == std::string_view::npos ? rest.size() : blank + 1);
    }
    return words;
}

} // namespace

std::string Atlas::Fold(std::string_view text) const
{
    return detail::FoldText(text, [this](char32_t cp) -> std::optional<std::string_view> {
        const auto found = std::partition_point(fold_.begin(), fold_.end(),
                                                [cp](const format::FoldRecord& row) { return row.codePoint < cp; });
        if (found == fold_.end() || found->codePoint != cp)
            return std::nullopt;
        return Text(found->folded);
    });
}

std::string_view Atlas::AlternateName(const Place& place, std::size_t n) const
{
    std::string_view rest = Alternates(place);
    for (std::size_t k = 1;; ++k) {
        const auto bar = rest.find('|');
        if (k == n || bar == std::string_view::npos)
            return rest.substr(0, bar);
        rest.remove_prefix(bar + 1);
    }
}

std::string_view Atlas::NarrowingWords(const Place& place) const
{
    if (place.region != Place::kNoRegion)
        return place.region < regions_.size() ? Text(regions_[place.region].words) : std::string_view{};
    return place.country < countries_.size() ? Text(countries_[place.country].words) : std::string_view{};
}

double Match::Weight() const noexcept
{
    return whole ? score - kWholeName : score;
}

bool Atlas::Finds(std::string_view query, const Place& place) const
{
    const std::string folded = Fold(query);
    const std::vector<std::string_view> words = Words(folded, kMostQueryWords);
    if (words.empty() || words.size() > kMostQueryWords || !Valid(place))
        return false;
    std::vector<std::string> names{Fold(Name(place))};
    for (std::string_view rest = Alternates(place); !rest.empty();) {
        const auto bar = rest.find('|');
        names.push_back(Fold(rest.substr(0, bar)));
        rest.remove_prefix(bar == std::string_view::npos ? rest.size() : bar + 1);
    }
    const std::string_view where = NarrowingWords(place);
    for (std::size_t k = 1; k <= words.size(); ++k) {
        const std::string_view namePart(
            folded.data(), static_cast<std::size_t>(words[k - 1].data() + words[k - 1].size() - folded.data()));
        const bool named = std::any_of(names.begin(), names.end(), [&](const std::string& name) {
            return std::string_view(name).starts_with(namePart);
        });
        if (named
            && std::all_of(words.begin() + static_cast<std::ptrdiff_t>(k), words.end(),
                           [&](std::string_view word) { return StartsWithWord(where, word); }))
            return true;
    }
    return false;
}

std::size_t Atlas::QueryWords(std::string_view query) const
{
    const std::string folded = Fold(query);
    return folded.empty() ? 0 : static_cast<std::size_t>(std::count(folded.begin(), folded.end(), ' ')) + 1;
}

std::vector<Match> Atlas::Search(std::string_view query, std::size_t limit) const
{
    const std::string folded = Fold(query);
    const std::vector<std::string_view> words = Words(folded, kMostQueryWords);
    std::vector<Match> found;
    if (words.empty() || words.size() > kMostQueryWords || limit == 0)
        return found;

    BestPlaces best(limit);
    // The first k words are the start of the name, the rest narrow by region or country; every k is tried,
    // so "sao paulo" finds São Paulo by name and "paris texas" finds Paris in Texas.
    for (std::size_t k = words.size(); k >= 1; --k) {
        const std::string_view namePart(
            folded.data(), static_cast<std::size_t>(words[k - 1].data() + words[k - 1].size() - folded.data()));
        const std::span<const std::string_view> narrowing(words.begin() + static_cast<std::ptrdiff_t>(k), words.end());
        // The keys that start with namePart lie together in the sorted index.
        const auto first = std::partition_point(keys_.begin(), keys_.end(),
                                                [&](const format::KeyRecord& key) { return KeyText(key) < namePart; });
        const auto last = std::partition_point(
            first, keys_.end(), [&](const format::KeyRecord& key) { return KeyText(key).starts_with(namePart); });
        for (auto key = first; key != last; ++key) {
            if (key->place >= places_.size())
                continue;
            const bool whole = key->length == namePart.size();
            const double score = WeightOf(key->population, key->alternate != 0, key->kind) + (whole ? kWholeName : 0);
            if (!best.Worth(score, key->place))
                continue;
            const Place& place = places_[key->place];
            if (!Valid(place))
                continue;
            if (!narrowing.empty()) {
                const std::string_view where = NarrowingWords(place);
                if (!std::all_of(narrowing.begin(), narrowing.end(),
                                 [&](std::string_view word) { return StartsWithWord(where, word); }))
                    continue;
            }
            best.Offer({score, key->place, key->alternate, key->length, whole});
        }
    }
    for (const auto& entry : best.Entries()) {
        const Place& place = places_[entry.place];
        found.push_back(Match{&place, entry.alternate != 0 ? AlternateName(place, entry.alternate) : std::string_view{},
                              entry.score, entry.whole});
    }
    return found;
}

} // namespace tessaline::atlas
