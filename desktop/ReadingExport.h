// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/Result.h"
#include "decanates/Chart.h"
#include "report/Reading.h"

#include <QString>

#include <memory>

class QPrinter;
class QTextDocument;

namespace tessaline {

class ImageList;

// The reading as a document Qt can lay out and print: the core's HTML with the body pictures supplied
// as images and the chart wheel (with the ring round it where one is given) as vector drawing.
std::unique_ptr<QTextDocument> ReadingDocument(const Chart& chart, const ImageList& pictures,
                                               const ReadingRing& around = {});

// Writes the reading to a file, HTML or PDF as the name's ending says (anything else gets HTML). The
// reading goes to a temporary file in the same folder, which replaces the file only once it is complete:
// a failure leaves no partial file, and a file already there as it was. Fails with what went wrong.
Result<void, QString> SaveReading(const Chart& chart, const ImageList& pictures, const QString& path,
                                  const ReadingRing& around = {});

// Prints the reading on a printer that is already set up. A printer that prints to a file gets its PDF
// written as SaveReading writes one. Fails with what went wrong.
Result<void, QString> PrintReading(const Chart& chart, const ImageList& pictures, QPrinter& printer,
                                   const ReadingRing& around = {});

} // namespace tessaline
