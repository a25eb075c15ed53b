// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace tessaline::cli {

// The chart tool's exit codes, whichever part of the tool ends the run: one chart, a batch or a table.
inline constexpr int kExitOk = 0;
inline constexpr int kExitRejected = 1; // a chart or a batch row was rejected
inline constexpr int kExitUsage = 2;
inline constexpr int kExitOutputFailed = 3; // the output could not be written (a full disk, a closed stream)
inline constexpr int kExitNoMemory = 4; // the run could not go on: not enough memory, whatever the rows held

} // namespace tessaline::cli
