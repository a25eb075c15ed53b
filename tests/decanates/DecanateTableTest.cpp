// SPDX-License-Identifier: GPL-3.0-or-later
#include "decanates/DecanateTable.h"

#include <array>
#include <fstream>
#include <gtest/gtest.h>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tessaline {
namespace {

constexpr std::array<std::string_view, 12> kSignNames
    = {"Aries", "Taurus",  "Gemini",      "Cancer",    "Leo",      "Virgo",
       "Libra", "Scorpio", "Sagittarius", "Capricorn", "Aquarius", "Pisces"};
// Ruler of each sign, by sign index.
constexpr std::array<std::string_view, 12> kRulers
    = {"Mars",  "Venus",          "Mercury", "The Moon", "The Sun",           "Mercury",
       "Venus", "Pluto and Mars", "Jupiter", "Saturn",   "Uranus and Saturn", "Neptune and Jupiter"};
constexpr std::array<std::string_view, 4> kElements = {"Fire", "Earth", "Air", "Water"};

// The printed table: short columns, then the opening words of MoreAboutDecanateSign, KarmicInfluence and
// MoreAboutTreeZodiac.
struct PrintedRow {
    int sign;
    int decanate;
    std::string_view decanateSign, rulingPlanet, rulingElement, constellation, keyword, tree;
    std::string_view signTextOpens, karmaOpens, treeTextOpens;
};

// clang-format off
constexpr std::array<PrintedRow, 36> kPrinted = {{
    {0, 1, "Aries", "Mars", "Fire", "Triangulum", "Activity", "The Oak tree",
     "You will be impulsive, brave and", "You will learn to succeed on", "This tree symbolizes truth and knowledge"},
    {0, 2, "Leo", "The Sun", "Fire", "Centaurus", "Reform", "Poplar-tree",
     "You have a charismatic and magnetic", "Learn to be calm and stable", "You will have an artistic temperament"},
    {0, 3, "Sagittarius", "Jupiter", "Fire", "Sagitta", "Illumination", "Fig tree",
     "You will be wild and enjoy", "You will be happy when you", "You are very logical and practical"},
    {1, 1, "Taurus", "Venus", "Earth", "Lepus", "Determination", "The Nut tree",
     "You tend to blame others for", "You will believe in hard work", "You have a very practical nature"},
    {1, 2, "Virgo", "Mercury", "Earth", "Hercules", "Experience", "Willow",
     "You will be a lot worried", "You depend on others for your", "You are very easily driven by"},
    {1, 3, "Capricorn", "Saturn", "Earth", "Pisces Australis", "Idealistic", "Elm-tree",
     "You are calm and balanced by", "You have to learn to be responsible", "You are calm and patient by"},
    {2, 1, "Gemini", "Mercury", "Air", "The Great Bear", "Intuition", "Ash tree",
     "You will be happy and enthusiastic", "You will be happy and enthusiastic", "People belonging to Ash are very"},
    {2, 2, "Libra", "Venus", "Air", "Draco", "Independence", "Service-tree",
     "You will be kind and sensitive", "You have to be loyal to", "You have a powerful thinking"},
    {2, 3, "Aquarius", "Uranus and Saturn", "Air", "Cetus", "Repressive", "Date-tree",
     "You are happy and optimistic", "You will need to be fast", "You will be an optimist"},
    {3, 1, "Cancer", "The Moon", "Water", "Canes Minor", "Whim", "Birch tree, Apple tree",
     "You will be sensitive and loving", "You will try to improve your", "You generally make very good organizers"},
    {3, 2, "Scorpio", "Pluto and Mars", "Water", "Ara", "Responsibility", "Poplar-tree",
     "You will wear a mask over", "You will need to change your", "You have a very practical nature"},
    {3, 3, "Pisces", "Neptune and Jupiter", "Water", "Cassiopeia", "Hardship", "Lime-tree",
     "You will be skilled and vocal", "You will need to go through", "You may be charming and dreamy"},
    {4, 1, "Leo", "The Sun", "Fire", "Crater", "Leadership", "Cypress tree",
     "You feel that have to complete", "You will look for ways to", "You will think a lot"},
    {4, 2, "Sagittarius", "Jupiter", "Fire", "Aquila", "Exploring", "Hornbeam-tree",
     "You will be thrilled with simple", "You may be trying to overcome", "You will be cold-hearted and not"},
    {4, 3, "Aries", "Mars", "Fire", "Perseus", "Promotion", "Maple-tree",
     "You will be charming and friendly", "You will discover yourself spiritually only", "You will earn your own wealth"},
    {5, 1, "Virgo", "Mercury", "Earth", "Bootes", "Fulfilment", "Pine tree",
     "You will be extremely modest", "You will try to understand the", "You will be polished and dignified"},
    {5, 2, "Capricorn", "Saturn", "Earth", "Delphinus (Dolphin)", "Martyrdom", "Pine-tree",
     "You will be very positive and", "You have to work harder than", "You will be polished and dignified"},
    {5, 3, "Taurus", "Venus", "Earth", "Auriga", "Masterliness", "Chestnut-tree",
     "You will take time in understanding", "You will have to learn about", "You will be very practical and"},
    {6, 1, "Libra", "Venus", "Air", "Serpens", "Politics", "Olive tree, Almond tree",
     "You put in a lot of", "You will learn to be sensitive", "You will be wise and intelligent"},
    {6, 2, "Aquarius", "Uranus and Saturn", "Air", "Pegasus", "Inspiration", "Poplar-tree",
     "You are very intelligent and reserved", "You will need to learn to be modest", "You will have an artistic temperament"},
    {6, 3, "Gemini", "Mercury", "Air", "The Great Bear", "Sense", "Fig tree",
     "You will be clever and intelligent", "You will seek to explain the", "You are very logical and practical"},
    {7, 1, "Scorpio", "Pluto and Mars", "Water", "Ophiuchus", "Resources", "Nut tree",
     "You will be frustrated all the", "You will need to learn to use", "You will have an artistic temperament"},
    {7, 2, "Pisces", "Neptune and Jupiter", "Water", "Andromeda", "Self sacrifice", "Willow",
     "You will be understanding and compassionate", "You have to learn to be sensitive", "You are very easily driven by"},
    {7, 3, "Cancer", "The Moon", "Water", "Argo", "Research", "Elm-tree",
     "You are sensitive and easy to", "You will have to make many", "You are calm and patient by"},
    {8, 1, "Sagittarius", "Jupiter", "Fire", "Lyra", "Piety", "Ash tree",
     "You will live a life of", "You have to learn to be clever", "People belonging to Ash are very"},
    {8, 2, "Aries", "Mars", "Fire", "Eridanus", "Exaltation", "Service tree",
     "You are very enthusiastic in life", "You will need to learn to be practical", "You have a powerful thinking"},
    {8, 3, "Leo", "The Sun", "Fire", "Corvus", "Ambition", "Date-tree",
     "You will have lots of energy", "You will be restless and always", "You will be an optimist"},
    {9, 1, "Capricorn", "Saturn", "Earth", "Cygnus (Swan)", "Organizing", "Beech tree, Apple tree,",
     "You may be very accommodating and", "You may have hurt people in", "You will be loving and sentimental"},
    {9, 2, "Taurus", "Venus", "Earth", "Orion", "Effort", "Poplar-tree",
     "You will be very conventional and", "You wish the best for your", "You will have an artistic temperament"},
    {9, 3, "Virgo", "Mercury", "Earth", "Corona Borealis", "Giving-up", "Lime-tree",
     "You will be always worried about", "You will be able to understand", "You may be charming and dreamy"},
    {10, 1, "Aquarius", "Uranus and Saturn", "Air", "Equuleus", "Originality", "Cypress tree",
     "You will be kind and modest", "You need to learn to do", "You will think a lot"},
    {10, 2, "Gemini", "Mercury", "Air", "Canes Majo", "Fidelity", "Ash-tree",
     "You will be idealistic and opinionated", "Your task in life will be", "People belonging to Ash are very"},
    {10, 3, "Libra", "Venus", "Air", "Lupus", "Expiation", "Maple-tree",
     "You will be kind and just", "You have to learn to be fair", "You will earn your own wealth"},
    {11, 1, "Pisces", "Neptune and Jupiter", "Water", "Cepheus", "Truth", "Pine tree",
     "You will be conventional by nature", "You will hold on to your", "You will be polished and dignified"},
    {11, 2, "Cancer", "The Moon", "Water", "Hydra", "Revelation", "Fir-tree",
     "You are sentimental and sensual by", "You wish to live a hippie", "There is an air of mystery"},
    {11, 3, "Scorpio", "Pluto and Mars", "Water", "Corona Australis", "Talent", "Chestnut-tree",
     "You may be reserved and quiet", "You may be loners and introverts", "You will be very practical and"},
}};
// clang-format on

struct TextLimits {
    std::size_t minSentences, maxSentences, minLength, maxLength;
};
constexpr TextLimits kSignTextLimits{2, 5, 94, 277};
constexpr TextLimits kKarmaLimits{1, 3, 36, 148};
constexpr TextLimits kTreeTextLimits{3, 6, 109, 434};

// A sentence ends in '.', '!' or '?' followed by a space or the end of the text.
std::size_t CountSentences(std::string_view text)
{
    std::size_t count = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool isStop = text[i] == '.' || text[i] == '!' || text[i] == '?';
        if (isStop && (i + 1 == text.size() || text[i + 1] == ' ')) {
            ++count;
        }
    }
    return count;
}

