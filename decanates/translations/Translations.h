// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "decanates/DecanateTable.h"

namespace tessaline {

// The decanate table written in each language besides English; DecanateTableIn chooses among them.
const DecanateTable& HindiDecanateTable() noexcept;
const DecanateTable& SpanishDecanateTable() noexcept;
const DecanateTable& GermanDecanateTable() noexcept;
const DecanateTable& FrenchDecanateTable() noexcept;
const DecanateTable& PortugueseDecanateTable() noexcept;

} // namespace tessaline
