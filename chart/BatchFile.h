// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/Result.h"
#include "chart/BirthArguments.h"
#include "chart/Csv.h"

#include <array>
#include <cstddef>
#include <filesystem>
#include <istream>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
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

    // Columns a birth file keeps beside the birth (BirthFileExtras): the zone chosen by hand at a place, which
    // the chart uses as --place with --zone does, and City, State and Country as typed, which no chart reads.
    enum Kept : std::size_t { kHandZone, kCity, kState, kCountry };
    static constexpr std::array<std::string_view, 4> kKeptNames{"handZone", "city", "state", "country"};

    // The columns of a header record, or the message that refuses it.
    static Result<BatchHeader> Read(const std::vector<std::string>& fields);

    bool Has(Column column) const noexcept { return columnOf_[column] != kAbsent; }
    bool Has(Kept column) const noexcept { return keptOf_[column] != kAbsent; }
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
    std::string_view Field(const std::vector<std::string>& row, Kept column) const
    {
        return Has(column) ? std::string_view(row[keptOf_[column]]) : std::string_view();
    }

private:
    static constexpr std::size_t kAbsent = static_cast<std::size_t>(-1);
    // The field that names a column, kAbsent when none does; a column named twice is refused, naming it.
    static Result<std::size_t> ColumnOf(const std::vector<std::string>& fields, std::string_view name);
    std::array<std::size_t, kNames.size()> columnOf_{};
    std::array<std::size_t, kKeptNames.size()> keptOf_{};
    std::size_t fieldCount_ = 0;
};

// A row's dst column when it is not a flag.
inline constexpr std::string_view kMsgDstNotAFlag = "dst must be 1 or 0 (true/false, yes/no)";

// What a birth file keeps beside the birth's own columns. With a place (its name and id) the row leaves zone,
// lon and lat blank, as the batch asks; handZone is the zone the hand chose there, blank for the place's own.
struct BirthFileExtras {
    std::string place;
    std::string placeId;
    std::string handZone;
    std::string city; // as typed, for people to read: no chart uses them
    std::string state;
    std::string country;
};

// A one-row batch, header and row, for one birth: the file the birth data window saves. Only the columns of
// extras that hold something are written, so a birth without them keeps the plain seven columns.
std::string BirthBatchText(const BirthArguments& birth, const BirthFileExtras& extras = {});

// One row of a batch as both programs chart it: a birth by its coordinates and zone, or at a place of the
// atlas (the place and the clock history then give lon, lat and the zone, which the row leaves blank).
struct BatchBirth {
    BirthArguments birth; // name, date, time, zone, lon, lat as written; dst as a flag (blank is no)
    std::string place; // the place's name, or
    std::string placeId; // its GeoNames id, when the row names its place
    std::optional<bool> dst; // the dst column, nothing when blank: at a place it then takes the earlier reading
    ZodiacChoice zodiac;
    std::string placeLabel{}; // a birth by its coordinates: the place's name to show, looked up nowhere
    bool Placed() const noexcept { return !place.empty() || !placeId.empty(); }
};

// Why a batch cannot be read at all; each program says it in its own words.
struct BatchFailure {
    enum class Kind {
        Folder, // the name is a folder's
        CannotOpen, // reason: the system's
        Empty, // no header line
        HeaderTooLong, // more than CsvReader::kMaxFields fields (tooManyFields) or kMaxRecordBytes
        Header, // reason: what refuses the header
        ReadFailed, // reason: the reader's, after reading had begun
    };
    Kind kind;
    std::string reason;
    std::size_t line = 0; // the header's line, where it was refused
    bool tooManyFields = false;
};

// A birth batch opened for reading: its header checked, then one row at a time, memory bounded by the
// longest row. Both programs read batches through it: the chart tool's batches, the window's birth files.
class BatchFile
{
public:
    // The file a user named: a folder, or a file that cannot be read, is refused with its reason.
    static Result<std::unique_ptr<BatchFile>, BatchFailure> Open(const std::filesystem::path& file);
    // A stream that stays the caller's (standard input).
    static Result<std::unique_ptr<BatchFile>, BatchFailure> Read(std::istream& in);

    const BatchHeader& Header() const noexcept { return header_; }

    struct Row {
        std::size_t line = 0;
        // The row's values by column (BatchHeader::kNames), empty when the batch has no such column or the
        // row was refused before its values were read.
        std::array<std::string, BatchHeader::kNames.size()> fields;
        std::array<std::string, BatchHeader::kKeptNames.size()> kept; // likewise, by BatchHeader::kKeptNames
        Result<BatchBirth, BirthFailure> birth = Unexpected<BirthFailure>{};
        // What reading the row changed or passed over, said beside its chart (a file of another program's).
        std::vector<std::string> warnings{};
        std::vector<std::string> record; // every field as written, with KeepRecords
    };
    // Keeps each row's fields as written in Row::record, the columns no chart reads among them, so that a list
    // of people can be written back whole; a batch that only charts its rows leaves them.
    void KeepRecords() noexcept { keepRecords_ = true; }
    // The header's fields as written.
    const std::vector<std::string>& HeaderRecord() const noexcept { return headerRecord_; }
    // The next row that is not a blank line, its birth or why it is refused (a failure the program words
    // follows "In this row "); the zodiac of a row without zodiac columns is fallback. Nothing at the end of
    // the input, or when reading failed (Finished()).
    std::optional<Row> Next(const ZodiacChoice& fallback);
    // Once Next has given nothing: whether the input was read to its end.
    Result<void, BatchFailure> Finished() const;

private:
    explicit BatchFile(std::istream& in)
        : reader_(in)
    { }
    static Result<std::unique_ptr<BatchFile>, BatchFailure> Begin(std::unique_ptr<BatchFile> batch);

    std::unique_ptr<std::istream> owned_;
    CsvReader reader_;
    BatchHeader header_;
    std::vector<std::string> record_;
    std::vector<std::string> headerRecord_;
    bool keepRecords_ = false;
};

// A birth in the columns of a file of people, as the birth data window writes it (BirthBatchText's columns):
// the columns the birth needs and the header lacks are added at the end of header (the caller widens the other
// records); keep gives the record's other fields (a zodiac, a column no chart reads), which stay as they were.
std::vector<std::string> BirthRecordIn(std::vector<std::string>& header, const BirthArguments& birth,
                                       const BirthFileExtras& extras, std::vector<std::string> keep = {});

// A file of people: the header and every record, each cut or padded to the header's width, as CSV.
std::string PeopleFileText(const std::vector<std::string>& header,
                           const std::vector<std::vector<std::string>>& records);

} // namespace tessaline
