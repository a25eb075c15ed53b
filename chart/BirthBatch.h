// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "chart/BirthArguments.h"
#include "chart/Csv.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace tessaline {

// The header of a birth batch, the CSV file the chart tool calculates and the birth data window saves and
// opens: it names its columns in any order and any case. name, date and time are needed, and zone, lon,
// lat and dst unless the batch names its places (place or placeId); zodiac and ayanamsa may be given.
class BatchHeader
{
public:
    enum Column : std::size_t { kName, kDate, kTime, kZone, kLon, kLat, kDst, kPlace, kPlaceId, kZodiac, kAyanamsa };
    static constexpr std::array<std::string_view, 11> kNames{"name", "date",  "time",    "zone",   "lon",     "lat",
                                                             "dst",  "place", "placeId", "zodiac", "ayanamsa"};

    // The columns of a header record, or the message that refuses it.
    static std::variant<BatchHeader, std::string> Read(const std::vector<std::string>& fields);

    bool Has(Column column) const noexcept { return columnOf_[column] != kAbsent; }
    // The batch names its places, so its rows need no zone, lon, lat and dst.
    bool Placed() const noexcept { return Has(kPlace) || Has(kPlaceId); }
    std::size_t FieldCount() const noexcept { return fieldCount_; }

    // Reads the next record that is not a blank line. problem is what refuses it before its values are
    // read (the reader's reason, or another number of fields than the header's), nothing for a record of
    // the header's shape. False at the end of the input or when reading fails (the reader's ReadError).
    bool NextRow(CsvReader& reader, std::vector<std::string>& fields, std::optional<std::string>& problem) const;

    // A row's value for a column, empty when the batch has no such column. The row has FieldCount() fields.
    std::string_view Field(const std::vector<std::string>& row, Column column) const
    {
        return Has(column) ? std::string_view(row[columnOf_[column]]) : std::string_view();
    }

private:
    static constexpr std::size_t kAbsent = static_cast<std::size_t>(-1);
    std::array<std::size_t, kNames.size()> columnOf_{};
    std::size_t fieldCount_ = 0;
};

// A row's dst column when it is not a flag.
inline constexpr std::string_view kMsgDstNotAFlag = "dst must be 1 or 0 (true/false, yes/no)";

// A one-row batch, header and row, for one birth: the file the birth data window saves.
std::string BirthBatchText(const BirthArguments& birth);

} // namespace tessaline
