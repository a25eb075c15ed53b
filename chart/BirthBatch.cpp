// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart/BirthBatch.h"

#include "chart/Text.h"

namespace tessaline {

std::variant<BatchHeader, std::string> BatchHeader::Read(const std::vector<std::string>& fields)
{
    BatchHeader header;
    header.fieldCount_ = fields.size();
    for (std::size_t c = 0; c < kNames.size(); ++c) {
        const std::string wanted = FoldKey(kNames[c]);
        std::size_t found = 0;
        while (found < fields.size() && FoldKey(fields[found]) != wanted)
            ++found;
        header.columnOf_[c] = found == fields.size() ? kAbsent : found;
    }
    for (std::size_t c = kName; c <= kDst; ++c)
        if (!header.Has(static_cast<Column>(c)) && (c <= kTime || !header.Placed()))
            return "The batch header has no column \"" + std::string(kNames[c])
                + "\": it must name name,date,time,zone,lon,lat,dst (or name,date,time,place)";
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
        return "The quote opened on line " + quoteLine + " runs on past 16 MB" + goesOn;
    case CsvReader::Problem::TooLong:
        return std::string("The row is longer than 16 MB");
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

} // namespace tessaline
