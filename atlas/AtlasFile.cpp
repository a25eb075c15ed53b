// SPDX-License-Identifier: GPL-3.0-or-later
// The atlas file: mapped (or held) whole, its header, directory and small tables checked once when it is
// opened, and the records it hands out checked as they are used.
#include "atlas/Atlas.h"
#include "atlas/PlaceText.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <system_error>
#include <type_traits>
#include <unistd.h>

namespace tessaline::atlas {

static_assert(std::is_trivially_copyable_v<Place> && std::is_standard_layout_v<Place>);

namespace {

// The atlas of every place of 500 people or more is 10 MB as text and 15 MB mapped: a file many times that
// size is no atlas, and is not read.
constexpr std::uint64_t kPlausibleBytes = std::uint64_t{1} << 30;

std::string Quoted(std::string_view origin)
{
    std::string quoted(1, '"');
    quoted += origin;
    quoted += '"';
    return quoted;
}

// What to do is the same whatever the damage: the file must be replaced.
std::string Damaged(std::string_view origin, std::string_view what)
{
    return "The place atlas " + Quoted(origin) + " is damaged: " + std::string(what)
        + "; install the program's atlas.bin again, or convert data/atlas/atlas.tsv anew";
}

// Why a file could not be opened or mapped, and what to do: the file is the one TESSALINE_ATLAS names, or
// the installed one.
std::string CannotRead(std::string_view origin, int error)
{
    std::string message
        = "Cannot read the place atlas " + Quoted(origin) + ": " + std::system_category().message(error);
    const char* chosen = std::getenv("TESSALINE_ATLAS");
    if (chosen != nullptr && origin == chosen)
        message += "; set TESSALINE_ATLAS to the atlas file (share/tessaline/atlas.bin), or unset it to use the "
                   "installed one";
    else
        message += "; install the program's atlas.bin again";
    return message;
}

std::string NotAFile(std::string_view origin, mode_t mode)
{
    const char* what = S_ISDIR(mode)     ? "a folder"
        : S_ISFIFO(mode)                 ? "a named pipe"
        : S_ISCHR(mode) || S_ISBLK(mode) ? "a device"
        : S_ISSOCK(mode)                 ? "a socket"
                                         : "not a regular file";
    return "The place atlas " + Quoted(origin) + " is " + what + ", not a file";
}

// The records of a section whose place and size were checked.
template <typename Record> std::span<const Record> Records(const std::byte* data, const format::SectionEntry& entry)
{
    return {reinterpret_cast<const Record*>(data + entry.offset), static_cast<std::size_t>(entry.count)};
}

std::string_view Bytes(const std::byte* data, const format::SectionEntry& entry)
{
    return {reinterpret_cast<const char*>(data + entry.offset), static_cast<std::size_t>(entry.count)};
}

// A read-only mapping of a whole file, unmapped unless released.
class Mapping
{
public:
    Mapping(void* address, std::size_t size)
        : address_(address)
        , size_(size)
    { }
    Mapping(const Mapping&) = delete;
    Mapping& operator=(const Mapping&) = delete;
    ~Mapping()
    {
        if (address_ != nullptr)
            ::munmap(address_, size_);
    }
    const std::byte* Data() const noexcept { return static_cast<const std::byte*>(address_); }
    void Release() noexcept { address_ = nullptr; }

private:
    void* address_;
    std::size_t size_;
};

} // namespace

Atlas::~Atlas()
{
    if (mapped_)
        ::munmap(const_cast<std::byte*>(data_), size_);
}

Atlas::Loaded Atlas::Load(const std::filesystem::path& file)
{
    const std::string name = file.string();
    // Only a regular file is opened: a named pipe would block, a device could be endless.
    struct stat status {
    };
    if (::stat(name.c_str(), &status) != 0)
        return Fail(CannotRead(name, errno));
    if (!S_ISREG(status.st_mode))
        return Fail(NotAFile(name, status.st_mode));
    const int fd = ::open(name.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0)
        return Fail(CannotRead(name, errno));
    const bool examined = ::fstat(fd, &status) == 0;
    const int statError = errno;
    if (!examined || !S_ISREG(status.st_mode)) {
        ::close(fd);
        return Fail(examined ? NotAFile(name, status.st_mode) : CannotRead(name, statError));
    }
    const auto bytes = static_cast<std::uint64_t>(status.st_size);
    if (bytes == 0 || bytes > kPlausibleBytes) {
        ::close(fd);
        if (bytes == 0)
            return Fail(Quoted(name) + " is empty: it is not a place atlas");
        return Fail("The place atlas " + Quoted(name) + " is " + Thousands(static_cast<std::int64_t>(bytes))
                    + " bytes long: too large to be a place atlas");
    }
    void* address = ::mmap(nullptr, bytes, PROT_READ, MAP_PRIVATE, fd, 0);
    const int mapError = errno;
    ::close(fd);
    if (address == MAP_FAILED && mapError == ENOMEM)
        return Fail(std::string(kNotEnoughMemory) + " to open the place atlas " + Quoted(name));
    if (address == MAP_FAILED)
        return Fail(CannotRead(name, mapError));
    Mapping mapping(address, bytes);

    const std::string_view text(reinterpret_cast<const char*>(mapping.Data()), bytes);
    if (text.starts_with(format::kTextMagic))
        return LoadText(text, name); // converted into memory while the mapping lasts
    auto atlas = std::unique_ptr<Atlas>(new Atlas);
    atlas->data_ = mapping.Data();
    atlas->size_ = bytes;
    atlas->mapped_ = true;
    mapping.Release();
    return Open(std::move(atlas), name);
}

Atlas::Loaded Atlas::FromImage(std::vector<std::byte> image, std::string_view origin)
{
    auto atlas = std::unique_ptr<Atlas>(new Atlas);
    atlas->owned_ = std::move(image);
    atlas->data_ = atlas->owned_.data();
    atlas->size_ = atlas->owned_.size();
    return Open(std::move(atlas), origin);
}

namespace {

// What each section the reader knows is, by SectionId, and the size of its records.
constexpr std::size_t kKnown = 10;
constexpr std::array<std::string_view, kKnown> kSectionName{
    "",           "text pool", "zone table", "country table", "region table", "folding table", "place table",
    "name index", "id index",  "source line"};
constexpr std::array<std::uint32_t, kKnown> kRecordSize{0,
                                                        1,
                                                        sizeof(format::ZoneRecord),
                                                        sizeof(format::CountryRecord),
                                                        sizeof(format::RegionRecord),
                                                        sizeof(format::FoldRecord),
                                                        sizeof(Place),
                                                        sizeof(format::KeyRecord),
                                                        sizeof(format::IdRecord),
                                                        1};
// The sections the reader knows, by SectionId.
using Sections = std::array<format::SectionEntry, kKnown>;

// The header, when it is one of this program's files of this size.
Result<format::Header> ReadHeader(const std::byte* data, std::uint64_t size, std::string_view origin)
{
    format::Header header{};
    if (size < header.magic.size() || std::memcmp(data, format::kMagic.data(), format::kMagic.size()) != 0)
        return Fail(Quoted(origin) + " is not a place atlas of this program");
    if (size < sizeof header)
        return Fail(Damaged(origin, "it ends within its header"));
    std::memcpy(&header, data, sizeof header);
    if (header.byteOrder != format::kByteOrder)
        return Fail("The place atlas " + Quoted(origin)
                    + " was written for a computer of another byte order: convert data/atlas/atlas.tsv on this one");
    if (header.versionMajor != format::kVersionMajor)
        return Fail("The place atlas " + Quoted(origin) + " is of version " + std::to_string(header.versionMajor) + '.'
                    + std::to_string(header.versionMinor) + "; this program reads version "
                    + std::to_string(format::kVersionMajor) + ": use the atlas that came with it");
    if (header.fileSize != size)
        return Fail(Damaged(origin,
                            "it is " + std::to_string(size) + " bytes long where its header says "
                                + std::to_string(header.fileSize) + " (cut short, or written over)"));
    if (reinterpret_cast<std::uintptr_t>(data) % format::kSectionAlignment != 0)
        return Fail(Damaged(origin, "it is not aligned in memory"));
    if (header.sectionCount > format::kMaxSections
        || header.sectionCount * sizeof(format::SectionEntry) > size - sizeof header)
        return Fail(Damaged(origin, "its list of sections is too long"));
    return header;
}

// The sections the directory lists, each within the file, after the one listed before it and overlapping
// none: a changed offset would have two tables read from the same bytes.
Result<Sections> ReadDirectory(const std::byte* data, std::uint64_t size, const format::Header& header,
                               std::string_view origin)
{
    std::array<format::SectionEntry, format::kMaxSections> directory{};
    std::memcpy(directory.data(), data + sizeof header, header.sectionCount * sizeof(format::SectionEntry));
    Sections found{};
    std::uint64_t free = sizeof header + header.sectionCount * sizeof(format::SectionEntry); // the first byte
    for (std::uint32_t i = 0; i < header.sectionCount; ++i) {
        const format::SectionEntry& entry = directory[i];
        const auto id = static_cast<std::uint32_t>(entry.id);
        const bool known = id != 0 && id < kKnown; // else a section of a later minor version
        const std::string what = known ? "its " + std::string(kSectionName[id]) : "a section it does not know";
        if (known && found[id].recordSize != 0)
            return Fail(Damaged(origin, what + " is listed twice"));
        if (known && entry.recordSize != kRecordSize[id])
            return Fail(Damaged(origin,
                                what + " has records of " + std::to_string(entry.recordSize) + " bytes, not "
                                    + std::to_string(kRecordSize[id])));
        if (entry.offset % format::kSectionAlignment != 0 || entry.offset > size
            || (entry.recordSize != 0 && entry.count > (size - entry.offset) / entry.recordSize))
            return Fail(Damaged(origin, what + " lies outside the file"));
        if (entry.offset < free)
            return Fail(Damaged(origin, what + " overlaps the directory or the section listed before it"));
        free = entry.offset + entry.count * entry.recordSize;
        if (known)
            found[id] = entry;
    }
    for (std::uint32_t id = 1; id < kKnown; ++id)
        if (found[id].recordSize == 0)
            return Fail(Damaged(origin, "its " + std::string(kSectionName[id]) + " is missing"));
    return found;
}

} // namespace

Atlas::Loaded Atlas::Open(std::unique_ptr<Atlas> atlas, std::string_view origin)
{
    using format::SectionId;
    const std::byte* data = atlas->data_;
    const std::uint64_t size = atlas->size_;
    const auto header = ReadHeader(data, size, origin);
    if (!header)
        return Fail(header.error());
    const auto sections = ReadDirectory(data, size, *header, origin);
    if (!sections)
        return Fail(sections.error());
    // Every byte counts, so that a changed one is refused rather than read as another place.
    // The pages the sum read stay in the system's cache; the program keeps only those a search touches.
    if (format::FileChecksum(data, size, atlas->mapped_) != header->checksum)
        return Fail(Damaged(origin, "its checksum does not match its contents (changed or written over)"));
    const auto section = [&](SectionId id) -> const format::SectionEntry& {
        return (*sections)[static_cast<std::uint32_t>(id)];
    };
    Atlas& a = *atlas;
    a.pool_ = Bytes(data, section(SectionId::Pool));
    a.source_ = Bytes(data, section(SectionId::Source));
    a.countries_ = Records<format::CountryRecord>(data, section(SectionId::Countries));
    a.regions_ = Records<format::RegionRecord>(data, section(SectionId::Regions));
    a.fold_ = Records<format::FoldRecord>(data, section(SectionId::Fold));
    a.places_ = Records<Place>(data, section(SectionId::Places));
    a.keys_ = Records<format::KeyRecord>(data, section(SectionId::Keys));
    a.ids_ = Records<format::IdRecord>(data, section(SectionId::Ids));
    if (auto problem = a.CheckTables(Records<format::ZoneRecord>(data, section(SectionId::Zones))))
        return Fail(Damaged(origin, *problem));
    return atlas;
}

std::optional<std::string> Atlas::CheckTables(std::span<const format::ZoneRecord> zones)
{
    // The small tables are checked whole, and the ids' order (a search for an id halves its way to it); a
    // place or a key when it is used.
    const auto inPool = [&](format::TextRef ref) {
        return ref.offset <= pool_.size() && ref.length <= pool_.size() - ref.offset;
    };
    if (pool_.size() > 0xFFFFFFFF || zones.size() > 0xFFFF || countries_.size() > 0xFFFF
        || regions_.size() >= Place::kNoRegion || places_.size() > 0xFFFFFFFF)
        return "a table is longer than its indexes reach";
    zones_.reserve(zones.size());
    for (const auto& zone : zones) {
        if (!inPool(zone.id) || zone.id.length == 0)
            return "a zone lies outside the file";
        zones_.push_back(Text(zone.id));
    }
    for (const auto& country : countries_)
        if (!inPool(country.code) || !inPool(country.name) || !inPool(country.words))
            return "a country lies outside the file";
    for (const auto& region : regions_)
        if (!inPool(region.name) || !inPool(region.words) || region.country >= countries_.size())
            return "a region lies outside the file";
    for (std::size_t i = 0; i < fold_.size(); ++i)
        if (!inPool(fold_[i].folded) || (i > 0 && fold_[i].codePoint <= fold_[i - 1].codePoint))
            return "the folding table is out of order";
    for (std::size_t i = 0; i < ids_.size(); ++i) {
        if (i > 0 && ids_[i].geonamesId == ids_[i - 1].geonamesId)
            return "GeoNames id " + std::to_string(ids_[i].geonamesId) + " is given to two places";
        if ((i > 0 && ids_[i].geonamesId < ids_[i - 1].geonamesId) || ids_[i].place >= places_.size())
            return "its id index is out of order";
    }
    // As with the checksum, the id index's pages go back until an id is looked up: a search never reads them.
    if (mapped_ && !ids_.empty()) {
        const auto pageSize = static_cast<std::uintptr_t>(::sysconf(_SC_PAGESIZE));
        const auto* const start = reinterpret_cast<const std::byte*>(ids_.data());
        const std::byte* const first = start - reinterpret_cast<std::uintptr_t>(start) % pageSize; // its page
        const std::byte* const end = start + ids_.size_bytes();
        ::madvise(const_cast<std::byte*>(first), static_cast<std::size_t>(end - first), MADV_DONTNEED);
    }
    return std::nullopt;
}

std::string_view Atlas::Text(format::TextRef ref) const
{
    if (ref.offset > pool_.size() || ref.length > pool_.size() - ref.offset)
        return {};
    return pool_.substr(ref.offset, ref.length);
}

std::string_view Atlas::KeyText(const format::KeyRecord& key) const
{
    return Text({key.text, key.length});
}

bool Atlas::Valid(const Place& place) const noexcept
{
    const std::uint64_t end = std::uint64_t{place.textOffset} + place.nameLength + place.alternatesLength;
    return place.nameLength > 0 && end <= pool_.size() && place.country < countries_.size()
        && (place.region == Place::kNoRegion || place.region < regions_.size()) && place.zone < zones_.size()
        && std::abs(place.latitudeThousandths) <= 90000 && std::abs(place.longitudeThousandths) <= 180000
        && place.population >= 0;
}

std::string_view Atlas::Name(const Place& place) const
{
    return Text({place.textOffset, place.nameLength});
}

std::string_view Atlas::Alternates(const Place& place) const
{
    if (place.textOffset > pool_.size() || place.nameLength > pool_.size() - place.textOffset)
        return {};
    return Text({place.textOffset + place.nameLength, place.alternatesLength});
}

const Place* Atlas::FindId(std::int32_t geonamesId) const
{
    const auto found = std::partition_point(
        ids_.begin(), ids_.end(), [geonamesId](const format::IdRecord& id) { return id.geonamesId < geonamesId; });
    if (found == ids_.end() || found->geonamesId != geonamesId || found->place >= places_.size())
        return nullptr;
    const Place& place = places_[found->place];
    return Valid(place) ? &place : nullptr;
}

std::string_view Atlas::ZoneId(const Place& place) const
{
    return place.zone < zones_.size() ? zones_[place.zone] : std::string_view{};
}

std::string_view Atlas::CountryName(const Place& place) const
{
    return place.country < countries_.size() ? Text(countries_[place.country].name) : std::string_view{};
}

std::string_view Atlas::CountryCode(const Place& place) const
{
    return place.country < countries_.size() ? Text(countries_[place.country].code) : std::string_view{};
}

std::string_view Atlas::RegionName(const Place& place) const
{
    return place.region < regions_.size() ? Text(regions_[place.region].name) : std::string_view{};
}

std::size_t Atlas::HeapBytes() const noexcept
{
    return sizeof(Atlas) + owned_.capacity() + zones_.capacity() * sizeof(std::string_view);
}

std::optional<std::filesystem::path> FindAtlasFile(const std::filesystem::path& executableFolder)
{
    std::vector<std::filesystem::path> candidates;
    if (const char* chosen = std::getenv("TESSALINE_ATLAS"); chosen && *chosen)
        return std::filesystem::path(chosen); // what the user named, found or not: its load says why not
    if (!executableFolder.empty())
        candidates.push_back(executableFolder / ".." / "share" / "tessaline" / "atlas.bin");
#ifdef TESSALINE_ATLAS_INSTALLED
    candidates.emplace_back(TESSALINE_ATLAS_INSTALLED);
#endif
#ifdef TESSALINE_ATLAS_BUILT
    candidates.emplace_back(TESSALINE_ATLAS_BUILT);
#endif
    for (const auto& candidate : candidates) {
        std::error_code error;
        if (std::filesystem::is_regular_file(candidate, error))
            return candidate;
    }
    return std::nullopt;
}

} // namespace tessaline::atlas
