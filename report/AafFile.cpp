// SPDX-License-Identifier: GPL-3.0-or-later
//
// AAF, the astrological exchange format of 1993/1997, as its public definition describes it ("AAF Format
// Definition", 3 Feb 1997, http://www.astrowissen.de/aaf/eng/lib/aafspecs.htm, sections 2 to 2.5; the German
// "AAF-Definition, Abteilung B", http://astrowissen.de/aaf/aaf97/AAFX0031.HTM, for the #B93 fields): a record
// is an #A93 chunk and the chunks after it up to the next #A93; a chunk starts a line with '#', its id and a
// colon, its fields are separated by commas and may hold blanks at either end, which a reader drops; '*' is a
// field whose value is unknown. #A93: name, first name, type, date d.m.yyyy, clock time h:mm, place,
// country. #B93: the Julian day (UT), latitude 49n05, longitude 8e11, the zone (1he, 5he30, 0e21:48: hours,
// east or west, minutes and seconds) and the daylight-saving hours. Where both are given, the Julian day
// decides the instant.
#include "report/AafFile.h"

#include "base/Utf8.h"
#include "chart/Text.h"
#include "chart/ZoneTable.h"
#include "ephemeris/CivilTime.h"
#include "ephemeris/PreciseEphemeris.h"

#include <array>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <system_error>
#include <tuple>

namespace tessaline {

namespace {

// 0x80..0x9F of the Windows Latin-1 code page; the five bytes it leaves undefined read as U+FFFD.
constexpr std::array<char16_t, 32> kWindows1252High{0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                                    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD,
                                                    0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                                    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178};

void AppendUtf8(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6U));
        out += static_cast<char>(0x80 | (c & 0x3FU));
    } else {
        out += static_cast<char>(0xE0 | (c >> 12U));
        out += static_cast<char>(0x80 | ((c >> 6U) & 0x3FU));
        out += static_cast<char>(0x80 | (c & 0x3FU));
    }
}

bool WellFormedUtf8(std::string_view text)
{
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t length = Utf8SequenceLength(text.substr(at));
        if (length == 0)
            return false;
        at += length;
    }
    return true;
}

// The blanks the definition drops at either end of a field: the C locale's white space.
std::string_view Trimmed(std::string_view text)
{
    constexpr std::string_view kWhite = " \f\n\r\t\v";
    const std::size_t first = text.find_first_not_of(kWhite);
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(kWhite) - first + 1);
}

std::vector<std::string_view> SplitFields(std::string_view text)
{
    std::vector<std::string_view> fields;
    for (std::size_t start = 0;;) {
        const std::size_t comma = text.find(',', start);
        fields.push_back(Trimmed(text.substr(start, comma - start)));
        if (comma == std::string_view::npos)
            return fields;
        start = comma + 1;
    }
}

bool Unknown(std::string_view field)
{
    return field.empty() || field == "*";
}

// A whole number of at most digits digits taken from the front of text; nothing when it starts with none.
std::optional<int> TakeNumber(std::string_view& text, std::size_t digits = 9)
{
    std::size_t length = 0;
    while (length < text.size() && length < digits && text[length] >= '0' && text[length] <= '9')
        ++length;
    int value = 0;
    if (length == 0 || std::from_chars(text.data(), text.data() + length, value).ec != std::errc{})
        return std::nullopt;
    text.remove_prefix(length);
    return value;
}

bool TakeChar(std::string_view& text, std::string_view among, char& taken)
{
    if (text.empty() || among.find(text.front()) == std::string_view::npos)
        return false;
    taken = text.front();
    text.remove_prefix(1);
    return true;
}

struct ClockDate {
    CivilInstant clock;
    int second = 0;
};

