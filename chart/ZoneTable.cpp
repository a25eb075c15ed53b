// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart/ZoneTable.h"

#include <cstdio>
#include <cstdlib>

namespace tessaline {

namespace {

// clang-format off
constexpr std::array<ZoneRow, kZoneCount> kZones{{
    {"Alaska/Hawaii Daylight Time,AHDT,-9.0", 9, 0}, // 0
    {"Alaska/Hawaii Standard Time,AHST,-10.0", 10, 0}, // 1
    {"Alaska/Hawaii War Time,AHWT,-9.0", 9, 0}, // 2
    {"Atlantic Standard Time,AST,-4.0", 4, 0}, // 3
    {"Atlantic War Time,AWT,-3.0", 3, 0}, // 4
    {"Australian Central Daylight Time,ACDT,+10.5", -10, -30}, // 5
    {"Australian Central Standard Time,ACST,+9.5", -9, -30}, // 6
    {"Australian Eastern Daylight Time,AEDT,+11.0", -11, 0}, // 7
    {"Australian Eastern Standard Time,AEST,+10.0", -10, 0}, // 8
    {"Australian Western Daylight Time,AWDT,+9.0", -9, 0}, // 9
    {"Australian Western Standard Time,AWST,+8.0", -8, 0}, // 10
    {"Azores Time, AT, -2.0", 2, 0}, // 11
    {"Baghdad Time, BAT, +3.0", -3, 0}, // 12
    {"Bering Standard Time,BET,-11.0", 11, 0}, // 13
    {"Brazil Zone 2,BZT2,-3.0", 3, 0}, // 14
    {"British Double Summer Time,BDST,+2.0", -2, 0}, // 15
    {"British Summer Time,BST,+1.0", -1, 0}, // 16
    {"British War Time,BWT,+2.0", -2, 0}, // 17
    {"Central Daylight Time,CDT,-5.0", 5, 0}, // 18
    {"Central European Daylight,CED,+2.0", -2, 0}, // 19
    {"Central European Time,CET,+1.0", -1, 0}, // 20
    {"Central Standard Time,CST,-6.0", 6, 0}, // 21
    {"Central War Time,CWT,-5.0", 5, 0}, // 22
    {"China Coast Time,CCT,+8.0", -8, 0}, // 23
    {"Eastern Daylight Time,EDT,-4.0", 4, 0}, // 24
    {"Eastern European Daylight Time,EED,+3.0", -3, 0}, // 25
    {"Eastern European Time,EET,+2.0", -2, 0}, // 26
    {"Eastern Standard Time,EST,-5.0", 5, 0}, // 27
    {"Eastern War Time,EWT,-4.0", 4, 0}, // 28
    {"Greenwich Mean Time,GMT,0.0", 0, 0}, // 29
    {"Guam Standard Time,GST,+10.0", -10, 0}, // 30
    {"Hawaiian Daylight Time,HDT,-9.5", 9, 30}, // 31
    {"Hawaiian Standard Time,HST,-10.5", 10, 30}, // 32
    {"Hawaiian War Time,HWT,-9.5", 9, 30}, // 33
    {"Indian Time, IST, +5.3", -5, -30}, // 34
    {"Int'l Date Line East,IDLE,+12.0", -12, 0}, // 35
    {"Int'l Date Line West,IDLW,-12.0", 12, 0}, // 36
    {"Iran Time, IT, +3.5", -3, -30}, // 37
    {"Japan Standard Time,JST,+9.0", -9, 0}, // 38
    {"Java Time, JT, +7.5", -7, -30}, // 39
    {"Middle European Daylight Time,MED,+2.0", -2, 0}, // 40
    {"Middle European Time,MET,+1.0", -1, 0}, // 41
    {"Moluccas Time, MT, +8.5", -8, -30}, // 42
    {"Mountain Daylight Time,MDT,-6.0", 6, 0}, // 43
    {"Mountain Standard Time,MST,-7.0", 7, 0}, // 44
    {"Mountain War Time,MWT,-6.0", 6, 0}, // 45
    {"New Zealand Std Summer Time,NZST,+13.0", -13, 0}, // 46
    {"New Zealand Std Time,NZT,+12.0", -12, 0}, // 47
    {"New Zealand Summer Time,NZS,+12.5", -12, -30}, // 48
    {"New Zealand Time,NZ,+11.5", -11, -30}, // 49
    {"Newfoundland Standard Time,NST,-3.5", 3, 30}, // 50
    {"Nome Time, NT, -11.0", 11, 0}, // 51
    {"North Sumatra Time,NST,+6.5", -6, -30}, // 52
    {"Pacific Daylight Time,PDT,-7.0", 7, 0}, // 53
    {"Pacific Standard Time,PST,-8.0", 8, 0}, // 54
    {"Pacific War Time,PWT,-7.0", 7, 0}, // 55
    {"South Australia Daylight Time,SAD,+10.5", -10, -30}, // 56
    {"South Australia Daylight Time,SDT,+10.5", -10, -30}, // 57
    {"South Australia Standard Time,SAST,+9.5", -9, -30}, // 58
    {"South Australia Standard Time,SAT,+9.5", -9, -30}, // 59
    {"South Sumatra Time,SST,+7.0", -7, 0}, // 60
    {"Universal Time, UT, 0.0", 0, 0}, // 61
    {"USSR Zone 10,UZ10,+11.0", -11, 0}, // 62
    {"USSR Zone 3,USZ3,+4.0", -4, 0}, // 63
    {"USSR Zone 4,USZ4,+5.0", -5, 0}, // 64
    {"USSR Zone 5,USZ5,+6.0", -6, 0}, // 65
    {"USSR Zone 6,USZ6,+7.0", -7, 0}, // 66
    {"West Africa Time,WAT,-1.0", 1, 0}, // 67
    {"Yukon Daylight Time,YDT,-8.0", 8, 0}, // 68
    {"Yukon Standard Time,YST,-9.0", 9, 0}, // 69
    {"Yukon War Time,YWT,-8.0", 8, 0}, // 70
}};
// clang-format on

static_assert(kZones.size() == 71);

} // namespace

const std::array<ZoneRow, kZoneCount>& ZoneTable() noexcept
{
    return kZones;
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

} // namespace tessaline
