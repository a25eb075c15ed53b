// SPDX-License-Identifier: GPL-3.0-or-later
#include "atlas/Atlas.h"
#include "atlas/Clock.h"
#include "atlas/PlacedBirth.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace tessaline::atlas {
namespace {

// What a failure to find a place was, for a test's message.
int Kind(const PlaceFailure& failure)
{
    return static_cast<int>(failure.kind);
}

// The shipped atlas, loaded once for the whole suite.
class ShippedAtlas : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        auto loaded = Atlas::Load(TESSALINE_ATLAS_FILE);
        ASSERT_TRUE(loaded) << loaded.error();
        atlas_ = loaded->release();
    }
    static void TearDownTestSuite()
    {
        delete atlas_;
        atlas_ = nullptr;
    }
    static const Atlas& A() { return *atlas_; }
    static std::string FirstLabel(std::string_view query)
    {
        const auto found = A().Search(query, 5);
        return found.empty() ? std::string("(nothing)") : A().Label(*found.front().place);
    }

private:
    static inline Atlas* atlas_ = nullptr;
};

TEST_F(ShippedAtlas, FoldsCaseDiacriticsAndPunctuationAsTheGeneratorDid)
{
    const struct {
        const char* typed;
        const char* folded;
    } cases[] = {
        {"Zürich", "zurich"},       {"ŁÓDŹ", "lodz"},
        {"São Paulo", "sao paulo"}, {"Saint-Étienne", "saint etienne"},
        {"Gießen", "giessen"},      {"  Ørsted ,, Æbelø ", "orsted aebelo"},
        {"Đà Nẵng", "da nang"},     {"İstanbul", "istanbul"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(A().Fold(c.typed), c.folded) << c.typed;
}

// Populations and regions are GeoNames' (cities500, as in data/atlas/atlas.tsv's source line); which place
// should come first is what a person typing the name means.
TEST_F(ShippedAtlas, FindsThePlaceAPersonMeansFirst)
{
    const struct {
        const char* query;
        const char* first;
    } cases[] = {
        {"Calcutta", "Kolkata, West Bengal, India"},
        {"bombay", "Mumbai, Maharashtra, India"},
        {"zurich", "Zürich, Zurich, Switzerland"},
        {"lodz", "Łódź, Łódź Voivodeship, Poland"},
        {"sao paulo", "São Paulo, Brazil"}, // the region of the same name is left out
        {"springfield illinois", "Springfield, Illinois, United States"},
        {"Springfield, Massachusetts", "Springfield, Massachusetts, United States"},
        {"paris texas", "Paris, Texas, United States"},
        {"paris", "Paris, Île-de-France, France"},
        {"koln", "Köln, North Rhine-Westphalia, Germany"},
        {"cologne", "Köln, North Rhine-Westphalia, Germany"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FirstLabel(c.query), c.first) << c.query;
}

// What a person types for a place resolves to it: GeoNames' ids of the places meant. A section of a city
// (Zürich's Kreise, Mexico City's Benito Juárez borough) never makes its city ambiguous, a place's own name
// outranks another place's other name (New Delhi, not Delhi), a whole name outranks one typed in part
// (Köln, not Porz am Rhein's "Koeln-Porz"), names in the place's script and regions in the country's
// language find it, and a great city's other name still finds it (Calcutta, not Calcutta, Ohio).
TEST_F(ShippedAtlas, ResolvesWhatAPersonTypesToThePlaceMeant)
{
    const struct {
        const char* query;
        std::int32_t id;
    } cases[] = {
        {"zurich", 2657896},
        {"Zurich, Zurich, Switzerland", 2657896},
        {"Koeln", 2886242},
        {"New Delhi", 1261481},
        {"Khabarovsk", 2022890},
        {"Benito Juárez", 3827406},
        {"Москва", 524901},
        {"मुंबई", 1275339},
        {"北京", 1816670},
        {"Αθήνα", 264371},
        {"München, Bayern", 2867714},
        {"Calcutta", 1275004},
    };
    for (const auto& c : cases) {
        const auto place = ResolvePlace(A(), c.query);
        ASSERT_TRUE(place.has_value()) << c.query << ": " << Kind(place.error());
        EXPECT_EQ((*place)->geonamesId, c.id) << c.query;
    }
}

// A section of a city as large as the city itself (a made-up atlas) still does not make the city ambiguous.
TEST(ResolvePlace, ASectionNeverCompetesWithTheCity)
{
    const auto atlas = Atlas::Parse("TESSALINE-ATLAS\t1\nsource\tx\nzones\t1\nEurope/Zurich\ncountries\t1\n"
                                    "CH\tSwitzerland\nregions\t0\nfold\t0\nplaces\t2\n"
                                    "Zurich\t\t0\t\t47420\t8520\t1500000\t0\tS\t2\n"
                                    "Zurich\t\t0\t\t47370\t8550\t100000\t0\t\t1\n",
                                    "test.tsv");
    ASSERT_TRUE(atlas) << atlas.error();
    const auto place = ResolvePlace(**atlas, "zurich");
    ASSERT_TRUE(place) << Kind(place.error());
    EXPECT_EQ((*place)->geonamesId, 1);
}

TEST_F(ShippedAtlas, SaysWhatToDoWhenNothingMatches)
{
    using enum PlaceFailure::Kind;
    const struct {
        const char* query;
        PlaceFailure::Kind kind;
        const char* nearest; // the nearest name, or nullptr for none
    } cases[] = {
        {"springfeld", NoMatch, "Springfield"},
        {"springfeld, Illinois", NoMatch, "Springfield"},
        {"qqqxzzv", NoMatch, nullptr},
        {"a b c d e f g h i j k l m", TooManyWords, nullptr}, // 13 words: no search, no nearest names
    };
    for (const auto& c : cases) {
        const auto place = ResolvePlace(A(), c.query);
        ASSERT_FALSE(place.has_value()) << c.query;
        EXPECT_EQ(place.error().kind, c.kind) << c.query;
        EXPECT_EQ(place.error().query, c.query);
        if (c.nearest == nullptr)
            EXPECT_TRUE(place.error().nearest.empty()) << c.query;
        else
            EXPECT_EQ(place.error().nearest.at(0), c.nearest) << c.query;
    }
}

TEST_F(ShippedAtlas, ListsEachPlaceOnceAndSaysWhichNameMatched)
{
    const auto found = A().Search("calcutta", 10);
    ASSERT_GE(found.size(), 2U);
    EXPECT_EQ(found[0].alternate, "Calcutta");
    for (std::size_t i = 1; i < found.size(); ++i) {
        EXPECT_NE(found[i].place, found[0].place);
        EXPECT_LE(found[i].score, found[i - 1].score);
    }
    EXPECT_TRUE(A().Search("", 10).empty());
    EXPECT_TRUE(A().Search("qqqxzzv", 10).empty());
}

// GeoNames 4250542 is Springfield, Illinois: 39.80172 N, 89.64371 W, 116,565 people, America/Chicago.
TEST_F(ShippedAtlas, FindsAPlaceByItsGeoNamesIdAndTellsEqualLabelsApart)
{
    const Place* place = A().FindId(4250542);
    ASSERT_NE(place, nullptr);
    EXPECT_EQ(A().Label(*place), "Springfield, Illinois, United States");
    EXPECT_EQ(A().Detail(*place), "39.80°N 89.64°W · 116,565 people · America/Chicago");
    EXPECT_EQ(A().FindId(-7), nullptr);
}

TEST_F(ShippedAtlas, EveryZoneItNamesIsInThisComputersDatabase)
{
    EXPECT_GT(A().Places().size(), 199000U);
    for (std::string_view zone : A().Zones())
        EXPECT_TRUE(ReadClock(zone, {2000, 1, 1, 12, 0}, 0.0).has_value()) << zone;
}

TEST(AtlasFile, ADamagedOrForeignFileIsRefusedWithItsReason)
{
    const struct {
        const char* text;
        const char* says;
    } cases[] = {
        {"", "is not a place atlas"},
        {"name,lat,lon\n", "is not a place atlas"},
        {"TESSALINE-ATLAS\t1\nsource\tx\nzones\t2\nEurope/Paris\n", "line 5: a zone is missing"},
        {"TESSALINE-ATLAS\t1\nsource\tx\nzones\t1\nEurope/Paris\ncountries\t1\nFR\tFrance\nregions\t0\nfold\t0\n"
         "places\t1\nParis\t\t0\t\t48853\t2349\t2138551\t1\tC\t2988507\n",
         "line 10: a place field is out of range"},
        // An id given twice would find one of the two places by chance.
        {"TESSALINE-ATLAS\t1\nsource\tx\nzones\t1\nEurope/Paris\ncountries\t1\nFR\tFrance\nregions\t0\nfold\t0\n"
         "places\t3\nParis\t\t0\t\t48853\t2349\t2138551\t0\tC\t2988507\nLyon\t\t0\t\t45748\t4847\t522969\t0\t\t2996944"
         "\n"
         "Nice\t\t0\t\t43703\t7266\t342669\t0\t\t2988507\n",
         "line 12: GeoNames id 2988507 is given again (first at line 10); give each place its own id"},
    };
    for (const auto& c : cases) {
        const auto result = Atlas::Parse(c.text, "test.tsv");
        ASSERT_FALSE(result) << c.text;
        EXPECT_NE(result.error().find(c.says), std::string::npos) << result.error();
    }
    const auto missing = Atlas::Load("/nonexistent/atlas.tsv");
    ASSERT_FALSE(missing);
    EXPECT_EQ(missing.error(),
              "Cannot read the place atlas \"/nonexistent/atlas.tsv\": No such file or directory; "
              "install the program's atlas.bin again");
    setenv("TESSALINE_ATLAS", "/nonexistent/atlas.bin", 1);
    const auto chosen = Atlas::Load("/nonexistent/atlas.bin");
    unsetenv("TESSALINE_ATLAS");
    ASSERT_FALSE(chosen);
    EXPECT_NE(chosen.error().find(": No such file or directory; set TESSALINE_ATLAS to the atlas file"),
              std::string::npos)
        << chosen.error();
}

// Every way of typing a name finds its place, the same fold on the query and on the names the build
// indexed: decomposed marks (as macOS types them), capitals of any alphabet, fullwidth letters, ligatures,
// soft hyphens. The ids are the places' lines in data/atlas/atlas.tsv (grep -P "^Zürich\t" and so on):
// Zürich 2657896, Athens 264371 (Αθήνα), Thessaloníki 734077 (Θεσσαλονίκη), Yerevan 616052 (Երեվան),
// Kyiv 703448 (Київ), Florence 3176959 (Firenze), Paris 2988507.
TEST_F(ShippedAtlas, FindsANameInEveryFormItIsTyped)
{
    const struct {
        const char* query;
        const char* folded; // Python's unicodedata.normalize("NFKC", query).casefold(), marks then dropped
        std::int32_t id;
    } cases[] = {
        {"Zu\u0308rich", "zurich", 2657896},
        {"ZU\u0308RICH", "zurich", 2657896},
        {"Zu\u0308rich, Zu\u0308rich", "zurich zurich", 2657896},
        {"ΑΘΗΝΑ", "αθηνα", 264371},
        {"ΘΕΣΣΑΛΟΝΙΚΗ", "θεσσαλονικη", 734077},
        {"ԵՐԵՎԱՆ", "երեվան", 616052},
        {"КИЇВ", "киів", 703448},
        {"\uFF30\uFF41\uFF52\uFF49\uFF53", "paris", 2988507}, // fullwidth
        {"\uFB01renze", "firenze", 3176959}, // the fi ligature
        {"Zu\u00ADrich", "zurich", 2657896}, // a soft hyphen
        {"Pa\u200Bris", "paris", 2988507}, // a zero-width space
    };
    for (const auto& c : cases) {
        EXPECT_EQ(A().Fold(c.query), c.folded) << c.query;
        const auto place = ResolvePlace(A(), c.query);
        ASSERT_TRUE(place.has_value()) << c.query << ": " << Kind(place.error());
        EXPECT_EQ((*place)->geonamesId, c.id) << c.query;
    }
    EXPECT_EQ(A().NearestNames("Zu\u0308richh", 1), std::vector<std::string>{"Zürich"});
}

} // namespace
} // namespace tessaline::atlas