// "27.9.1970" (a trailing g, the Gregorian calendar, allowed) and "11:04", "11:04:30" or "1.10".
std::optional<ClockDate> ParseDateTime(std::string_view date, std::string_view time)
{
    ClockDate at;
    char dot = 0;
    if (!date.empty() && (date.back() == 'g' || date.back() == 'G'))
        date.remove_suffix(1);
    const auto day = TakeNumber(date, 2);
    const bool dayDot = TakeChar(date, ".", dot);
    const auto month = TakeNumber(date, 2);
    const bool monthDot = TakeChar(date, ".", dot);
    const auto year = TakeNumber(date, 4);
    if (!day || !dayDot || !month || !monthDot || !year || !date.empty())
        return std::nullopt;
    const auto hour = TakeNumber(time, 2);
    const bool colon = TakeChar(time, ":.", dot);
    const auto minute = TakeNumber(time, 2);
    if (!hour || !colon || !minute)
        return std::nullopt;
    if (TakeChar(time, ":", dot)) {
        const auto second = TakeNumber(time, 2);
        if (!second || *second > 59)
            return std::nullopt;
        at.second = *second;
    }
    if (!time.empty() || *month < 1 || *month > 12 || *day < 1 || *day > 31 || *hour > 23 || *minute > 59)
        return std::nullopt;
    at.clock = {*year, *month, *day, *hour, *minute};
    return at;
}

// "49n05", "8e11", "49n05:30": degrees, the hemisphere, minutes and seconds, rounded to the arc-minute as
// the form takes it; in our own "49N05".
std::optional<std::string> ParseAngle(std::string_view text, std::string_view hemispheres, int maxDegrees,
                                      bool& rounded)
{
    char side = 0;
    const auto degrees = TakeNumber(text, 3);
    if (!degrees || !TakeChar(text, hemispheres, side))
        return std::nullopt;
    int minutes = 0;
    if (!text.empty()) {
        const auto taken = TakeNumber(text, 2);
        if (!taken || *taken > 59)
            return std::nullopt;
        minutes = *taken;
    }
    if (TakeChar(text, ":", side)) {
        const auto seconds = TakeNumber(text, 2);
        if (!seconds || *seconds > 59)
            return std::nullopt;
        rounded = *seconds != 0;
        minutes += *seconds >= 30 ? 1 : 0;
    }
    int whole = *degrees;
    if (minutes == 60) {
        whole += 1;
        minutes = 0;
    }
    if (!text.empty() || whole * 60 + minutes > maxDegrees * 60)
        return std::nullopt;
    char out[16];
    std::snprintf(out, sizeof out, "%d%c%02d", whole, static_cast<char>(std::toupper(side)), minutes);
    return std::string(out);
}

// The zone, seconds east of Greenwich: "1he", "5he30", "0e21:48", "8hw"; or a bare number of hours east,
// "1" or "-3.5", which older files write.
std::optional<int> ParseZone(std::string_view text, bool& bare)
{
    double hours = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), hours);
    if (error == std::errc{} && end == text.data() + text.size()) {
        bare = true;
        if (!(std::abs(hours) <= 14))
            return std::nullopt;
        return static_cast<int>(std::lround(hours * 3600));
    }
    char side = 0;
    const auto whole = TakeNumber(text, 2);
    if (!whole)
        return std::nullopt;
    TakeChar(text, "hH", side);
    if (!TakeChar(text, "eEwW", side))
        return std::nullopt;
    const bool west = side == 'w' || side == 'W';
    int seconds = *whole * 3600;
    if (!text.empty()) {
        const auto minutes = TakeNumber(text, 2);
        if (!minutes || *minutes > 59)
            return std::nullopt;
        seconds += *minutes * 60;
        char colon = 0;
        if (TakeChar(text, ":", colon)) {
            const auto secs = TakeNumber(text, 2);
            if (!secs || *secs > 59)
                return std::nullopt;
            seconds += *secs;
        }
    }
    if (!text.empty() || seconds > 14 * 3600)
        return std::nullopt;
    return west ? -seconds : seconds;
}

