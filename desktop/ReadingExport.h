#pragma once

#include "chart/ChartState.h"

#include <QString>

#include <memory>

class QPrinter;
class QTextDocument;

namespace tessaline {

class ImageList;

// The reading as a document Qt can lay out and print: the core's HTML with the body pictures supplied
// as images.
std::unique_ptr<QTextDocument> ReadingDocument(const ChartState& state, const ImageList& pictures);

// Writes the reading to a file, HTML or PDF as the name's ending says (anything else gets HTML). Returns
// what went wrong, or an empty text when the file was written.
QString SaveReading(const ChartState& state, const ImageList& pictures, const QString& path);

// Sends the reading to a printer that is already set up.
void PrintReading(const ChartState& state, const ImageList& pictures, QPrinter& printer);

} // namespace tessaline
