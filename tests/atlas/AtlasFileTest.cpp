// SPDX-License-Identifier: GPL-3.0-or-later
#include "atlas/Atlas.h"
#include "atlas/AtlasFormat.h"
#include "atlas/AtlasWriter.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>
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

constexpr std::uint16_t kNextVersion = format::kVersionMajor + 1;

// The checksum written again after a change, as a file made by hand to pass it would be: what the opening
// checks beyond the checksum.
void Seal(Image& image)
{
    if (image.size() < sizeof(format::Header))
        return;
    const std::uint64_t checksum = format::FileChecksum(image.data(), image.size());
    std::memcpy(image.data() + offsetof(format::Header, checksum), &checksum, sizeof checksum);
}

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
        {"next version", [](Image& i) { std::memcpy(i.data() + 12, &kNextVersion, 2); }, "is of version 3.0"},
        {"endless directory", [](Image& i) { std::memset(i.data() + 24, 0x7F, 4); }, "sections is too long"},
        {"section beyond the end", [](Image& i) { Section(i, format::SectionId::Keys)->offset = i.size() + 8; },
         "name index lies outside"},
        {"too many records", [](Image& i) { Section(i, format::SectionId::Places)->count = 1U << 30; },
         "its place table lies outside the file"},
        {"two sections on the same bytes",
         [](Image& i) { Section(i, format::SectionId::Ids)->offset = Section(i, format::SectionId::Keys)->offset; },
         "its id index overlaps"},
        {"a section over the directory", [](Image& i) { Section(i, format::SectionId::Zones)->offset = 8; },
         "its zone table overlaps the directory"},
        {"repeated id",
         [](Image& i) {
             auto* ids = First<format::IdRecord>(i, format::SectionId::Ids);
             ids[1].geonamesId = ids[0].geonamesId;
         },
         "GeoNames id 2988507 is given to two places"},
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
        Seal(image);
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
        Seal(image);
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
    Seal(image);
    const auto loaded = Atlas::FromImage(std::move(image), "atlas.bin");
    EXPECT_TRUE((*loaded)->Search("paris", 5).empty());
}

// A changed byte anywhere, where the header and the directory still look right, is refused: before the
// checksum, one at a section's offset moved every place (another village for Paris) and answers changed
// silently. The flips are at the directory's offsets, in each section, and at random.
TEST(AtlasFile, AChangedOrMissingByteAnywhereIsRefused)
{
    const Image sealed = SmallImage();
    std::vector<std::pair<std::string, std::size_t>> flips; // what, at which byte
    for (std::size_t entry = 0; entry < 9; ++entry) {
        const std::size_t at = sizeof(format::Header) + entry * sizeof(format::SectionEntry);
        flips.emplace_back("offset of section " + std::to_string(entry), at + offsetof(format::SectionEntry, offset));
        flips.emplace_back("count of section " + std::to_string(entry), at + offsetof(format::SectionEntry, count));
    }
    Image copy = sealed;
    for (const auto id : {format::SectionId::Pool, format::SectionId::Places, format::SectionId::Keys,
                          format::SectionId::Ids, format::SectionId::Fold, format::SectionId::Source})
        flips.emplace_back("start of section " + std::to_string(static_cast<int>(id)), Section(copy, id)->offset);
    flips.emplace_back("reserved header bytes", offsetof(format::Header, reserved));
    flips.emplace_back("the checksum", offsetof(format::Header, checksum));
    std::uint64_t random = 0x2545F4914F6CDD1DULL; // xorshift: the same bytes every run
    for (int n = 0; n < 200; ++n) {
        random ^= random << 13;
        random ^= random >> 7;
        random ^= random << 17;
        flips.emplace_back("random byte", random % sealed.size());
    }
    for (const auto& [what, at] : flips) {
        for (const std::byte mask : {std::byte{0x01}, std::byte{0x80}, std::byte{0x9d}}) {
            Image image = sealed;
            image[at] ^= mask;
            const auto result = Atlas::FromImage(std::move(image), "atlas.bin");
            ASSERT_FALSE(result) << what << " at " << at;
            EXPECT_NE(result.error().find("\"atlas.bin\""), std::string::npos) << result.error();
        }
    }
    for (const std::size_t cut : {std::size_t{8}, std::size_t{40}, sealed.size() / 2, sealed.size() - 1}) {
        Image image(sealed.begin(), sealed.begin() + static_cast<std::ptrdiff_t>(cut));
        EXPECT_FALSE(Atlas::FromImage(std::move(image), "atlas.bin")) << "cut to " << cut;
    }
    EXPECT_TRUE(Atlas::FromImage(Image(sealed), "atlas.bin")); // and the file as written opens
}

// The checksum's hash is XXH64: its reference's values, from the xxhsum tool (Debian's xxhash package):
//   printf '' | xxhsum -H1; printf 'abc' | xxhsum -H1;
//   printf 'The quick brown fox jumps over the lazy dog' | xxhsum -H1; head -c 100 /dev/zero | tr '\0' x | xxhsum -H1
// The last two pass through the four lanes of 32-byte stripes.
TEST(AtlasFile, TheChecksumIsTheReferenceHash)
{
    const struct {
        std::string text;
        std::uint64_t hash;
    } cases[] = {
        {"", 0xef46db3751d8e999ULL},
        {"abc", 0x44bc2cf5ad770999ULL},
        {"The quick brown fox jumps over the lazy dog", 0x0b242d361fda71bcULL},
        {std::string(100, 'x'), 0x92f0de5a88a3c094ULL},
    };
    for (const auto& c : cases)
        EXPECT_EQ(format::Hash64(reinterpret_cast<const std::byte*>(c.text.data()), c.text.size(), 0), c.hash)
            << c.text;
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
