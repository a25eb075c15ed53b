// SPDX-License-Identifier: GPL-3.0-or-later
// The names nearest a query that finds nothing, by edit distance over the sorted name index.
#include "atlas/Atlas.h"

#include <algorithm>
#include <array>
#include <optional>

namespace tessaline::atlas {

namespace {

// The edit distances (insertions, deletions, substitutions of a byte) of a target to the folded keys, walked
// in their sorted order as a trie: the rows of the distance table for the prefix a key shares with the key
// before are kept, and once no row entry is within most, every key of that prefix is passed over.
class NearKeys
{
public:
    NearKeys(std::string_view target, std::size_t most)
        : target_(target)
        , most_(most)
    {
        for (std::size_t j = 0; j <= target_.size(); ++j)
            rows_[0][j] = static_cast<std::uint8_t>(j);
    }

    // The distance of text, when it is within most; else nothing, and in skipFrom the length of text's
    // prefix past which no key can be near (every key that starts with it may be passed over), or 0.
    std::optional<std::size_t> Distance(std::string_view text, std::size_t& skipFrom)
    {
        skipFrom = 0;
        std::size_t depth = 0;
        while (depth < valid_ && depth < text.size() && depth < known_.size() && known_[depth] == text[depth])
            ++depth;
        known_ = text; // a text of the pool, which stays where it is
        for (; depth < text.size(); ++depth) {
            const auto& above = rows_[depth];
            auto& row = rows_[depth + 1];
            row[0] = static_cast<std::uint8_t>(std::min<std::size_t>(depth + 1, 255));
            std::uint8_t smallest = row[0];
            for (std::size_t j = 1; j <= target_.size(); ++j) {
                const int substitute = above[j - 1] + (target_[j - 1] == text[depth] ? 0 : 1);
                row[j] = static_cast<std::uint8_t>(std::min({above[j] + 1, row[j - 1] + 1, substitute}));
                smallest = std::min(smallest, row[j]);
            }
            valid_ = depth + 1;
            if (smallest > most_) {
                skipFrom = depth + 1;
                return std::nullopt;
            }
        }
        valid_ = text.size();
        const std::size_t distance = rows_[text.size()][target_.size()];
        if (distance > most_)
            return std::nullopt;
        return distance;
    }

private:
    static constexpr std::size_t kLongestTarget = 64;
    std::string_view target_;
    std::size_t most_;
    std::array<std::array<std::uint8_t, kLongestTarget + 1>, 257> rows_{};
    std::string_view known_; // the text whose rows are kept, for its first valid_ bytes
    std::size_t valid_ = 0;
};

} // namespace

std::vector<std::string> Atlas::NearestNames(std::string_view query, std::size_t limit) const
{
    // What comes before the first comma is the name; failing that, its first word alone.
    std::vector<std::string> targets{Fold(query.substr(0, query.find(',')))};
    if (const auto blank = targets[0].find(' '); blank != std::string::npos)
        targets.push_back(targets[0].substr(0, blank));
    for (const std::string& target : targets) {
        constexpr std::size_t kShortest = 3;
        constexpr std::size_t kLongest = 64;
        if (target.size() < kShortest || target.size() > kLongest)
            continue;
        const std::size_t most = target.size() <= 4 ? 1 : 2;
        struct Near {
            std::size_t distance;
            std::int32_t population;
            const format::KeyRecord* key;
        };
        std::vector<Near> nearest;
        NearKeys distances(target, most);
        std::string_view previous; // equal texts lie together: each is measured once, its largest place kept
        bool previousNear = false;
        for (auto key = keys_.begin(); key != keys_.end();) {
            const std::string_view text = KeyText(*key);
            if (key->place >= places_.size()) {
                ++key;
                continue;
            }
            if (text == previous) {
                if (previousNear && key->population > nearest.back().population)
                    nearest.back() = {nearest.back().distance, key->population, &*key};
                ++key;
                continue;
            }
            previous = text;
            std::size_t skipFrom = 0;
            const auto distance = distances.Distance(text, skipFrom);
            previousNear = distance.has_value();
            if (distance)
                nearest.push_back({*distance, key->population, &*key});
            if (skipFrom == 0) {
                ++key;
                continue;
            }
            // Past the keys of the hopeless prefix, mostly a few: by doubling steps, then halving.
            const std::string_view hopeless = text.substr(0, skipFrom);
            const auto within = [&](const format::KeyRecord& other) {
                return KeyText(other).starts_with(hopeless);
            };
            std::size_t step = 1;
            const auto left = static_cast<std::size_t>(keys_.end() - key);
            while (step < left && within(key[static_cast<std::ptrdiff_t>(step)]))
                step *= 2;
            key = std::partition_point(key + static_cast<std::ptrdiff_t>(step / 2),
                                       key + static_cast<std::ptrdiff_t>(std::min(step, left)), within);
        }
        std::stable_sort(nearest.begin(), nearest.end(), [](const Near& x, const Near& y) {
            return x.distance != y.distance ? x.distance < y.distance : x.population > y.population;
        });
        std::vector<std::string> names;
        for (const Near& near : nearest) {
            const Place& place = places_[near.key->place];
            if (!Valid(place))
                continue;
            std::string name(Name(place)); // the place's own name, however it was found
            if (std::find(names.begin(), names.end(), name) == names.end())
                names.push_back(std::move(name));
            if (names.size() == limit)
                break;
        }
        if (!names.empty())
            return names;
    }
    return {};
}

} // namespace tessaline::atlas
