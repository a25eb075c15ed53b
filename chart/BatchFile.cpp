// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart/BatchFile.h"

#include "base/CsvText.h"
#include "chart/Text.h"

#include <algorithm>
#include <cerrno>
#include <fstream>
#include <system_error>

namespace tessaline {

Result<std::size_t> BatchHeader::ColumnOf(const std::vector<std::string>& fields, std::string_view name)
{
    const std::string wanted = FoldKey(name);
    std::size_t found = kAbsent;
    for (std::size_t field = 0; field < fields.size(); ++field) {
        if (FoldKey(fields[field]) != wanted)
            continue;
        // A column named twice says two things of every row; taking either would chart a birth never given.
        if (found != kAbsent)
            return Fail("The batch header names the column \"" + std::string(name) + "\" twice (fields "
                        + std::to_string(found + 1) + " and " + std::to_string(field + 1) + "): keep one of them");
        found = field;
    }
    return found;
}

Result<BatchHeader> BatchHeader::Read(const std::vector<std::string>& fields)
{
    BatchHeader header;
    header.fieldCount_ = fields.size();
    for (std::size_t c = 0; c < kNames.size(); ++c) {
        const Result<std::size_t> column = ColumnOf(fields, kNames[c]);
        if (!column)
            return Fail(column.error());
        header.columnOf_[c] = *column;
    }
    for (std::size_t c = 0; c < kKeptNames.size(); ++c) {
        const Result<std::size_t> column = ColumnOf(fields, kKeptNames[c]);
        if (!column)
            return Fail(column.error());
        header.keptOf_[c] = *column;
    }
    for (std::size_t c = kName; c <= kDst; ++c)
        if (!header.Has(static_cast<Column>(c)) && (c <= kTime || !header.Placed()))
            return Fail("The batch header has no column \"" + std::string(kNames[c])
                        + "\": it must name name,date,time,zone,lon,lat,dst (or name,date,time,place)");
    return header;
}

namespace {

// Why the reader refused its last record, or nothing when it read the record whole.
std::optional<std::string> CsvRecordProblem(const CsvReader& reader)
{
    const std::string quoteLine = std::to_string(reader.QuoteLine());
    const std::string goesOn
        = reader.ResumedAt() != 0 ? "; reading goes on at line " + std::to_string(reader.ResumedAt()) : "";
    switch (reader.LastProblem()) {
    case CsvReader::Problem::None:
        return std::nullopt;
    case CsvReader::Problem::StrayQuote:
        if (reader.ResumedAt() != 0)
            return "The quote opened on line " + quoteLine + " closes with text after it" + goesOn;
        return std::string("The row has a stray quote, or text after a closing quote");
    case CsvReader::Problem::UnclosedQuote:
        return "The quote opened on line " + quoteLine + " is never closed" + goesOn;
    case CsvReader::Problem::QuoteTooLong:
        return "The quote opened on line " + quoteLine + " runs on past 1 MB" + goesOn;
    case CsvReader::Problem::TooLong:
        return std::string("The row is longer than 1 MB");
    case CsvReader::Problem::TooManyFields:
        return std::string("The row has more than 1024 fields");
    }
    return std::nullopt;
}

// A row refused in words both programs show as they are.
Unexpected<BirthFailure> Refused(std::string message)
{
    return {{BirthFailure::Kind::Stated, {}, std::move(message), {}}};
}

} // namespace

bool BatchHeader::NextRow(CsvReader& reader, std::vector<std::string>& fields,
                          std::optional<std::string>& problem) const
{
    while (reader.Next(fields)) {
        problem = CsvRecordProblem(reader);
        if (!problem && fields.size() == 1 && fields[0].empty())
            continue; // a blank line
        if (!problem && fields.size() != fieldCount_)
            problem = "The row has " + std::to_string(fields.size()) + " fields where the header has "
                + std::to_string(fieldCount_);
        return true;
    }
    return false;
}

std::string BirthBatchText(const BirthArguments& birth, const BirthFileExtras& extras)
{
    std::string header = "name,date,time,zone,lon,lat,dst";
    std::string row;
    for (const std::string* field : {&birth.name, &birth.date, &birth.time, &birth.zone, &birth.lon, &birth.lat}) {
        AppendCsvQuoted(row, *field);
        row += ',';
    }
    row += birth.dst ? "1" : "0";
    const auto append = [&header, &row](std::string_view column, const std::string& value) {
        header += ',';
        header += column;
        row += ',';
        AppendCsvQuoted(row, value);
    };
    if (!extras.place.empty() || !extras.placeId.empty()) {
        append("place", extras.place);
        append("placeId", extras.placeId);
        if (!extras.handZone.empty())
            append("handZone", extras.handZone);
    }
    if (!extras.city.empty() || !extras.state.empty() || !extras.country.empty()) {
        append("city", extras.city);
        append("state", extras.state);
        append("country", extras.country);
    }
    return header + '\n' + row + '\n';
}

std::vector<std::string> BirthRecordIn(std::vector<std::string>& header, const BirthArguments& birth,
                                       const BirthFileExtras& extras, std::vector<std::string> keep)
{
    const bool placed = !extras.place.empty() || !extras.placeId.empty();
    const std::array<std::pair<std::string_view, std::string>, 13> values{{
        {"name", birth.name},
        {"date", birth.date},
        {"time", birth.time},
        {"zone", placed ? std::string() : birth.zone},
        {"lon", placed ? std::string() : birth.lon},
        {"lat", placed ? std::string() : birth.lat},
        {"dst", birth.dst ? "1" : "0"},
        {"place", extras.place},
        {"placeId", extras.placeId},
        {"handZone", extras.handZone},
        {"city", extras.city},
        {"state", extras.state},
        {"country", extras.country},
    }};
    keep.resize(header.size());
    for (const auto& [column, value] : values) {
        auto at = std::find(header.begin(), header.end(), column);
        if (at == header.end()) {
            if (value.empty()) // a blank column the file lacks stays out of it
                continue;
            header.emplace_back(column);
            keep.emplace_back();
            at = header.end() - 1;
        }
        keep[static_cast<std::size_t>(at - header.begin())] = value;
    }
    return keep;
}

std::string PeopleFileText(const std::vector<std::string>& header, const std::vector<std::vector<std::string>>& records)
{
    std::string text;
    const auto append = [&text, &header](const std::vector<std::string>& record) {
        for (std::size_t c = 0; c < header.size(); ++c) {
            if (c > 0)
                text += ',';
            if (c < record.size())
                AppendCsvQuoted(text, record[c]);
        }
        text += '\n';
    };
    append(header);
    for (const std::vector<std::string>& record : records)
        append(record);
    return text;
}

Result<std::unique_ptr<BatchFile>, BatchFailure> BatchFile::Open(const std::filesystem::path& file)
{
    using enum BatchFailure::Kind;
    std::error_code error;
    if (std::filesystem::is_directory(file, error))
        return Unexpected<BatchFailure>{{Folder, "it is a folder"}};
    auto in = std::make_unique<std::ifstream>();
    errno = 0;
    in->open(file, std::ios::binary);
    if (!*in)
        return Unexpected<BatchFailure>{{CannotOpen, errno != 0 ? std::system_category().message(errno) : ""}};
    std::unique_ptr<BatchFile> batch(new BatchFile(*in));
    batch->owned_ = std::move(in);
    return Begin(std::move(batch));
}

Result<std::unique_ptr<BatchFile>, BatchFailure> BatchFile::Read(std::istream& in)
{
    return Begin(std::unique_ptr<BatchFile>(new BatchFile(in)));
}

Result<std::unique_ptr<BatchFile>, BatchFailure> BatchFile::Begin(std::unique_ptr<BatchFile> batch)
{
    using enum BatchFailure::Kind;
    CsvReader& reader = batch->reader_;
    if (!reader.Next(batch->record_)) {
        if (!reader.ReadError().empty())
            return Unexpected<BatchFailure>{{ReadFailed, reader.ReadError()}};
        return Unexpected<BatchFailure>{{Empty, {}}};
    }
    if (reader.TooLong())
        return Unexpected<BatchFailure>{
            {HeaderTooLong, {}, reader.RecordLine(), reader.LastProblem() == CsvReader::Problem::TooManyFields}};
    Result<BatchHeader> header = BatchHeader::Read(batch->record_);
    if (!header)
        return Unexpected<BatchFailure>{{Header, std::move(header).error(), reader.RecordLine()}};
    batch->header_ = *header;
    batch->headerRecord_ = batch->record_;
    return batch;
}

std::optional<BatchFile::Row> BatchFile::Next(const ZodiacChoice& fallback)
{
    using enum BatchHeader::Column;
    std::optional<std::string> problem;
    if (!header_.NextRow(reader_, record_, problem))
        return std::nullopt;
    Row row;
    row.line = reader_.RecordLine();
    if (keepRecords_)
        row.record = record_;
    if (problem) {
        row.birth = Refused(std::move(*problem));
        return row;
    }
    for (std::size_t c = 0; c < row.fields.size(); ++c)
        row.fields[c] = header_.Field(record_, static_cast<BatchHeader::Column>(c));
    for (std::size_t c = 0; c < row.kept.size(); ++c)
        row.kept[c] = header_.Field(record_, static_cast<BatchHeader::Kept>(c));
    const auto& f = row.fields;
    const std::optional<bool> dst = ParseFlag(f[kDst]);
    if (!dst) {
        row.birth = Refused(std::string(kMsgDstNotAFlag));
        return row;
    }
    Result<ZodiacChoice, BirthFailure> zodiac = ParseZodiac(f[kZodiac], f[kAyanamsa], fallback);
    if (!zodiac) {
        BirthFailure failure = std::move(zodiac).error();
        if (failure.kind == BirthFailure::Kind::Stated)
            failure.message.insert(0, "In this row ");
        else
            failure.lead = "In this row ";
        row.birth = Unexpected<BirthFailure>{std::move(failure)};
        return row;
    }
    BatchBirth birth{BirthArguments{f[kName], f[kDate], f[kTime], f[kZone], f[kLon], f[kLat], *dst}, f[kPlace],
                     f[kPlaceId], std::nullopt, *zodiac};
    if (birth.Placed()) {
        // A place brings its coordinates and its clock: a row that gives them too says two things.
        std::string given;
        for (const auto column : {kLon, kLat, kZone})
            if (!TrimBlanks(f[column]).empty() && !(column == kZone && TrimBlanks(f[column]) == "auto"))
                given += (given.empty() ? "" : ", ") + std::string(BatchHeader::kNames[column]);
        if (!given.empty()) {
            row.birth
                = Refused("The row names a place and gives " + given
                          + " as well: a place brings its own coordinates and clock; leave one or the other blank");
            return row;
        }
        birth.birth.dst = false; // at a place the flag counts as written, below
        // The zone the hand chose at the place, kept as --zone beside --place keeps it.
        if (const std::string_view hand = TrimBlanks(row.kept[BatchHeader::kHandZone]); !hand.empty())
            birth.birth.zone = hand;
        if (!TrimBlanks(f[kDst]).empty())
            birth.dst = *dst;
    } else if (!header_.Has(kLon) || !header_.Has(kLat) || !header_.Has(kZone)) {
        row.birth = Refused(std::string("The row names no place, and the batch has no lon, lat and zone columns"));
        return row;
    }
    row.birth = std::move(birth);
    return row;
}

Result<void, BatchFailure> BatchFile::Finished() const
{
    if (!reader_.ReadError().empty())
        return Unexpected<BatchFailure>{{BatchFailure::Kind::ReadFailed, reader_.ReadError()}};
    return {};
}

} // namespace tessaline
