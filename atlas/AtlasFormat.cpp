// SPDX-License-Identifier: GPL-3.0-or-later
#include "atlas/AtlasFormat.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <sys/mman.h>
#include <unistd.h>

namespace tessaline::atlas::format {

namespace {

// XXH64 (Yann Collet's 64-bit hash, as its reference describes it): four lanes of 8-byte words, so that the
// whole atlas is summed in a few milliseconds.
constexpr std::uint64_t kPrime1 = 0x9E3779B185EBCA87ULL;
constexpr std::uint64_t kPrime2 = 0xC2B2AE3D27D4EB4FULL;
constexpr std::uint64_t kPrime3 = 0x165667B19E3779F9ULL;
constexpr std::uint64_t kPrime4 = 0x85EBCA77C2B2AE63ULL;
constexpr std::uint64_t kPrime5 = 0x27D4EB2F165667C5ULL;

std::uint64_t Word64(const std::byte* at) noexcept
{
    std::uint64_t word;
    std::memcpy(&word, at, sizeof word);
    if constexpr (std::endian::native == std::endian::big)
        word = __builtin_bswap64(word);
    return word;
}

std::uint32_t Word32(const std::byte* at) noexcept
{
    std::uint32_t word;
    std::memcpy(&word, at, sizeof word);
    if constexpr (std::endian::native == std::endian::big)
        word = __builtin_bswap32(word);
    return word;
}

std::uint64_t Round(std::uint64_t lane, std::uint64_t input) noexcept
{
    return std::rotl(lane + input * kPrime2, 31) * kPrime1;
}

std::uint64_t Merge(std::uint64_t hash, std::uint64_t lane) noexcept
{
    return (hash ^ Round(0, lane)) * kPrime1 + kPrime4;
}

} // namespace

namespace {

// XXH64 taken in pieces: whole stripes of 32 bytes as they come, then the rest.
class Hasher
{
public:
    static constexpr std::size_t kStripe = 32;
    explicit Hasher(std::uint64_t seed) noexcept
        : seed_(seed)
        , lanes_{seed + kPrime1 + kPrime2, seed + kPrime2, seed, seed - kPrime1}
    { }
    // size a multiple of kStripe.
    void Stripes(const std::byte* at, std::size_t size) noexcept
    {
        for (const std::byte* end = at + size; at < end; at += kStripe)
            for (std::size_t k = 0; k < 4; ++k)
                lanes_[k] = Round(lanes_[k], Word64(at + 8 * k));
        total_ += size;
    }
    // The last bytes, fewer than kStripe.
    std::uint64_t Finish(const std::byte* at, std::size_t size) const noexcept
    {
        std::uint64_t hash = seed_ + kPrime5;
        if (total_ > 0) {
            hash = std::rotl(lanes_[0], 1) + std::rotl(lanes_[1], 7) + std::rotl(lanes_[2], 12)
                + std::rotl(lanes_[3], 18);
            for (const std::uint64_t lane : lanes_)
                hash = Merge(hash, lane);
        }
        hash += total_ + size;
        const std::byte* const end = at + size;
        for (; end - at >= 8; at += 8)
            hash = std::rotl(hash ^ Round(0, Word64(at)), 27) * kPrime1 + kPrime4;
        if (end - at >= 4) {
            hash = std::rotl(hash ^ (std::uint64_t{Word32(at)} * kPrime1), 23) * kPrime2 + kPrime3;
            at += 4;
        }
        for (; at < end; ++at)
            hash = std::rotl(hash ^ (std::to_integer<std::uint64_t>(*at) * kPrime5), 11) * kPrime1;
        hash ^= hash >> 33;
        hash *= kPrime2;
        hash ^= hash >> 29;
        hash *= kPrime3;
        hash ^= hash >> 32;
        return hash;
    }

private:
    std::uint64_t seed_;
    std::uint64_t lanes_[4];
    std::uint64_t total_ = 0;
};

} // namespace

std::uint64_t Hash64(const std::byte* data, std::size_t size, std::uint64_t seed) noexcept
{
    Hasher hasher(seed);
    const std::size_t striped = size - size % Hasher::kStripe;
    hasher.Stripes(data, striped);
    return hasher.Finish(data + striped, size - striped);
}

std::uint64_t FileChecksum(const std::byte* file, std::size_t size, bool releasePages) noexcept
{
    // The header with its checksum as nought seeds the sum of the rest.
    Header header{};
    if (size < sizeof header)
        return Hash64(file, size, 0);
    std::memcpy(&header, file, sizeof header);
    header.checksum = 0;
    Hasher hasher(Hash64(reinterpret_cast<const std::byte*>(&header), sizeof header, 0));
    // A quarter megabyte at a time: a mapped file's pages are given back once summed, so that opening the atlas does
    // not hold all of it in the program's memory at once.
    constexpr std::size_t kPiece = std::size_t{256} << 10;
    const std::byte* at = file + sizeof header;
    const std::size_t striped = (size - sizeof header) / Hasher::kStripe * Hasher::kStripe;
    const auto pageSize = static_cast<std::uintptr_t>(::sysconf(_SC_PAGESIZE));
    // The start of the page a byte lies in, found by pointer arithmetic (the mapping starts on a page).
    const auto page = [pageSize](const std::byte* byte) {
        return byte - reinterpret_cast<std::uintptr_t>(byte) % pageSize;
    };
    for (std::size_t done = 0; done < striped;) {
        const std::size_t piece = std::min(kPiece, striped - done);
        const std::byte* const from = at + done;
#ifdef MADV_POPULATE_READ
        // The piece's pages mapped in one call rather than a fault for every few (a kernel before 5.14 says
        // no, and the faults do it).
        if (releasePages)
            ::madvise(const_cast<std::byte*>(page(from)), static_cast<std::size_t>(from + piece - page(from)),
                      MADV_POPULATE_READ);
#endif
        hasher.Stripes(from, piece);
        done += piece;
        // Whole pages only, and never the page the next piece starts in.
        if (releasePages && page(at + done) > page(from))
            ::madvise(const_cast<std::byte*>(page(from)), static_cast<std::size_t>(page(at + done) - page(from)),
                      MADV_DONTNEED);
    }
    return hasher.Finish(at + striped, size - sizeof header - striped);
}

} // namespace tessaline::atlas::format
