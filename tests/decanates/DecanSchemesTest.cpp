// SPDX-License-Identifier: GPL-3.0-or-later
#include "decanates/DecanSchemes.h"

#include "decanates/DecanateAssignment.h"
#include "decanates/DecanateTable.h"
#include "decanates/LunarMansions.h"
#include "tests/support/Births.h"

#include <array>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace tessaline {
namespace {

constexpr double kSecond = 1.0 / 3600;
constexpr std::string_view kSignKeys = "Ari Tau Gem Can Leo Vir Lib Sco Sag Cap Aqu Pis";

// Each scheme's 36 cells as its source prints them, a sign's three decanates after a bar, from Aries; a sign's
// decanate placed in a sign by that sign's key, a face by its planet.
struct SchemeTable {
    DecanScheme scheme;
    std::string_view cells;
};
const std::array<SchemeTable, 5> kPublished{{
    // The element's three signs from the sign itself.
    {DecanScheme::Triplicity,
     "Ari Leo Sag | Tau Vir Cap | Gem Lib Aqu | Can Sco Pis | Leo Sag Ari | Vir Cap Tau | "
     "Lib Aqu Gem | Sco Pis Can | Sag Ari Leo | Cap Tau Vir | Aqu Gem Lib | Pis Can Sco"},
    // The faces in the Chaldean order of the planets from Mars (en.wikipedia.org/wiki/Decan).
    {DecanScheme::Chaldean,
     "Mars Sun Venus | Mercury Moon Saturn | Jupiter Mars Sun | Venus Mercury Moon | "
     "Saturn Jupiter Mars | Sun Venus Mercury | Moon Saturn Jupiter | Mars Sun Venus | "
     "Mercury Moon Saturn | Jupiter Mars Sun | Venus Mercury Moon | Saturn Jupiter Mars"},
    // Aries to Pisces three times over (pjc2.vedicdawn.com, "Parivrtti drekkana mapping").
    {DecanScheme::Parivritti,
     "Ari Tau Gem | Can Leo Vir | Lib Sco Sag | Cap Aqu Pis | Ari Tau Gem | Can Leo Vir | "
     "Lib Sco Sag | Cap Aqu Pis | Ari Tau Gem | Can Leo Vir | Lib Sco Sag | Cap Aqu Pis"},
    // The two tables of pjc2.sarbani.com/?p=757, odd signs forward, even signs backward from Pisces.
    {DecanScheme::Somanatha,
     "Ari Tau Gem | Sag Sco Lib | Can Leo Vir | Pis Aqu Cap | Lib Sco Sag | Gem Tau Ari | "
     "Cap Aqu Pis | Vir Leo Can | Ari Tau Gem | Sag Sco Lib | Can Leo Vir | Pis Aqu Cap"},
    // The movable, fixed and dual sign of the element (V. Larsen, "Jagannatha Drekkana", 2005).
    {DecanScheme::Jagannatha,
     "Ari Leo Sag | Cap Tau Vir | Lib Aqu Gem | Can Sco Pis | Ari Leo Sag | Cap Tau Vir | "
     "Lib Aqu Gem | Can Sco Pis | Ari Leo Sag | Cap Tau Vir | Lib Aqu Gem | Can Sco Pis"},
}};

// Each sign's lord as the Indian schemes name it: the seven visible planets.
constexpr std::array<std::string_view, 12> kLords{"Mars",  "Venus", "Mercury", "The Moon", "The Sun", "Mercury",
                                                  "Venus", "Mars",  "Jupiter", "Saturn",   "Saturn",  "Jupiter"};

std::vector<std::string> CellsOf(std::string_view cells)
{
    std::vector<std::string> words;
    std::istringstream in{std::string(cells)};
    for (std::string word; in >> word;)
        if (word != "|")
            words.push_back(word);
    return words;
}

int SignOfKey(std::string_view key)
{
    return static_cast<int>(kSignKeys.find(key) / 4);
}

// Every cell, reached from the first and the last second of its ten degrees, so each sign's 0° and
// 29°59′59″ are among them.
TEST(DecanSchemes, EveryCellIsThePublishedOneFromEitherEdge)
{
    for (const SchemeTable& table : kPublished) {
        const std::vector<std::string> cells = CellsOf(table.cells);
        ASSERT_EQ(cells.size(), 36U);
        for (int i = 0; i < 36; ++i) {
            for (const double longitude : {10.0 * i, 10.0 * (i + 1) - kSecond}) {
                SCOPED_TRACE(std::string(NameOf(table.scheme).key) + " at " + std::to_string(longitude));
                const DecanateResult texts = DecanateTexts(*DecanateOf(longitude), table.scheme);
                const DecanateRow& own = LookUpDecanate(i / 3, i % 3 + 1);
                EXPECT_EQ(texts.KarmicInfluence, own.KarmicInfluence); // the texts never move
                const std::string& cell = cells[static_cast<std::size_t>(i)];
                if (table.scheme == DecanScheme::Chaldean) {
                    EXPECT_EQ(texts.DecanateSign, "");
                    EXPECT_EQ(texts.RulingPlanet, cell == "Sun" || cell == "Moon" ? "The " + cell : cell);
                    EXPECT_EQ(texts.RulingElement, own.RulingElement);
                    continue;
                }
                const int placed = SignOfKey(cell);
                EXPECT_EQ(texts.DecanateSign.substr(0, 3), cell);
                EXPECT_EQ(texts.RulingElement, LookUpDecanate(placed, 1).RulingElement);
                if (table.scheme == DecanScheme::Triplicity)
                    EXPECT_EQ(texts.RulingPlanet, own.RulingPlanet);
                else
                    EXPECT_EQ(texts.RulingPlanet, kLords[static_cast<std::size_t>(placed)]);
            }
        }
    }
}

TEST(DecanSchemes, KeysAreReadWhateverTheirCase)
{
    const std::array<std::pair<std::string_view, std::optional<DecanScheme>>, 5> cases{{
        {"chaldean", DecanScheme::Chaldean},
        {"Parivritti", DecanScheme::Parivritti},
        {"JAGANNATHA", DecanScheme::Jagannatha},
        {"chaldea", std::nullopt},
        {"", std::nullopt},
    }};
    for (const auto& [key, scheme] : cases)
        EXPECT_EQ(DecanSchemeFromKey(key), scheme) << key;
}

// The mansions of 13°20′ from 0° Aries and their padas of 3°20′, by whole arc-minutes as the positions
// show them; the names and lords as any nakshatra table lists them.
TEST(LunarMansions, MansionAndPadaByTheShownArcMinutes)
{
    struct Case {
        double longitude;
        std::string_view name;
        int pada;
        std::string_view text;
    };
    const std::array<Case, 8> cases{{
        {0.0, "Ashvini", 1, "Ashvini, pada 1 (lord: Ketu)"},
        {3 + 20 / 60.0 - kSecond, "Ashvini", 1, "Ashvini, pada 1 (lord: Ketu)"}, // shows 03 Ari 19
        {3 + 20 / 60.0, "Ashvini", 2, "Ashvini, pada 2 (lord: Ketu)"},
        {13 + 20 / 60.0, "Bharani", 1, "Bharani, pada 1 (lord: Venus)"},
        {40.0 + 30 / 60.0, "Rohini", 1, "Rohini, pada 1 (lord: Moon)"},
        {120.0, "Magha", 1, "Magha, pada 1 (lord: Ketu)"},
        {266 + 40 / 60.0, "Uttara Ashadha", 1, "Uttara Ashadha, pada 1 (lord: Sun)"},
        {360 - kSecond, "Revati", 4, "Revati, pada 4 (lord: Mercury)"},
    }};
    for (const Case& c : cases) {
        const LunarMansion mansion = *LunarMansionOf(c.longitude);
        EXPECT_EQ(MansionName(mansion.mansion), c.name) << c.longitude;
        EXPECT_EQ(mansion.pada, c.pada) << c.longitude;
        EXPECT_EQ(MansionText(mansion), c.text) << c.longitude;
    }
    EXPECT_FALSE(LunarMansionOf(std::numeric_limits<double>::quiet_NaN()));
}

// A decanate holds three whole padas: its first second begins a pada and its last second ends one.
TEST(LunarMansions, EveryDecanateEdgeIsAPadaEdge)
{
    for (int edge = 0; edge < 36; ++edge) {
        const LunarMansion at = *LunarMansionOf(10.0 * edge);
        const LunarMansion before = *LunarMansionOf(edge == 0 ? 360 - kSecond : 10.0 * edge - kSecond);
        EXPECT_EQ((at.mansion * 4 + at.pada - 1 - (before.mansion * 4 + before.pada - 1) + 108) % 108, 1) << edge;
        EXPECT_EQ((at.mansion * 4 + at.pada - 1) % 3, 0) << edge;
    }
}

// The Moon of the Delhi birth, 4°39′ Virgo in the tropical zodiac, stands 23°31′ back in the sidereal one
// (Lahiri's ayanamsa for 1975, as the Indian ephemerides print it): 11°08′ Leo, in another decanate and
// another mansion; the mansion is the sidereal chart's, read from its own longitude.
TEST(LunarMansions, ASiderealChartTakesItsMansionsFromItsOwnZodiac)
{
    struct Case {
        Zodiac zodiac;
        SignDecanate decanate;
        std::string_view mansion; // 146°40′–160° Uttara Phalguni, 120°–133°20′ Magha
        int pada;
    };
    const std::array<Case, 2> cases{{
        {Zodiac::Tropical, {5, 1}, "Uttara Phalguni", 3},
        {Zodiac::Sidereal, {4, 2}, "Magha", 4},
    }};
    for (const Case& c : cases) {
        ChartOptions options;
        options.zodiac.zodiac = c.zodiac;
        options.mansions = true;
        const Chart chart = *Calculate({fixtures::Delhi1975()}, options);
        EXPECT_EQ(chart.Decanate(Body::Moon), c.decanate);
        EXPECT_EQ(MansionName(chart.Mansion(Body::Moon).mansion), c.mansion);
        EXPECT_EQ(chart.Mansion(Body::Moon).pada, c.pada);
    }
}

} // namespace
} // namespace tessaline