void ExpectShape(std::string_view text, const TextLimits& limits)
{
    SCOPED_TRACE(std::string(text));
    EXPECT_GE(text.size(), limits.minLength);
    EXPECT_LE(text.size(), limits.maxLength);
    const std::size_t sentences = CountSentences(text);
    EXPECT_GE(sentences, limits.minSentences);
    EXPECT_LE(sentences, limits.maxSentences);
    ASSERT_FALSE(text.empty());
    EXPECT_NE(std::string_view(".!?").find(text.back()), std::string_view::npos) << "ends mid-sentence";
    for (const char c : text) {
        EXPECT_TRUE(c >= ' ' && c <= '~') << "not printable ASCII (line break?): code " << int(c);
    }
}

class PrintedRowTest : public testing::TestWithParam<PrintedRow>
{
protected:
    const DecanateRow& Row() const { return LookUpDecanate(GetParam().sign, GetParam().decanate); }
};

TEST_P(PrintedRowTest, ShortFieldsAndOpeningWordsMatchThePrintedTable)
{
    const PrintedRow& p = GetParam();
    EXPECT_EQ(Row().DecanateSign, p.decanateSign);
    EXPECT_EQ(Row().RulingPlanet, p.rulingPlanet);
    EXPECT_EQ(Row().RulingElement, p.rulingElement);
    EXPECT_EQ(Row().ConstellationName, p.constellation);
    EXPECT_EQ(Row().Keyword, p.keyword);
    EXPECT_EQ(Row().TreeZodiac, p.tree);
    EXPECT_TRUE(Row().MoreAboutDecanateSign.starts_with(p.signTextOpens)) << Row().MoreAboutDecanateSign;
    EXPECT_TRUE(Row().KarmicInfluence.starts_with(p.karmaOpens)) << Row().KarmicInfluence;
    EXPECT_TRUE(Row().MoreAboutTreeZodiac.starts_with(p.treeTextOpens)) << Row().MoreAboutTreeZodiac;
}

