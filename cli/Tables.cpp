// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/Tables.h"

#include "chart/ZoneTable.h"
#include "cli/ToolOptions.h"
#include "decanates/DecanSchemes.h"
#include "decanates/DecanateFields.h"
#include "decanates/DecanateTable.h"
#include "ephemeris/PreciseEphemeris.h"

namespace tessaline::cli {

void PrintZones(std::ostream& out, bool json)
{
    const auto& zones = ZoneTable();
    if (json) {
        Json list = Json::array();
        for (std::size_t i = 0; i < zones.size(); ++i)
            list.push_back(Json{
                {"position", i},
                {"zone", std::string(ZoneDisplayText(static_cast<int>(i)))},
                {"utcOffset", OffsetText(MinutesEast({zones[i].correctionHours, zones[i].correctionMinutes}) * 60)}});
        out << list.dump(2) << '\n';
        return;
    }
    out << "position\tzone (as listed)\thours to UT\tminutes to UT\n"; // the clock time plus these is UT
    for (std::size_t i = 0; i < zones.size(); ++i)
        out << i << '\t' << ZoneDisplayText(static_cast<int>(i)) << '\t' << zones[i].correctionHours << '\t'
            << zones[i].correctionMinutes << '\n';
}

void PrintAyanamsas(std::ostream& out)
{
    for (int i = 0; i < kAyanamsaCount; ++i)
        out << AyanamsaKey(static_cast<Ayanamsa>(i)) << '\t' << AyanamsaName(static_cast<Ayanamsa>(i))
            << (i == 0 ? "\t(the default)" : "") << '\n';
}

void PrintDecanateTable(std::ostream& out)
{
    Json signs = Json::array();
    for (const SignEntry& sign : BuildDecanateTable()) {
        Json rows = Json::array();
        for (const DecanateRow& row : sign.rows) {
            Json object;
            for (const DecanateFieldName& field : kDecanateFields)
                object[std::string(field.key)] = std::string(FieldValue(row, field.field));
            rows.push_back(std::move(object));
        }
        signs.push_back(Json{{"signKey", std::string(sign.SignKey)}, {"rows", std::move(rows)}});
    }
    out << Json{{"signs", std::move(signs)}}.dump(2) << '\n';
}

void PrintSchemes(std::ostream& out)
{
    for (const DecanSchemeName& scheme : kDecanSchemes)
        out << scheme.key << '\t' << scheme.caption
            << (scheme.scheme == DecanScheme::Triplicity ? "\t(the default: the decanate table's own)" : "") << '\n';
}

} // namespace tessaline::cli
