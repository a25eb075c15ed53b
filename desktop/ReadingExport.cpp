// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/ReadingExport.h"

#include "desktop/ImageList.h"
#include "report/Reading.h"

#include <QFile>
#include <QFileInfo>
#include <QPageLayout>
#include <QPdfWriter>
#include <QPrinter>
#include <QSaveFile>
#include <QTextDocument>
#include <QUrl>

namespace tessaline {

namespace {

constexpr int kPrintedPictureSide = 96;

// The reading as a PDF through a temporary file beside path. The page layout and resolution are the
// printer's when printing to a file.
QString WritePdf(const ChartState& state, const ImageList& pictures, const QString& path, const QPrinter* printer)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    {
        QPdfWriter writer(&file);
        if (printer != nullptr) {
            writer.setResolution(printer->resolution());
            writer.setPageLayout(printer->pageLayout());
        }
        writer.setTitle(QString::fromStdString(state.birthRecord.name).trimmed());
        ReadingDocument(state, pictures)->print(&writer);
    }
    // The document paints nothing when its painter cannot begin on the writer; a write that failed on
    // the way (a full disk) is remembered by the file and fails the commit.
    if (file.pos() == 0) {
        file.cancelWriting();
        return QObject::tr("the PDF could not be started");
    }
    if (!file.commit())
        return file.errorString();
    return {};
}

} // namespace

std::unique_ptr<QTextDocument> ReadingDocument(const ChartState& state, const ImageList& pictures)
{
    auto document = std::make_unique<QTextDocument>();
    for (int number = 1; number <= static_cast<int>(kDecanateBodyCount); ++number) {
        // Twice the laid-out size, so the pictures stay sharp on paper.
        const QPixmap picture = pictures.picture(number, QSize(kPrintedPictureSide, kPrintedPictureSide), 2.0);
        document->addResource(QTextDocument::ImageResource, QUrl(QStringLiteral("picture-%1.png").arg(number)),
                              picture.toImage());
    }
    const std::string html = RenderReadingHtml(state, ReadingPictures::NamedImages);
    document->setHtml(QString::fromUtf8(html.data(), static_cast<qsizetype>(html.size())));
    return document;
}

QString SaveReading(const ChartState& state, const ImageList& pictures, const QString& path)
{
    if (QFileInfo(path).suffix().compare(QStringLiteral("pdf"), Qt::CaseInsensitive) == 0)
        return WritePdf(state, pictures, path, nullptr);

    // Written in full to a temporary file first, so a failure never leaves half a reading behind.
    QSaveFile file(path);
    const std::string html = RenderReadingHtml(state, ReadingPictures::InlineSvg);
    if (!file.open(QIODevice::WriteOnly)
        || file.write(html.data(), static_cast<qint64>(html.size())) != static_cast<qint64>(html.size())
        || !file.commit())
        return file.errorString();
    return {};
}

QString PrintReading(const ChartState& state, const ImageList& pictures, QPrinter& printer)
{
    if (printer.outputFormat() == QPrinter::PdfFormat) {
        if (printer.outputFileName().isEmpty())
            return QObject::tr("no file was chosen to print to");
        return WritePdf(state, pictures, printer.outputFileName(), &printer);
    }
    if (!printer.isValid())
        return QObject::tr("the printer %1 is not available").arg(printer.printerName());
    ReadingDocument(state, pictures)->print(&printer);
    if (printer.printerState() == QPrinter::Error || printer.printerState() == QPrinter::Aborted)
        return QObject::tr("the print job could not be started");
    return {};
}

} // namespace tessaline
