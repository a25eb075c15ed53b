// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "chart/BirthArguments.h"
#include "cli/OutputBuffer.h"
#include "decanates/Chart.h"
#include "report/ChartWriter.h"

#include <cerrno>
#include <cstddef>
#include <nlohmann/json.hpp>
#include <optional>
#include <ostream>
#include <string>

namespace tessaline::cli {

using Json = nlohmann::ordered_json;

// What the command line asked for.
struct Options {
    BirthArguments birth;
    bool json = false;
    bool brief = false;
    bool csv = false;
    bool html = false;
    bool svg = false;
    std::string drekkana; // "south" or "north": the drekkana chart instead of the wheel
    std::string batch;
    int jobs = 0; // rows of a batch charted at once; 0: as many as the computer has cores
    std::string svgDir; // a batch's pictures, one file per row
    std::string format; // the batch file's format: csv or aaf; empty: by its extension
    std::string exportFormat; // "aaf": each chart as an exchange record instead of the output formats
    bool png = false; // the picture as PNG instead of SVG
    int size = 1000; // the PNG's width and height in pixels
    bool zones = false;
    bool decanates = false;
    bool precise = false;
    bool ingresses = false; // the calendar of decanate changes
    bool ics = false; // the calendar as iCalendar
    std::string zodiac;
    std::string ayanamsa;
    bool ayanamsas = false;
    std::string compare; // a batch file holding the person to compare with
    std::string compareLine; // the person's line in it; empty for its first
    std::string progressedOn; // with progressions, the progressed points on this date instead (YYYY-MM-DD)
    std::string scheme; // the decan scheme's key; empty for the table's own
    bool schemes = false;
    bool nakshatras = false;
    bool progressions = false; // a life's progressions of the chart
    std::string transits; // the sky around the chart at this instant ("YYYY-MM-DD HH:MM")
    std::string transitZone; // the clock --transits is read on; empty for the chart's
    std::string place;
    std::string placeId;
    std::string places;
    std::string from; // the calendar of decanate changes: its first and last day, its bodies
    std::string to;
    std::string bodies;
};

// Where a birth was: the atlas query or GeoNames id, when the birth names its place; and the daylight-saving
// flag as given (nothing when not given), which then chooses the reading in an overlap only.
struct PlaceRequest {
    std::string place;
    std::string placeId;
    std::optional<bool> dst;
    bool Named() const { return !place.empty() || !placeId.empty(); }
};

// The output stream and, once it has failed, the system's reason: a full disk, a closed stream.
struct Output {
    std::ostream& out;
    int error = 0;

    // Whether out has refused something written to it, and why: the reason its buffer kept when it is a
    // DescriptorBuffer (standard output), else errno, asked straight after the writes.
    bool Failed()
    {
        if (out.good())
            return false;
        if (error == 0) {
            const auto* kept = dynamic_cast<const DescriptorBuffer*>(out.rdbuf());
            error = kept != nullptr && kept->Error() != 0 ? kept->Error() : errno != 0 ? errno : EIO;
        }
        return true;
    }
};

// The width to wrap text to: the terminal's when standard output is one, else 80 columns.
std::size_t TextWidth();

// How the options ask a chart to be written: as JSON, CSV or text (when neither), brief or not, wrapped to
// TextWidth.
ChartWriting WritingOf(const Options& options);

// How the options ask a chart to be calculated: the mode, the zodiac, the decan scheme (checked before), the lunar
// mansions, and the precise decanates' check but for a CSV row, which has no column for it.
ChartOptions ChartOptionsFor(const Options& options, const ZodiacChoice& zodiac);

} // namespace tessaline::cli
