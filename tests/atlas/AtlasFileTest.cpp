// SPDX-License-Identifier: GPL-3.0-or-later
#include "atlas/Atlas.h"
#include "atlas/AtlasFormat.h"
#include "atlas/AtlasWriter.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace tessaline::atlas {
namespace {

using Image = std::vector<std::byte>;

// Two places named Paris and one with two other names that match "san" equally well.
constexpr const char* kSmallAtlas = "TESSALINE-ATLAS\t1\nsource\ttest\n"
                                    "zones\t2\nEurope/Paris\nAmerica/Chicago\n"
                                    "countries\t2\nFR\tFrance\nUS\tUnited States\n"
                                    "regions\t2\nFR\tÎle-de-France\nUS\tTexas\n"
                                    "fold\t1\nce\ti\n"
                                    "places\t3\n"
                                    "Paris\tLutetia\t0\t0\t48853\t2349\t2138551\t0\tC\t2988507\n"
                                    "Paris\t\t1\t1\t33661\t-95556\t24782\t1\t\t4717560\n"
                                    "Austin\tSan'nkae|Sangay\t1\t1\t30267\t-97743\t961855\t1\t\t4671654\n";

Image SmallImage()
{
    auto image = ConvertAtlasText(kSmallAtlas, "small.tsv");
    return *std::move(image);
}

constexpr std::uint16_t kNextVersion = 2;

format::SectionEntry* Section(Image& image, format::SectionId id)
{
    format::Header header;
    std::memcpy(&header, image.data(), sizeof header);
    auto* directory = reinterpret_cast<format::SectionEntry*>(image.data() + sizeof header);
    for (std::uint32_t i = 0; i < header.sectionCount; ++i)
        if (directory[i].id == id)
            return &directory[i];
    return nullptr;
}

template <typename Record> Record* First(Image& image, format::SectionId id)
{
    return reinterpret_cast<Record*>(image.data() + Section(image, id)->offset);
}

TEST(AtlasFile, ADamagedOrForeignBinaryIsRefusedWithItsReason)
{
    const struct {
        const char* name;
        std::function<void(Image&)> damage;
        const char* says;
    } cases[] = {
        {"empty", [](Image& i) { i.clear(); }, "is not a place atlas"},
        {"text", [](Image& i) { std::memcpy(i.data(), "name,lat", 8); }, "is not a place atlas"},
        {"cut in the header", [](Image& i) { i.resize(20); }, "ends within its header"},
        {"cut short", [](Image& i) { i.resize(i.size() - 8); }, "where its header says"},
        {"longer", [](Image& i) { i.resize(i.size() + 8); }, "where its header says"},
        {"other byte order", [](Image& i) { std::reverse(i.begin() + 8, i.begin() + 12); }, "another byte order"},
        {"next version", [](Image& i) { std::memcpy(i.data() + 12, &kNextVersion, 2); }, "is of version 2.0"},
        {"endless directory", [](Image& i) { std::memset(i.data() + 24, 0x7F, 4); }, "sections is too long"},
        {"section beyond the end", [](Image& i) { Section(i, format::SectionId::Keys)->offset = i.size() + 8; },
         "name index lies outside"},
        {"too many records", [](Image& i) { Section(i, format::SectionId::Places)->count = 1U << 30; },
         "places lies outside"},
        {"records resized", [](Image& i) { Section(i, format::SectionId::Places)->recordSize = 40; },
         "records of 40 bytes"},
        {"section lost", [](Image& i) { Section(i, format::SectionId::Fold)->id = format::SectionId{77}; },
         "folding table is missing"},
        {"zone beyond the pool",
         [](Image& i) { First<format::ZoneRecord>(i, format::SectionId::Zones)->id.offset = 0xFFFFFFF0; },
         "a zone lies outside"},
        {"region of no country",
         [](Image& i) { First<format::RegionRecord>(i, format::SectionId::Regions)->country = 9; },
         "a region lies outside"},
    };
    for (const auto& c : cases) {
        Image image = SmallImage();
        c.damage(image);
        const auto result = Atlas::FromImage(std::move(image), "atlas.bin");
        ASSERT_FALSE(result) << c.name;
        const std::string& message = result.error();
        EXPECT_NE(message.find(c.says), std::string::npos) << c.name << ": " << message;
        EXPECT_NE(message.find("\"atlas.bin\""), std::string::npos) << c.name << ": " << message;
    }
}

// A place or a key that points outside the file is passed over when it is used; the rest still works.
TEST(AtlasFile, ADamagedPlaceOrKeyIsPassedOver)
{
    const struct {
        const char* name;
        std::function<void(Image&)> damage;
    } cases[] = {
        {"name beyond the pool",
         [](Image& i) {
             First<Place>(i, format::SectionId::Places)->textOffset = 0xFFFFFF00;
         }},
        {"no such zone",
         [](Image& i) {
             First<Place>(i, format::SectionId::Places)->zone = 7;
         }},
        {"off the globe",
         [](Image& i) {
             First<Place>(i, format::SectionId::Places)->latitudeThousandths = 91000;
         }},
    };
    for (const auto& c : cases) {
        Image image = SmallImage();
        c.damage(image);
        auto loaded = Atlas::FromImage(std::move(image), "atlas.bin");
        ASSERT_TRUE(loaded) << c.name;
        const Atlas& atlas = **loaded;
        EXPECT_EQ(atlas.FindId(2988507), nullptr) << c.name;
        const auto found = atlas.Search("paris", 5);
        ASSERT_EQ(found.size(), 1U) << c.name;
        EXPECT_EQ(atlas.Label(*found[0].place), "Paris, Texas, United States") << c.name;
    }
    Image image = SmallImage();
    auto* keys = First<format::KeyRecord>(image, format::SectionId::Keys);
    for (std::size_t k = 0; k < Section(image, format::SectionId::Keys)->count; ++k)
        keys[k].place = 1000;
    const auto loaded = Atlas::FromImage(std::move(image), "atlas.bin");
    EXPECT_TRUE((*loaded)->Search("paris", 5).empty());
}

TEST(AtlasFile, ShowsTheShorterOfTwoOtherNamesThatMatchEqually)
{
    const auto loaded = Atlas::FromImage(SmallImage(), "atlas.bin");
    const auto found = (*loaded)->Search("san", 5);
    ASSERT_EQ(found.size(), 1U);
    EXPECT_EQ(found[0].alternate, "Sangay");
}

// Only a regular file is opened: the others are refused at once with what they are.
TEST(AtlasFile, RefusesWhatIsNotARegularFileWithoutWaiting)
{
    const auto folder = std::filesystem::temp_directory_path() / ("atlas-test-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    ASSERT_EQ(::mkfifo((folder / "pipe").c_str(), 0600), 0);
    std::ofstream(folder / "empty").close();
    const struct {
        std::filesystem::path path;
        const char* says;
    } cases[] = {
        {folder / "pipe", "is a named pipe, not a file"},
        {folder, "is a folder, not a file"},
        {"/dev/zero", "is a device, not a file"},
        {folder / "empty", "is empty"},
    };
    for (const auto& c : cases) {
        const auto result = Atlas::Load(c.path);
        ASSERT_FALSE(result) << c.path;
        EXPECT_NE(result.error().find(c.says), std::string::npos) << result.error();
    }
    std::filesystem::remove_all(folder);
}

} // namespace
} // namespace tessaline::atlas
