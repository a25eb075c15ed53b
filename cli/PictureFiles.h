// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/Result.h"
#include "cli/ToolOptions.h"
#include "decanates/Chart.h"
#include "report/ChartWheelSvg.h"

#include <array>
#include <csignal>
#include <cstddef>
#include <ostream>
#include <string>
#include <string_view>

namespace tessaline::cli {

// The picture --svg asks for: the chart wheel, with the ring when one is given, or the drekkana chart in the
// form --drekkana names.
std::string ChartPictureSvg(const Chart& chart, const Options& options, const OuterRing* ring = nullptr);

// The picture on the output, as SVG or, with --png, as PNG; the exit code (a picture that cannot be drawn: the
// output's failure, said on err).
int WritePicture(const std::string& svg, const Options& options, std::ostream& out, std::ostream& err);

// Where a batch row's picture goes: DIR/line-N.svg (or .png, the extension given), N the row's line in the
// batch file.
std::string PicturePath(std::string_view folder, std::size_t line, std::string_view extension = "svg");

// Makes the folder for a batch's pictures unless it is one already, and clears it of the temporary pictures
// an interrupted run left behind; the reason otherwise.
Status PrepareFolder(const std::string& folder);

// While it lives, SIGINT, SIGTERM and SIGHUP first remove the picture WriteWholeFile is writing, then end
// the tool as they would have: an interrupted batch leaves no half-written file.
class PictureSignals
{
public:
    PictureSignals();
    ~PictureSignals();
    PictureSignals(const PictureSignals&) = delete;
    PictureSignals& operator=(const PictureSignals&) = delete;

private:
    std::array<struct sigaction, 3> before_{};
    std::array<bool, 3> installed_{};
};

// While it lives, the signals of PictureSignals wait on this thread, and threads it starts never take them:
// the handler must run on the thread that writes the pictures, or that thread would go on writing meanwhile.
class SignalsHeldBack
{
public:
    SignalsHeldBack();
    ~SignalsHeldBack();
    SignalsHeldBack(const SignalsHeldBack&) = delete;
    SignalsHeldBack& operator=(const SignalsHeldBack&) = delete;

private:
    sigset_t before_{};
    bool held_ = false;
};

// Writes text as the whole of the file at path: into a temporary file beside it first, which then takes
// the name, so that a failure leaves no partial file and a file already there as it was. The system's
// reason when it fails (a full disk, a folder that cannot be written).
Status WriteWholeFile(const std::string& path, std::string_view text);

} // namespace tessaline::cli
