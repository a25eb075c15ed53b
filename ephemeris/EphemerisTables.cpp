// SPDX-License-Identifier: GPL-3.0-or-later
#include "ephemeris/EphemerisTables.h"

#include "ephemeris/EphemerisTableFormat.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <numbers>

// The tables' bytes, laid into the program's read-only data by EphemerisTablesData.cpp.
extern "C" const unsigned char tessaline_ephemeris_tables[];
extern "C" const unsigned char tessaline_ephemeris_tables_end[];

namespace tessaline {

namespace {

static_assert(std::endian::native == std::endian::little, "the tables are stored little-endian");

using tables::Series;

// The series of each body's longitude, Sun to Pluto, by Body.
constexpr std::array<Series, kDecanateBodyCount> kBodySeries{
    Series::Sun,     Series::Moon,   Series::Mercury, Series::Venus,   Series::Mars,
    Series::Jupiter, Series::Saturn, Series::Uranus,  Series::Neptune, Series::Pluto};

// The Sun's for a point the tables do not hold as a body (never asked).
constexpr Series SeriesOf(Body body) noexcept
{
    return ToIndex(body) < kBodySeries.size() ? kBodySeries[ToIndex(body)] : Series::Sun;
}

// [0, 360) from any finite angle.
double Wrapped(double degrees) noexcept
{
    const double r = std::fmod(degrees, 360.0);
    return r < 0.0 ? r + 360.0 : (r >= 360.0 ? 0.0 : r);
}

struct SeriesView {
    tables::SeriesEntry entry{};
    const unsigned char* index = nullptr;
    const std::uint8_t* levels = nullptr;
    const unsigned char* blocks = nullptr;
    std::uint64_t blockSize = 0;
};

// The compiled-in tables, checked once: every offset inside the bytes, every segment's parts adding up to
// the whole segment, every series covering the span.
class Tables
{
public:
    Tables(const unsigned char* bytes, std::size_t size) noexcept
    {
        if (size < sizeof(tables::Header))
            return;
        std::memcpy(&header_, bytes, sizeof(header_));
        if (header_.magic != tables::kMagic || header_.seriesCount != tables::kSeriesCount
            || !(header_.firstJulianDayUT < header_.lastJulianDayUT) || header_.source.back() != '\0')
            return;
        const std::uint64_t directoryEnd
            = sizeof(tables::Header) + std::uint64_t{tables::kSeriesCount} * sizeof(tables::SeriesEntry);
        if (size < directoryEnd)
            return;
        for (std::uint32_t s = 0; s < tables::kSeriesCount; ++s) {
            SeriesView& view = series_[s];
            std::memcpy(&view.entry, bytes + sizeof(tables::Header) + s * sizeof(tables::SeriesEntry),
                        sizeof(view.entry));
            if (!Check(view, bytes, size))
                return;
        }
        valid_ = true;
    }

    bool Valid() const noexcept { return valid_; }
    const tables::Header& Header() const noexcept { return header_; }

    // The series at an instant inside the span, with the nutation in longitude added where the series is
    // stored without it, and reduced to [0, 360) where it is a longitude.
    double Value(Series which, double julianDayUT, double nutationInLongitude) const noexcept
    {
        const tables::SeriesEntry& e = series_[static_cast<std::size_t>(which)].entry;
        double value = Evaluate(which, julianDayUT);
        if ((e.flags & tables::kFlagPlusNutation) != 0)
            value += nutationInLongitude;
        return (e.flags & tables::kFlagAngle) != 0 ? Wrapped(value) : value;
    }