TEST_P(PrintedRowTest, TextsAreSingleParagraphsWithinTheirLimits)
{
    ExpectShape(Row().MoreAboutDecanateSign, kSignTextLimits);
    ExpectShape(Row().KarmicInfluence, kKarmaLimits);
    ExpectShape(Row().MoreAboutTreeZodiac, kTreeTextLimits);
}

INSTANTIATE_TEST_SUITE_P(AllRows, PrintedRowTest, testing::ValuesIn(kPrinted),
                         [](const testing::TestParamInfo<PrintedRow>& info) {
                             return std::string(kSignNames[static_cast<std::size_t>(info.param.sign)])
                                 + std::to_string(info.param.decanate);
                         });

TEST(DecanateTable, ShortColumnsFollowTheTriplicityRules)
{
    for (int s = 0; s < 12; ++s) {
        for (int d = 1; d <= 3; ++d) {
            SCOPED_TRACE(std::string(kSignNames[static_cast<std::size_t>(s)]) + " " + std::to_string(d));
            const auto ruling = static_cast<std::size_t>((s + 4 * (d - 1)) % 12);
            const DecanateRow& row = LookUpDecanate(s, d);
            EXPECT_EQ(row.DecanateSign, kSignNames[ruling]);
            EXPECT_EQ(row.RulingPlanet, kRulers[ruling]);
            EXPECT_EQ(row.RulingElement, kElements[static_cast<std::size_t>(s % 4)]);
        }
    }
}

