// SPDX-License-Identifier: GPL-3.0-or-later
#include "atlas/AtlasFormat.h"

#include <bit>
#include <cstring>

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

std::uint64_t Hash64(const std::byte* data, std::size_t size, std::uint64_t seed) noexcept
{
    const std::byte* at = data;
    const std::byte* const end = data + size;
    std::uint64_t hash;
    if (size >= 32) {
        std::uint64_t lanes[4] = {seed + kPrime1 + kPrime2, seed + kPrime2, seed, seed - kPrime1};
        for (; end - at >= 32; at += 32)
            for (int k = 0; k < 4; ++k)
                lanes[k] = Round(lanes[k], Word64(at + 8 * k));
        hash = std::rotl(lanes[0], 1) + std::rotl(lanes[1], 7) + std::rotl(lanes[2], 12) + std::rotl(lanes[3], 18);
        for (const std::uint64_t lane : lanes)
            hash = Merge(hash, lane);
    } else
        hash = seed + kPrime5;
    hash += size;
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

std::uint64_t FileChecksum(const std::byte* file, std::size_t size) noexcept
{
    // The header with its checksum as nought seeds the sum of the rest.
    Header header{};
    if (size < sizeof header)
        return Hash64(file, size, 0);
    std::memcpy(&header, file, sizeof header);
    header.checksum = 0;
    const std::uint64_t seed = Hash64(reinterpret_cast<const std::byte*>(&header), sizeof header, 0);
    return Hash64(file + sizeof header, size - sizeof header, seed);
}

} // namespace tessaline::atlas::format