    // The stored series alone.
    double Evaluate(Series which, double julianDayUT) const noexcept
    {
        const SeriesView& view = series_[static_cast<std::size_t>(which)];
        const tables::SeriesEntry& e = view.entry;
        const double position = (julianDayUT - e.first) / e.length;
        const double whole = std::clamp(std::floor(position), 0.0, static_cast<double>(e.baseCount - 1));
        double u = position - whole; // where in the base segment, [0, 1]
        std::uint32_t word = 0;
        std::memcpy(&word, view.index + static_cast<std::size_t>(whole) * sizeof(word), sizeof(word));
        std::uint32_t part = word >> tables::kCountBits;
        const std::uint32_t parts = word & tables::kMostParts;
        if (parts > 1) {
            // Walk the cut segment's parts to the one holding u; their lengths are powers of two, so the
            // sums are exact.
            double start = 0.0;
            for (std::uint32_t i = 0;; ++i, ++part) {
                const double length = std::ldexp(1.0, -static_cast<int>(view.levels[part]));
                if (u < start + length || i + 1 == parts) {
                    u = (u - start) / length;
                    break;
                }
                start += length;
            }
        }
        std::array<double, tables::kMostCoefficients> c{};
        const unsigned char* block = view.blocks + part * view.blockSize;
        std::memcpy(c.data(), block, e.doubleCount * sizeof(double));
        block += e.doubleCount * sizeof(double);
        for (std::uint32_t k = e.doubleCount; k < e.coefficientCount; ++k, block += sizeof(float)) {
            float narrow = 0.0F;
            std::memcpy(&narrow, block, sizeof(narrow));
            c[k] = narrow;
        }
        return tables::ChebyshevSum(c.data(), e.coefficientCount, 2.0 * u - 1.0) + e.offset;
    }

private:
    bool Check(SeriesView& view, const unsigned char* bytes, std::size_t size) const noexcept
    {
        const tables::SeriesEntry& e = view.entry;
        if (e.coefficientCount < 2 || e.coefficientCount > tables::kMostCoefficients
            || e.doubleCount > e.coefficientCount || e.baseCount == 0 || !(e.length > 0.0)
            || !(e.first <= header_.firstJulianDayUT) || !(e.first + e.baseCount * e.length > header_.lastJulianDayUT))
            return false;
        view.blockSize = tables::BlockSize(e.coefficientCount, e.doubleCount);
        const auto inside = [size](std::uint64_t at, std::uint64_t count, std::uint64_t each) {
            return at <= size && count <= (size - at) / each;
        };
        if (!inside(e.indexAt, e.baseCount, sizeof(std::uint32_t)) || !inside(e.levelsAt, e.partCount, 1)
            || !inside(e.blocksAt, e.partCount, view.blockSize))
            return false;
        view.index = bytes + e.indexAt;
        view.levels = bytes + e.levelsAt;
        view.blocks = bytes + e.blocksAt;
        std::uint64_t nextPart = 0;
        for (std::uint32_t base = 0; base < e.baseCount; ++base) {
            std::uint32_t word = 0;
            std::memcpy(&word, view.index + base * sizeof(word), sizeof(word));
            const std::uint32_t parts = word & tables::kMostParts;
            if ((word >> tables::kCountBits) != nextPart || parts == 0 || nextPart + parts > e.partCount)
                return false;
            double covered = 0.0;
            for (std::uint32_t i = 0; i < parts; ++i, ++nextPart) {
                if (view.levels[nextPart] > tables::kMostLevel)
                    return false;
                covered += std::ldexp(1.0, -static_cast<int>(view.levels[nextPart]));
            }
            if (covered != 1.0)
                return false;
        }
        return nextPart == e.partCount;
    }

