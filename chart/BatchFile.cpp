// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart/BatchFile.h"

#include "chart/Text.h"

#include <cerrno>
#include <fstream>
#include <system_error>

namespace tessaline {

Result<BatchHeader> BatchHeader::Read(const std::vector<std::string>& fields)
{
    BatchHeader header;
    header.fieldCount_ = fields.size();
    for (std::size_t c = 0; c < kNames.size(); ++c) {
        const std::string wanted = FoldKey(kNames[c]);
        std::size_t found = 0;
        while (found < fields.size() && FoldKey(fields[found]) != wanted)
            ++found;
        header.columnOf_[c] = found == fields.size() ? kAbsent : found;
        // A column named twice says two things of every row; taking either would chart a birth never given.
        for (std::size_t again = found + 1; again < fields.size(); ++again)
            if (FoldKey(fields[again]) == wanted)
                return Fail("The batch header names the column \"" + std::string(kNames[c]) + "\" twice (fields "
                            + std::to_string(found + 1) + " and " + std::to_string(again + 1) + "): keep one of them");
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

std::string BirthBatchText(const BirthArguments& birth)
{
    std::string text = "name,date,time,zone,lon,lat,dst\n";
    for (const std::string* field : {&birth.name, &birth.date, &birth.time, &birth.zone, &birth.lon, &birth.lat}) {
        AppendCsvQuoted(text, *field);
        text += ',';
    }
    text += birth.dst ? "1\n" : "0\n";
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
    return batch;
}

std::optional<BatchFile::Row> BatchFile::Next(const ZodiacChoice& fallback, Reader reader)
{
    using enum BatchHeader::Column;
    std::optional<std::string> problem;
    if (!header_.NextRow(reader_, record_, problem))
        return std::nullopt;
    Row row;
    row.line = reader_.RecordLine();
    if (problem) {
        row.birth = Fail(std::move(*problem));
        return row;
    }
    for (std::size_t c = 0; c < row.fields.size(); ++c)
        row.fields[c] = header_.Field(record_, static_cast<BatchHeader::Column>(c));
    const auto& f = row.fields;
    const std::optional<bool> dst = ParseFlag(f[kDst]);
    if (!dst) {
        row.birth = Fail(std::string(kMsgDstNotAFlag));
        return row;
    }
    Result<ZodiacChoice> zodiac = ParseZodiac(f[kZodiac], f[kAyanamsa], fallback, reader);
    if (!zodiac) {
        row.birth = Fail("In this row " + zodiac.error());
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
            row.birth = Fail("The row names a place and gives " + given
                             + " as well: a place brings its own coordinates and clock; leave one or the other blank");
            return row;
        }
        birth.birth.dst = false; // at a place the flag counts as written, below
        if (!TrimBlanks(f[kDst]).empty())
            birth.dst = *dst;
    } else if (!header_.Has(kLon) || !header_.Has(kLat) || !header_.Has(kZone)) {
        row.birth = Fail(std::string("The row names no place, and the batch has no lon, lat and zone columns"));
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