std::optional<double> ParseNumber(std::string_view text)
{
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::string TwoDigits(int value)
{
    return std::string(1, static_cast<char>('0' + value / 10)) + static_cast<char>('0' + value % 10);
}

std::string DateText(const CivilInstant& at)
{
    char out[32];
    std::snprintf(out, sizeof out, "%04d-%02d-%02d", at.year, at.month, at.day);
    return out;
}

std::string TimeText(const CivilInstant& at)
{
    return TwoDigits(at.hour) + ':' + TwoDigits(at.minute);
}

// "+05:30", "-08:00": an offset in whole minutes as the zone column takes it.
std::string ZoneColumnText(int minutes)
{
    const int magnitude = std::abs(minutes);
    return (minutes < 0 ? "-" : "+") + TwoDigits(magnitude / 60) + ':' + TwoDigits(magnitude % 60);
}

constexpr double kUnixEpochJulianDay = 2440587.5; // 1970-01-01 00:00 UT

std::int64_t MinutesOf(const CivilInstant& at)
{
    return DaysFromCivil(at.year, at.month, at.day) * 1440 + std::int64_t{at.hour} * 60 + at.minute;
}

CivilInstant InstantOfMinutes(std::int64_t minutes)
{
    const std::int64_t days = minutes >= 0 ? minutes / 1440 : -((-minutes + 1439) / 1440);
    CivilInstant at;
    CivilFromDays(days, at.year, at.month, at.day);
    const auto rest = static_cast<int>(minutes - days * 1440);
    at.hour = rest / 60;
    at.minute = rest % 60;
    return at;
}

// The chunks of one record, as read.
struct AafChunks {
    std::size_t line = 0;
    std::vector<std::string_view> a;
    std::vector<std::string_view> b;
    std::vector<std::string> warnings;
};

std::string_view FieldOr(const std::vector<std::string_view>& fields, std::size_t index)
{
    return index < fields.size() ? fields[index] : std::string_view("*");
}

// The first row of the zone list whose standard offset is minutesEast, nothing when none is: a row for a
// summer or daylight clock ("British Summer Time,BST,+1.0") is already ahead of its zone, and passed over.
std::optional<int> ZoneRowOf(int minutesEast)
{
    constexpr int kNoZone = 24 * 60; // east of every clock
    static const std::array<int, kZoneCount> kMinutesEast = [] {
        std::array<int, kZoneCount> east{};
        for (std::size_t position = 0; position < kZoneCount; ++position) {
            ChartState state;
            Zone_Calculation(state, static_cast<int>(position));
            const std::string_view text = ZoneDisplayText(static_cast<int>(position));
            const bool ahead
                = text.find("Summer") != std::string_view::npos || text.find("Daylight") != std::string_view::npos;
            east[position] = ahead ? kNoZone : MinutesEast(state.zoneCorrection);
        }
        return east;
    }();
    for (std::size_t position = 0; position < kZoneCount; ++position)
        if (kMinutesEast[position] == minutesEast)
            return static_cast<int>(position);
    return std::nullopt;
}

Unexpected<BirthFailure> Refused(std::string message)
{
    return {{BirthFailure::Kind::Stated, {}, std::move(message), {}}};
}

// Fills row.fields and row.birth from the record's chunks.
class RecordReader
{
public:
    RecordReader(AafChunks& chunks, const ZodiacChoice& zodiac)
        : c_(chunks)
        , zodiac_(zodiac)
    { }

    BatchFile::Row Read()
    {
        using enum BatchHeader::Column;
        row_.line = c_.line;
        NormaliseA();
        const std::string_view last = FieldOr(c_.a, 0);
        const std::string_view first = FieldOr(c_.a, 1);
        std::string name = Unknown(last) ? std::string() : std::string(last);
        if (!Unknown(first))
            name = std::string(first) + (name.empty() ? "" : " ") + name;
        if (name.empty()) {
            name = "Unnamed";
            c_.warnings.emplace_back("the record gives no name: it is charted as \"Unnamed\"");
        }
        row_.fields[kName] = name;
        clock_ = ParseDateTime(FieldOr(c_.a, 3), FieldOr(c_.a, 4));
        if (!clock_ && !(Unknown(FieldOr(c_.a, 3)) && Unknown(FieldOr(c_.a, 4))))
            c_.warnings.push_back("the date \"" + std::string(FieldOr(c_.a, 3)) + "\" and time \""
                                  + std::string(FieldOr(c_.a, 4)) + "\" are not d.m.yyyy and h:mm");
        ReadB();
        row_.warnings = std::move(c_.warnings);
        return std::move(row_);
    }

private:
    // An #A93 of six fields whose third is a date has left out the type, as old files do.
    void NormaliseA()
    {
        if (c_.a.size() == 6 && ParseDateTime(c_.a[2], c_.a[3])) {
            c_.a.insert(c_.a.begin() + 2, "*");
            c_.warnings.emplace_back("#A93 has 6 fields and no type: the third is read as the date");
        } else if (c_.a.size() != 7) {
            c_.warnings.push_back("#A93 has " + std::to_string(c_.a.size())
                                  + " fields where the definition has 7: the missing ones are taken as unknown");
        }
        if (c_.b.empty())
            return;
        if (c_.b.size() != 5)
            c_.warnings.push_back("#B93 has " + std::to_string(c_.b.size())
                                  + " fields where the definition has 5: the missing ones are taken as unknown");
    }

    void ReadB()
    {
        using enum BatchHeader::Column;
        bool rounded = false;
        const std::string_view latText = FieldOr(c_.b, 1);
        const std::string_view lonText = FieldOr(c_.b, 2);
        const std::optional<std::string> lat = ParseAngle(latText, "nNsS", 90, rounded);
        const std::optional<std::string> lon = ParseAngle(lonText, "eEwW", 180, rounded);
        if (rounded)
            c_.warnings.emplace_back("the coordinates' arc-seconds are rounded to the arc-minute");
        for (const auto& [text, parsed, what] :
             {std::tuple{latText, &lat, "latitude"}, std::tuple{lonText, &lon, "longitude"}})
            if (!Unknown(text) && !*parsed)
                c_.warnings.push_back("the " + std::string(what) + " \"" + std::string(text)
                                      + "\" is not degrees, hemisphere and minutes (49n05, 8e11)");
        ReadZone();
        const std::string_view jdText = FieldOr(c_.b, 0);
        const std::optional<double> jd = Unknown(jdText) ? std::nullopt : ParseNumber(jdText);
        if (!Unknown(jdText) && !jd)
            c_.warnings.push_back("the Julian day \"" + std::string(jdText) + "\" is not a number");
        if (jd && lat && lon)
            return ChartFromJulianDay(*jd, *lat, *lon);
        if (clock_ && lat && lon && zone_)
            return ChartFromClock(*lat, *lon);
        ChartAtPlace();
    }

    void ReadZone()
    {
        const std::string_view zoneText = FieldOr(c_.b, 3);
        const std::string_view dstText = FieldOr(c_.b, 4);
        bool bare = false;
        zone_ = Unknown(zoneText) ? std::nullopt : ParseZone(zoneText, bare);
        if (!Unknown(zoneText) && !zone_)
            c_.warnings.push_back("the zone \"" + std::string(zoneText)
                                  + "\" is not hours, e or w, minutes (1he, 5he30)");
        else if (bare)
            c_.warnings.push_back("the zone \"" + std::string(zoneText) + "\" gives no direction: read as hours east");
        const std::optional<double> dst = Unknown(dstText) ? std::nullopt : ParseNumber(dstText);
        if (dst && *dst >= 0 && *dst <= 2)
            dstSeconds_ = static_cast<int>(std::lround(*dst * 3600));
        else if (!Unknown(dstText) && zone_)
            c_.warnings.push_back("the daylight-saving field \"" + std::string(dstText)
                                  + "\" is not hours: taken as 0");
        else if (Unknown(dstText) && zone_)
            c_.warnings.emplace_back("the daylight saving is not given: taken as none");
    }

    // The zone and dst columns: a row of the zone list and the flag for a standard offset the list has and
    // an hour's saving, else the clock's whole offset (an exact offset takes no flag); the clock's whole
    // minutes east, which it returns.
    int SetZoneColumns(int clockSeconds)
    {
        using enum BatchHeader::Column;
        const auto minutes = static_cast<int>(std::lround(clockSeconds / 60.0));
        const std::optional<int> row = zone_ && dstSeconds_ == 3600 && *zone_ % 60 == 0 && clockSeconds == *zone_ + 3600
            ? ZoneRowOf(*zone_ / 60)
            : std::nullopt;
        row_.fields[kZone] = row ? std::to_string(*row) : ZoneColumnText(minutes);
        row_.fields[kDst] = row ? "1" : "0";
        return minutes;
    }

    void Finish(const CivilInstant& clock, std::string_view lat, std::string_view lon)
    {
        using enum BatchHeader::Column;
        row_.fields[kDate] = DateText(clock);
        row_.fields[kTime] = TimeText(clock);
        row_.fields[kLat] = lat;
        row_.fields[kLon] = lon;
        const auto& f = row_.fields;
        row_.birth
            = BatchBirth{BirthArguments{f[kName], f[kDate], f[kTime], f[kZone], f[kLon], f[kLat], f[kDst] == "1"},
                         {},
                         {},
                         {},
                         zodiac_,
                         PlaceLabel()};
    }

    // The instant is the Julian day's; the clock shown is that instant on the record's clock, the zone and
    // saving when given, else the offset the date and time imply.
    void ChartFromJulianDay(double jd, const std::string& lat, const std::string& lon)
    {
        if (!(jd > 0 && jd < 1e7))
            return void(row_.birth = Refused("The Julian day " + std::to_string(jd) + " lies outside every calendar"));
        const auto universal = static_cast<std::int64_t>(std::llround((jd - kUnixEpochJulianDay) * 1440));
        int clockSeconds = 0;
        if (zone_) {
            clockSeconds = *zone_ + dstSeconds_;
            if (clock_) {
                const double clockUt
                    = static_cast<double>(MinutesOf(clock_->clock)) + clock_->second / 60.0 - clockSeconds / 60.0;
                if (std::abs(clockUt - static_cast<double>(universal)) > 1.0) {
                    const CivilInstant ut = InstantOfMinutes(universal);
                    const CivilInstant said = InstantOfMinutes(std::llround(clockUt));
                    c_.warnings.push_back("the Julian day gives " + DateText(ut) + ' ' + TimeText(ut)
                                          + " UT, the date, time and zone " + DateText(said) + ' ' + TimeText(said)
                                          + " UT: the Julian day is taken");
                }
            }
            if (*zone_ % 60 != 0)
                c_.warnings.emplace_back(
                    "the zone's seconds are rounded to the minute; the instant is the Julian day's");
        } else if (clock_) {
            clockSeconds = static_cast<int>(MinutesOf(clock_->clock) - universal) * 60;
            c_.warnings.push_back("the zone is not given: the clock's offset " + ZoneColumnText(clockSeconds / 60)
                                  + " is that of the date and time against the Julian day");
        } else {
            c_.warnings.emplace_back("neither zone nor clock time is given: the chart shows universal time");
        }
        const int shown = SetZoneColumns(clockSeconds);
        Finish(InstantOfMinutes(universal + shown), lat, lon);
    }

    void ChartFromClock(const std::string& lat, const std::string& lon)
    {
        (void)SetZoneColumns(*zone_ + dstSeconds_);
        if ((*zone_ + dstSeconds_) % 60 != 0)
            c_.warnings.emplace_back("the zone's seconds are rounded to the minute");
        if (clock_->second != 0)
            c_.warnings.emplace_back("the clock time's seconds are left out");
        Finish(clock_->clock, lat, lon);
    }

    // The #A93 place as people read it: "Kandel/Pfalz" is Kandel, Pfalz (the definition keeps commas out of
    // its fields); empty when unknown.
    std::string PlaceLabel() const
    {
        const std::string_view place = FieldOr(c_.a, 5);
        std::string label;
        if (!Unknown(place))
            for (const char c : place)
                label += c == '/' ? std::string(", ") : std::string(1, c);
        return label;
    }

    // Without a Julian day, or coordinates and a zone: the place and its clock history from the atlas.
    void ChartAtPlace()
    {
        using enum BatchHeader::Column;
        const std::string_view place = FieldOr(c_.a, 5);
        if (!clock_)
            return void(row_.birth = Refused("The record gives no Julian day, and no date and time that read as "
                                             "d.m.yyyy and h:mm"));
        if (Unknown(place))
            return void(row_.birth = Refused("The record gives no Julian day, no coordinates and zone, and no place"));
        std::string query = PlaceLabel();
        if (const std::string_view country = FieldOr(c_.a, 6); !Unknown(country))
            query += ", " + std::string(country);
        c_.warnings.push_back("no Julian day, or no coordinates and zone: " + query
                              + " and its clock are taken from the atlas");
        row_.fields[kDate] = DateText(clock_->clock);
        row_.fields[kTime] = TimeText(clock_->clock);
        row_.fields[kPlace] = query;
        const auto& f = row_.fields;
        BatchBirth birth{BirthArguments{f[kName], f[kDate], f[kTime], {}, {}, {}, false}, query, {}, {}, zodiac_};
        if (!Unknown(FieldOr(c_.b, 4)) && (dstSeconds_ == 0 || dstSeconds_ == 3600))
            birth.dst = dstSeconds_ == 3600;
        row_.birth = std::move(birth);
    }

    AafChunks& c_;
    const ZodiacChoice& zodiac_;
    BatchFile::Row row_;
    std::optional<ClockDate> clock_;
    std::optional<int> zone_;
    int dstSeconds_ = 0;
};

} // namespace