TEST(DecanateTable, FindsSignKeysExactlyAndInOrder)
{
    constexpr std::string_view kKeys = "AriTauGemCanLeoVirLibScoSagCapAquPis";
    for (std::size_t s = 0; s < 12; ++s) {
        EXPECT_EQ(FindSignIndex(kKeys.substr(3 * s, 3)), static_cast<int>(s)) << kKeys.substr(3 * s, 3);
    }
    for (const std::string_view key : {"ari", "ARI", "aRi", "Ar", "Arie", "", " Ar", "Ari ", "Aries"}) {
        EXPECT_EQ(FindSignIndex(key), std::nullopt) << '"' << key << '"';
    }
}

TEST(DecanateTable, LookUpOutsideTheTableGivesAnEmptyRow)
{
    for (const auto& [s, d] : {std::pair{-1, 1}, std::pair{12, 1}, std::pair{0, 0}, std::pair{11, 4}}) {
        const DecanateRow& row = LookUpDecanate(s, d);
        EXPECT_TRUE(row.DecanateSign.empty() && row.KarmicInfluence.empty()) << s << " " << d;
    }
}

TEST(DecanateTable, QuotedSamplesAreComplete)
{
    EXPECT_EQ(LookUpDecanate(3, 1).MoreAboutDecanateSign,
              "You will be sensitive and loving. You may use this to your advantage. You have zero diplomacy.");
    EXPECT_EQ(LookUpDecanate(6, 2).KarmicInfluence, "You will need to learn to be modest.");
    EXPECT_EQ(LookUpDecanate(4, 1).MoreAboutTreeZodiac,
              "You will think a lot. You will be flexible in different environments. You may be lazy and dream all day "
              "long.");
}

// The next line of the reviewed copy that is neither blank nor a comment.
bool NextLine(std::istream& in, std::string& line)
{
    while (std::getline(in, line)) {
        if (!line.empty() && line.front() != '#')
            return true;
    }
    return false;
}

TEST(DecanateTable, EveryTextMatchesTheReviewedCopy)
{
    std::ifstream copy(TESSALINE_DECANATE_TEXTS);
    ASSERT_TRUE(copy.is_open()) << TESSALINE_DECANATE_TEXTS;
    std::string line;
    for (int s = 0; s < 12; ++s) {
        for (int d = 1; d <= 3; ++d) {
            const std::string cell = std::string(kSignNames[static_cast<std::size_t>(s)]) + " " + std::to_string(d);
            ASSERT_TRUE(NextLine(copy, line)) << "the copy ends before " << cell;
            ASSERT_EQ(line, "== " + cell + " ==");
            const DecanateRow& row = LookUpDecanate(s, d);
            for (const auto& [caption, text] : {std::pair{"Karmic Influence: ", row.KarmicInfluence},
                                                std::pair{"More About Tree Zodiac: ", row.MoreAboutTreeZodiac},
                                                std::pair{"More About Decanate Sign: ", row.MoreAboutDecanateSign}}) {
                ASSERT_TRUE(NextLine(copy, line)) << cell;
                EXPECT_EQ(line, caption + std::string(text)) << cell;
            }
        }
    }
    EXPECT_FALSE(NextLine(copy, line)) << "the copy goes on after Pisces 3: " << line;
}

