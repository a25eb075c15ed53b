// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart/ZoneTable.h"

#include <array>
#include <charconv>
#include <cstdio>
#include <cstdlib>

namespace tessaline {

namespace {

using enum ZoneCommas;

// clang-format off
constexpr std::array<ZoneRow, kZoneCount> kZones{{
    {"Alaska/Hawaii Daylight Time", "AHDT", 9, 0, kPlain}, // 0
    {"Alaska/Hawaii Standard Time", "AHST", 10, 0, kPlain}, // 1
    {"Alaska/Hawaii War Time", "AHWT", 9, 0, kPlain}, // 2
    {"Atlantic Standard Time", "AST", 4, 0, kPlain}, // 3
    {"Atlantic War Time", "AWT", 3, 0, kPlain}, // 4
    {"Australian Central Daylight Time", "ACDT", -10, -30, kPlain}, // 5
    {"Australian Central Standard Time", "ACST", -9, -30, kPlain}, // 6
    {"Australian Eastern Daylight Time", "AEDT", -11, 0, kPlain}, // 7
    {"Australian Eastern Standard Time", "AEST", -10, 0, kPlain}, // 8
    {"Australian Western Daylight Time", "AWDT", -9, 0, kPlain}, // 9
    {"Australian Western Standard Time", "AWST", -8, 0, kPlain}, // 10
    {"Azores Time", "AT", 2, 0, kSpaced}, // 11
    {"Baghdad Time", "BAT", -3, 0, kSpaced}, // 12
    {"Bering Standard Time", "BET", 11, 0, kPlain}, // 13
    {"Brazil Zone 2", "BZT2", 3, 0, kPlain}, // 14
    {"British Double Summer Time", "BDST", -2, 0, kPlain}, // 15
    {"British Summer Time", "BST", -1, 0, kPlain}, // 16
    {"British War Time", "BWT", -2, 0, kPlain}, // 17
    {"Central Daylight Time", "CDT", 5, 0, kPlain}, // 18
    {"Central European Daylight", "CED", -2, 0, kPlain}, // 19
    {"Central European Time", "CET", -1, 0, kPlain}, // 20
    {"Central Standard Time", "CST", 6, 0, kPlain}, // 21
    {"Central War Time", "CWT", 5, 0, kPlain}, // 22
    {"China Coast Time", "CCT", -8, 0, kPlain}, // 23
    {"Eastern Daylight Time", "EDT", 4, 0, kPlain}, // 24
    {"Eastern European Daylight Time", "EED", -3, 0, kPlain}, // 25
    {"Eastern European Time", "EET", -2, 0, kPlain}, // 26
    {"Eastern Standard Time", "EST", 5, 0, kPlain}, // 27
    {"Eastern War Time", "EWT", 4, 0, kPlain}, // 28
    {"Greenwich Mean Time", "GMT", 0, 0, kPlain}, // 29
    {"Guam Standard Time", "GST", -10, 0, kPlain}, // 30
    {"Hawaiian Daylight Time", "HDT", 9, 30, kPlain}, // 31
    {"Hawaiian Standard Time", "HST", 10, 30, kPlain}, // 32
    {"Hawaiian War Time", "HWT", 9, 30, kPlain}, // 33
    {"Indian Time", "IST", -5, -30, kSpaced, "+5.3"}, // 34
    {"Int'l Date Line East", "IDLE", -12, 0, kPlain}, // 35
    {"Int'l Date Line West", "IDLW", 12, 0, kPlain}, // 36
    {"Iran Time", "IT", -3, -30, kSpaced}, // 37
    {"Japan Standard Time", "JST", -9, 0, kPlain}, // 38
    {"Java Time", "JT", -7, -30, kSpaced}, // 39
    {"Middle European Daylight Time", "MED", -2, 0, kPlain}, // 40
    {"Middle European Time", "MET", -1, 0, kPlain}, // 41
    {"Moluccas Time", "MT", -8, -30, kSpaced}, // 42
    {"Mountain Daylight Time", "MDT", 6, 0, kPlain}, // 43
    {"Mountain Standard Time", "MST", 7, 0, kPlain}, // 44
    {"Mountain War Time", "MWT", 6, 0, kPlain}, // 45
    {"New Zealand Std Summer Time", "NZST", -13, 0, kPlain}, // 46
    {"New Zealand Std Time", "NZT", -12, 0, kPlain}, // 47
    {"New Zealand Summer Time", "NZS", -12, -30, kPlain}, // 48
    {"New Zealand Time", "NZ", -11, -30, kPlain}, // 49
    {"Newfoundland Standard Time", "NST", 3, 30, kPlain}, // 50
    {"Nome Time", "NT", 11, 0, kSpaced}, // 51
    {"North Sumatra Time", "NST", -6, -30, kPlain}, // 52
    {"Pacific Daylight Time", "PDT", 7, 0, kPlain}, // 53
    {"Pacific Standard Time", "PST", 8, 0, kPlain}, // 54
    {"Pacific War Time", "PWT", 7, 0, kPlain}, // 55
    {"South Australia Daylight Time", "SAD", -10, -30, kPlain}, // 56
    {"South Australia Daylight Time", "SDT", -10, -30, kPlain}, // 57
    {"South Australia Standard Time", "SAST", -9, -30, kPlain}, // 58
    {"South Australia Standard Time", "SAT", -9, -30, kPlain}, // 59
    {"South Sumatra Time", "SST", -7, 0, kPlain}, // 60
    {"Universal Time", "UT", 0, 0, kSpaced}, // 61
    {"USSR Zone 10", "UZ10", -11, 0, kPlain}, // 62
    {"USSR Zone 3", "USZ3", -4, 0, kPlain}, // 63
    {"USSR Zone 4", "USZ4", -5, 0, kPlain}, // 64
    {"USSR Zone 5", "USZ5", -6, 0, kPlain}, // 65
    {"USSR Zone 6", "USZ6", -7, 0, kPlain}, // 66
    {"West Africa Time", "WAT", 1, 0, kPlain}, // 67
    {"Yukon Daylight Time", "YDT", 8, 0, kPlain}, // 68
    {"Yukon Standard Time", "YST", 9, 0, kPlain}, // 69
    {"Yukon War Time", "YWT", 8, 0, kPlain}, // 70
}};
// clang-format on

static_assert(kZones.size() == 71);

} // namespace

const std::array<ZoneRow, kZoneCount>& ZoneTable() noexcept
{
    return kZones;
}

std::string_view ZoneDisplayText(int position) noexcept
{
    static const std::array<std::string, kZoneCount> kTexts = [] {
        std::array<std::string, kZoneCount> texts;
        for (std::size_t i = 0; i < kZoneCount; ++i) {
            const ZoneRow& row = kZones[i];
            const int minutesEast = MinutesEast({row.correctionHours, row.correctionMinutes});
            char hours[16];
            // Hours with one decimal: +10.5 for ten and a half, 0.0 without a sign.
            std::snprintf(hours, sizeof hours, minutesEast == 0 ? "%.1f" : "%+.1f", minutesEast / 60.0);
            const std::string_view comma = row.commas == kSpaced ? ", " : ",";
            texts[i] = std::string(row.name) + std::string(comma) + std::string(row.abbreviation) + std::string(comma)
                + (row.writtenOffset.empty() ? std::string(hours) : std::string(row.writtenOffset));
        }
        return texts;
    }();
    if (position < 0 || position >= static_cast<int>(kZoneCount))
        return {};
    return kTexts[static_cast<std::size_t>(position)];
}

void Zone_Calculation(ChartState& state, int selectedPosition) noexcept
{
    if (selectedPosition < 0 || selectedPosition >= static_cast<int>(kZones.size()))
        return;
    const ZoneRow& row = kZones[static_cast<std::size_t>(selectedPosition)];
    state.zoneCorrection.zoneCorrectionHours = row.correctionHours;
    state.zoneCorrection.zoneCorrectionMinutes = row.correctionMinutes;
    state.zonePosition = selectedPosition;
}

int MinutesEast(const ZoneCorrection& zone) noexcept
{
    return -(zone.zoneCorrectionHours * 60 + zone.zoneCorrectionMinutes);
}

std::string OffsetText(int secondsEast, bool twoDigitHours)
{
    const int magnitude = std::abs(secondsEast);
    const char sign = secondsEast < 0 ? '-' : '+';
    char text[32];
    if (magnitude % 60 != 0)
        std::snprintf(text, sizeof text, twoDigitHours ? "%c%02d:%02d:%02d" : "%c%d:%02d:%02d", sign, magnitude / 3600,
                      magnitude / 60 % 60, magnitude % 60);
    else
        std::snprintf(text, sizeof text, twoDigitHours ? "%c%02d:%02d" : "%c%d:%02d", sign, magnitude / 3600,
                      magnitude / 60 % 60);
    return text;
}

void AppendDigits(std::string& out, int value, bool twoDigits)
{
    if (twoDigits && value >= 0 && value < 10)
        out += '0';
    std::array<char, 12> digits{};
    const auto written = std::to_chars(digits.data(), digits.data() + digits.size(), value);
    out.append(digits.data(), written.ptr);
}

std::string ReadableOffset(int secondsEast)
{
    const int magnitude = std::abs(secondsEast);
    std::string text = secondsEast < 0 ? "\u2212" : "+";
    AppendDigits(text, magnitude / 3600, false);
    text += ':';
    AppendDigits(text, magnitude / 60 % 60, true);
    if (magnitude % 60 != 0) {
        text += ':';
        AppendDigits(text, magnitude % 60, true);
    }
    return text;
}

} // namespace tessaline