    tables::Header header_{};
    std::array<SeriesView, tables::kSeriesCount> series_{};
    bool valid_ = false;
};

std::size_t CompiledSize() noexcept
{
    return static_cast<std::size_t>(tessaline_ephemeris_tables_end - tessaline_ephemeris_tables);
}

const Tables& CompiledTables() noexcept
{
    static const Tables compiled(tessaline_ephemeris_tables, CompiledSize());
    return compiled;
}

constexpr double kRadiansPerDegree = std::numbers::pi / 180.0;
constexpr double kDegreesPerRadian = 180.0 / std::numbers::pi;

} // namespace

TabulatedSpan EphemerisTablesSpan() noexcept
{
    const Tables& compiled = CompiledTables();
    if (!compiled.Valid())
        return {};
    return {compiled.Header().firstJulianDayUT, compiled.Header().lastJulianDayUT};
}

bool CheckEphemerisTables() noexcept
{
    return Tables(tessaline_ephemeris_tables, CompiledSize()).Valid();
}

std::size_t EphemerisTablesSize() noexcept
{
    return CompiledSize();
}

std::optional<TabulatedInstant> TabulatedInstant::At(double julianDayUT) noexcept
{
    const Tables& compiled = CompiledTables();
    if (!compiled.Valid() || !(julianDayUT >= compiled.Header().firstJulianDayUT)
        || !(julianDayUT <= compiled.Header().lastJulianDayUT))
        return std::nullopt;
    return TabulatedInstant(julianDayUT, compiled.Evaluate(Series::NutationInLongitude, julianDayUT));
}

double TabulatedInstant::Longitude(Body body) const noexcept
{
    return CompiledTables().Value(SeriesOf(body), julianDayUT_, nutationInLongitude_);
}

double TabulatedInstant::MeanNode() const noexcept
{
    return CompiledTables().Value(Series::MeanNode, julianDayUT_, nutationInLongitude_);
}

double TabulatedInstant::AyanamsaDegrees(Ayanamsa ayanamsa) const noexcept
{
    const auto index = static_cast<std::uint32_t>(ayanamsa);
    const auto first = static_cast<std::uint32_t>(Series::Lahiri);
    return CompiledTables().Value(static_cast<Series>(first + (index < kAyanamsaCount ? index : 0)), julianDayUT_,
                                  nutationInLongitude_);
}

double TabulatedInstant::TrueObliquity() const noexcept
{
    return CompiledTables().Evaluate(Series::TrueObliquity, julianDayUT_);
}

double TabulatedInstant::ApparentSiderealTime() const noexcept
{
    const double mean
        = tables::EarthRotationAngle(julianDayUT_) + CompiledTables().Evaluate(Series::SiderealOffset, julianDayUT_);
    return Wrapped(mean + nutationInLongitude_ * std::cos(TrueObliquity() * kRadiansPerDegree));
}

PreciseAngles TabulatedInstant::ChartAngles(double signedLongitude, double signedLatitude) const noexcept
{
    const double epsilon = TrueObliquity() * kRadiansPerDegree;
    const double theta = Wrapped(ApparentSiderealTime() - signedLongitude) * kRadiansPerDegree; // RAMC
    const double phi = signedLatitude * kRadiansPerDegree;
    const double midheaven
        = Wrapped(std::atan2(std::sin(theta), std::cos(theta) * std::cos(epsilon)) * kDegreesPerRadian);
    double ascendant = Wrapped(
        std::atan2(std::cos(theta), -(std::sin(theta) * std::cos(epsilon) + std::tan(phi) * std::sin(epsilon)))
        * kDegreesPerRadian);
    if (Wrapped(ascendant - midheaven) > 180.0)
        ascendant = Wrapped(ascendant + 180.0);
    return {ascendant, midheaven};
}

std::string EphemerisTablesDescription()
{
    const Tables& compiled = CompiledTables();
    if (!compiled.Valid())
        return "the ephemeris tables are damaged";
    // Rounded up to the next thousandth of a second of arc.
    const double within = std::ceil(compiled.Header().largestError * 1000.0) / 1000.0;
    std::array<char, 32> number{};
    std::snprintf(number.data(), number.size(), "%.3f", within);
    return std::string(compiled.Header().source.data()) + ", tabulated for 1901\u20132050 to within " + number.data()
        + "\u2033 of it";
}

} // namespace tessaline