std::string DecodedText(std::string_view bytes, TextEncoding& found)
{
    if (bytes.starts_with("\xEF\xBB\xBF"))
        bytes.remove_prefix(3);
    if (WellFormedUtf8(bytes)) {
        found = TextEncoding::Utf8;
        return std::string(bytes);
    }
    found = TextEncoding::Windows1252;
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 8);
    for (const char byte : bytes) {
        const auto b = static_cast<unsigned char>(byte);
        AppendUtf8(out, b >= 0x80 && b < 0xA0 ? kWindows1252High[b - 0x80] : static_cast<char32_t>(b));
    }
    return out;
}

AafRecords ReadAafRecords(std::string_view bytes, const ZodiacChoice& zodiac)
{
    AafRecords records;
    const std::string text = DecodedText(bytes, records.encoding);
    std::vector<AafChunks> chunks;
    std::size_t comments = 0;
    std::size_t lineNumber = 0;
    const auto finish = [&] {
        for (AafChunks& record : chunks) {
            records.rows.push_back(RecordReader(record, zodiac).Read());
            records.placed = records.placed || (records.rows.back().birth && records.rows.back().birth->Placed());
        }
        chunks.clear();
    };
    for (std::size_t start = 0; start < text.size();) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        const std::string_view line = Trimmed(std::string_view(text).substr(start, end - start));
        start = end + 1;
        ++lineNumber;
        if (line.starts_with("#:")) {
            ++comments;
            continue;
        }
        const std::size_t colon = line.find(':');
        const std::string_view id
            = line.starts_with('#') && colon != std::string_view::npos ? line.substr(1, colon - 1) : std::string_view();
        const std::string_view data = id.empty() ? line : line.substr(colon + 1);
        if (id == "A93") {
            finish(); // rows go out a record at a time, the file's order kept
            chunks.push_back({lineNumber, SplitFields(data), {}, {}});
        } else if (chunks.empty()) {
            if (!line.empty())
                records.notes.push_back("line " + std::to_string(lineNumber)
                                        + ": passed over, it comes before the first #A93 record");
        } else if (id == "B93") {
            if (!chunks.back().b.empty())
                chunks.back().warnings.push_back("a second #B93 on line " + std::to_string(lineNumber)
                                                 + " is passed over");
            else
                chunks.back().b = SplitFields(data);
        } else if (id == "ZNAM" || id == "COM" || id == "SRC" || id == "VIA") {
            // notes for people: no chart reads them; their continuation lines (no '#') fall through below
        } else if (!id.empty()) {
            chunks.back().warnings.push_back("the chunk #" + std::string(id) + " on line " + std::to_string(lineNumber)
                                             + " is passed over");
        } else if (!line.empty() && line.front() == '#') {
            chunks.back().warnings.push_back("line " + std::to_string(lineNumber)
                                             + " is no chunk (no colon after its id): passed over");
        }
    }
    finish();
    if (comments > 0)
        records.notes.push_back(std::to_string(comments) + " comment line" + (comments == 1 ? "" : "s")
                                + " (#:) passed over");
    return records;
}

