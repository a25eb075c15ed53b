#include "decanates/DecanateAssignment.h"

#include "decanates/DecanateTable.h"

#include <array>
#include <charconv>
#include <optional>
#include <string_view>
#include <system_error>

namespace tessaline {

namespace {

constexpr std::array<std::string_view, 3> kDecanateNames = {"First Decanate", "Second Decanate", "Third Decanate"};

// Characters 4 to 6 of a position entry ("DD Sss MM"): the sign key, or fewer characters when the entry is
// shorter.
std::string_view SignKeyOf(std::string_view entry) noexcept
{
    constexpr std::size_t kKeyStart = 3;
    constexpr std::size_t kKeyLength = 3;
    if (entry.size() <= kKeyStart) {
        return {};
    }
    return entry.substr(kKeyStart, kKeyLength);
}

// Characters 1 and 2 of a position entry as whole degrees. Both must be digits; anything else (a sign,
// a space, a letter, an entry shorter than two characters) is no number.
std::optional<int> WholeDegreesOf(std::string_view entry) noexcept
{
    constexpr std::size_t kDegreeDigits = 2;
    if (entry.size() < kDegreeDigits || entry.front() == '-') {
        return std::nullopt;
    }
    const char* const first = entry.data();
    const char* const last = first + kDegreeDigits;
    int degrees = 0;
    const auto [end, error] = std::from_chars(first, last, degrees);
    if (error != std::errc{} || end != last) {
        return std::nullopt;
    }
    return degrees;
}

// 1 below ten degrees, 2 below twenty, 3 from twenty on; minutes play no part.
int DecanateOf(int wholeDegrees) noexcept
{
    if (wholeDegrees < 10) {
        return 1;
    }
    if (wholeDegrees < 20) {
        return 2;
    }
    return 3;
}

void FillResult(DecanateResult& result, std::string_view decanateName, const DecanateRow& row) noexcept
{
    result.DecanateName = decanateName;
    result.DecanateSign = row.DecanateSign;
    result.RulingPlanet = row.RulingPlanet;
    result.RulingElement = row.RulingElement;
    result.ConstellationName = row.ConstellationName;
    result.Keyword = row.Keyword;
    result.TreeZodiac = row.TreeZodiac;
    result.MoreAboutDecanateSign = row.MoreAboutDecanateSign;
    result.KarmicInfluence = row.KarmicInfluence;
    result.MoreAboutTreeZodiac = row.MoreAboutTreeZodiac;
}

} // namespace

std::optional<EntryDecanate> DecanateOfEntry(std::string_view entry) noexcept
{
    const std::optional<int> sign = FindSignIndex(SignKeyOf(entry));
    if (!sign)
        return std::nullopt;
    const std::optional<int> degrees = WholeDegreesOf(entry);
    if (!degrees)
        return std::nullopt; // treated like an unknown sign
    return EntryDecanate{*sign, DecanateOf(*degrees)};
}

void Decanate_Calculation(ChartState& state)
{
    // The table is a compile-time constant, so there is nothing to rebuild between charts.
    const DecanateTable& table = BuildDecanateTable();

    for (std::size_t body = 0; body < kDecanateBodyCount; ++body) {
        const std::optional<EntryDecanate> found = DecanateOfEntry(state.positionTable[body]);
        if (!found)
            continue; // the body keeps what an earlier chart gave it
        const auto d = static_cast<std::size_t>(found->decanate - 1);
        FillResult(state.decanateResults[body], kDecanateNames[d],
                   table[static_cast<std::size_t>(found->signIndex)].rows[d]);
    }
}

} // namespace tessaline