using Cell = std::pair<int, int>; // sign index, decanate

TEST(DecanateTable, TreeTextsAreSharedByExactlyTheListedGroups)
{
    // clang-format off
    const std::vector<std::vector<Cell>> groups = {
        {{1, 1}, {3, 2}}, {{2, 1}, {8, 1}}, {{4, 1}, {10, 1}}, {{5, 1}, {5, 2}, {11, 1}},
        {{7, 1}, {0, 2}, {6, 2}, {9, 2}}, {{1, 2}, {7, 2}}, {{2, 2}, {8, 2}}, {{0, 3}, {6, 3}}, {{1, 3}, {7, 3}},
        {{2, 3}, {8, 3}}, {{3, 3}, {9, 3}}, {{4, 3}, {10, 3}}, {{5, 3}, {11, 3}},
        // rows with a text of their own
        {{0, 1}}, {{3, 1}}, {{6, 1}}, {{9, 1}}, {{4, 2}}, {{10, 2}}, {{11, 2}}};
    // clang-format on
    std::set<std::string_view> distinct;
    std::set<Cell> covered;
    for (const std::vector<Cell>& group : groups) {
        const std::string_view shared = LookUpDecanate(group.front().first, group.front().second).MoreAboutTreeZodiac;
        for (const auto& [s, d] : group) {
            EXPECT_EQ(LookUpDecanate(s, d).MoreAboutTreeZodiac, shared) << s << " " << d;
            EXPECT_TRUE(covered.insert({s, d}).second) << "listed twice: " << s << " " << d;
        }
        EXPECT_TRUE(distinct.insert(shared).second) << "two groups share: " << shared;
    }
    EXPECT_EQ(covered.size(), 36u);
    EXPECT_EQ(distinct.size(), 20u);
}

TEST(DecanateTable, SignAndKarmaTextsAreAllDifferentExceptGeminiFirst)
{
    std::set<std::string_view> signTexts;
    std::set<std::string_view> karmaTexts;
    for (int s = 0; s < 12; ++s) {
        for (int d = 1; d <= 3; ++d) {
            signTexts.insert(LookUpDecanate(s, d).MoreAboutDecanateSign);
            karmaTexts.insert(LookUpDecanate(s, d).KarmicInfluence);
        }
    }
    EXPECT_EQ(signTexts.size(), 36u);
    EXPECT_EQ(karmaTexts.size(), 36u);
    EXPECT_EQ(LookUpDecanate(2, 1).KarmicInfluence, LookUpDecanate(2, 1).MoreAboutDecanateSign);
}

TEST(DecanateTable, AquariusSecondTreeTextDiffersFromGeminiFirstOnlyInItsLastSentence)
{
    const std::string_view gemini = LookUpDecanate(2, 1).MoreAboutTreeZodiac;
    const std::string_view aquarius = LookUpDecanate(10, 2).MoreAboutTreeZodiac;
    // Drop the final stop, then everything after the previous sentence break.
    const auto withoutLastSentence = [](std::string_view text) {
        return text.substr(0, text.substr(0, text.size() - 1).rfind(". ") + 2);
    };
    EXPECT_EQ(withoutLastSentence(gemini), withoutLastSentence(aquarius));
    EXPECT_NE(gemini, aquarius);
}

} // namespace
} // namespace tessaline