std::string AafRecord(const Chart& chart, std::vector<std::string>& warnings)
{
    const auto field = [&warnings](std::string_view text, std::string_view what, std::string_view commaAs) {
        std::string out;
        for (const char c : Trimmed(text))
            out += c == ',' ? std::string(commaAs) : std::string(1, c == '\n' || c == '\r' ? ' ' : c);
        if (out.find(commaAs) != std::string::npos && Trimmed(text).find(',') != std::string_view::npos
            && commaAs != "/")
            warnings.push_back("the " + std::string(what)
                               + " holds a comma, which AAF keeps out of its fields: "
                                 "written as \""
                               + std::string(commaAs) + "\"");
        return out.empty() ? std::string("*") : out;
    };
    std::string place;
    for (std::size_t at = 0; at < chart.Place().size(); ++at) // "Springfield, Illinois" as Springfield/Illinois
        if (chart.Place().compare(at, 2, ", ") == 0) {
            place += '/';
            ++at;
        } else
            place += chart.Place()[at];
    const CivilInstant& clock = chart.Clock();
    const BirthCoordinates& where = chart.Coordinates();
    // The clock's offset as the instant has it; the zone's standard offset and an hour's saving when the two
    // say the same, else the whole offset as the zone.
    const auto clockSeconds = static_cast<int>(MinutesOf(clock) - MinutesOf(chart.Instant().universal)) * 60;
    const bool saving = clockSeconds - chart.Zone().seconds == 3600;
    const int zone = saving ? chart.Zone().seconds : clockSeconds;
    const int magnitude = std::abs(zone);
    char b[160];
    std::snprintf(b, sizeof b, "#B93:%.6f,%d%c%02d,%d%c%02d,%dh%c%02d%s,%d\n", JulianDayUT(chart.Instant().universal),
                  where.latDegrees, where.isSouth ? 's' : 'n', where.latMinutes, where.lonDegrees,
                  where.isEast ? 'e' : 'w', where.lonMinutes, magnitude / 3600, zone < 0 ? 'w' : 'e',
                  magnitude / 60 % 60, magnitude % 60 != 0 ? (':' + TwoDigits(magnitude % 60)).c_str() : "",
                  saving ? 1 : 0);
    return "#A93:" + field(chart.Name(), "name", ";") + ",*,*," + std::to_string(clock.day) + '.'
        + std::to_string(clock.month) + '.' + std::to_string(clock.year) + ',' + TwoDigits(clock.hour) + ':'
        + TwoDigits(clock.minute) + ',' + field(place, "place", "/") + ",*\n" + b;
}

} // namespace tessaline
