// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "decanates/Chart.h"
#include "report/ChartWriter.h"

#include <string>

namespace tessaline {

// Two people's shared decanates (DecanateContacts) as text (a heading, then a sentence a contact), JSON (one
// document: "first" and "second" with their names and instants, "scheme" when not the table's own, "contacts":
// [{"decanate": {sign, decanate, decanateSign, rulingPlanet}, "first": body, "second": body}]) or CSV (a header,
// then a row a contact).
void AppendComparison(std::string& out, const Chart& first, const Chart& second, ChartFormat format);

} // namespace tessaline
