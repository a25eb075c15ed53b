// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/ReadingExport.h"

#include "desktop/ImageList.h"
#include "desktop/QtString.h"
#include "desktop/SvgTextObject.h"
#include "report/ChartWheelSvg.h"
#include "report/Reading.h"

#include <QAbstractTextDocumentLayout>
#include <QFile>
#include <QFileInfo>
#include <QPageLayout>
#include <QPdfWriter>
#include <QPrinter>
#include <QSaveFile>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QUrl>

#include <vector>

namespace tessaline {

namespace {

constexpr int kPrintedPictureSide = 96;
const QString kProgramName = QStringLiteral("QB Tessaline");

// The document's title: whose reading it is.
QString ReadingTitle(const Chart& chart)
{
    return QString::fromStdString(chart.Name()).trimmed();
}

// Title and author where PDF readers look for them: the document information the writer fills holds the
// title and the creating program; the XMP packet adds the author (dc:creator).
QByteArray XmpMetadata(const QString& title, const QString& author)
{
    const auto escaped = [](const QString& text) {
        return text.toHtmlEscaped().toUtf8();
    };
    return QByteArray("<?xpacket begin=\"\xEF\xBB\xBF\" id=\"W5M0MpCehiHzreSzNTczkc9d\"?>\n"
                      "<x:xmpmeta xmlns:x=\"adobe:ns:meta/\">\n"
                      "<rdf:RDF xmlns:rdf=\"http://www.w3.org/1999/02/22-rdf-syntax-ns#\">\n"
                      "<rdf:Description rdf:about=\"\" xmlns:dc=\"http://purl.org/dc/elements/1.1/\" "
                      "xmlns:xmp=\"http://ns.adobe.com/xap/1.0/\" xmlns:pdf=\"http://ns.adobe.com/pdf/1.3/\">\n"
                      "<dc:title><rdf:Alt><rdf:li xml:lang=\"x-default\">")
        + escaped(title) + "</rdf:li></rdf:Alt></dc:title>\n<dc:creator><rdf:Seq><rdf:li>" + escaped(author)
        + "</rdf:li></rdf:Seq></dc:creator>\n<xmp:CreatorTool>" + escaped(author) + "</xmp:CreatorTool>\n<pdf:Producer>"
        + escaped(author) + "</pdf:Producer>\n</rdf:Description>\n</rdf:RDF>\n</x:xmpmeta>\n<?xpacket end=\"w\"?>";
}

// Moves to a new page every body (its heading to the end of its last text) that would otherwise be split
// across two, as long as it fits on one page. The document is laid out in pages of the device's
// printable area.
void KeepBodiesWhole(QTextDocument& document, const QPagedPaintDevice& device)
{
    constexpr int kDocumentDpi = 96;
    document.setPageSize(device.pageLayout().paintRectPixels(kDocumentDpi).size());
    const qreal pageHeight = document.pageSize().height();
    QAbstractTextDocumentLayout* layout = document.documentLayout();

    std::vector<QTextBlock> headings;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        if (block.blockFormat().headingLevel() == 2)
            headings.push_back(block);
    for (std::size_t i = 0; i < headings.size(); ++i) {
        const QTextBlock last = i + 1 < headings.size() ? headings[i + 1].previous() : document.lastBlock();
        const qreal top = layout->blockBoundingRect(headings[i]).top();
        const qreal bottom = layout->blockBoundingRect(last).bottom();
        if (bottom - top > pageHeight || static_cast<int>(top / pageHeight) == static_cast<int>(bottom / pageHeight))
            continue;
        // Break before the rule above the heading, so the rule and its body start the page together.
        QTextBlock first = headings[i];
        if (first.previous().isValid() && first.previous().text().trimmed().isEmpty())
            first = first.previous();
        QTextCursor cursor(first);
        QTextBlockFormat format = first.blockFormat();
        format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
        cursor.setBlockFormat(format);
        // Qt 6.4 lays out only what the edit touched, leaving text after tables unplaced: lay it all out again.
        document.markContentsDirty(0, document.characterCount());
    }
}

// Lays the reading out in pages of the device, no body split across two, and paints it.
void PrintPaged(const Chart& chart, const ImageList& pictures, QPagedPaintDevice& device, const ReadingRing& around)
{
    const std::unique_ptr<QTextDocument> document = ReadingDocument(chart, pictures, around);
    KeepBodiesWhole(*document, device);
    document->print(&device);
}

// The reading as a PDF through a temporary file beside path. The page layout and resolution are the
// printer's when printing to a file.
Result<void, QString> WritePdf(const Chart& chart, const ImageList& pictures, const QString& path,
                               const QPrinter* printer, const ReadingRing& around)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return Unexpected<QString>{file.errorString()};
    {
        QPdfWriter writer(&file);
        if (printer != nullptr) {
            writer.setResolution(printer->resolution());
            writer.setPageLayout(printer->pageLayout());
        } else {
            // The page a print starts from: the reading saved is paginated as it prints.
            const QPrinter defaults(QPrinter::HighResolution);
            writer.setResolution(defaults.resolution());
            writer.setPageLayout(defaults.pageLayout());
        }
        const QString title = ReadingTitle(chart);
        writer.setTitle(title);
        writer.setCreator(kProgramName);
        writer.setDocumentXmpMetadata(XmpMetadata(title, kProgramName));
        PrintPaged(chart, pictures, writer, around);
    }
    // The document paints nothing when its painter cannot begin on the writer; a write that failed on
    // the way (a full disk) is remembered by the file and fails the commit.
    if (file.pos() == 0) {
        file.cancelWriting();
        return Unexpected<QString>{QObject::tr("the PDF could not be started")};
    }
    if (!file.commit())
        return Unexpected<QString>{file.errorString()};
    return {};
}

} // namespace

std::unique_ptr<QTextDocument> ReadingDocument(const Chart& chart, const ImageList& pictures, const ReadingRing& around)
{
    auto document = std::make_unique<QTextDocument>();
    for (int number = 1; number <= static_cast<int>(kDecanateBodyCount); ++number) {
        // Twice the laid-out size, so the pictures stay sharp on paper.
        const QPixmap picture = pictures.picture(number, QSize(kPrintedPictureSide, kPrintedPictureSide), 2.0);
        document->addResource(QTextDocument::ImageResource, QUrl(QStringLiteral("picture-%1.png").arg(number)),
                              picture.toImage());
    }
    const std::string html = RenderReadingHtml(chart, ReadingPictures::NamedImages, around);
    document->setHtml(FromUtf8(html));
    // The wheel as vector drawing, sharp on paper at any size.
    SvgTextObject::ReplaceImage(*document, QStringLiteral("chart-wheel.svg"),
                                around.ring ? ChartWheelSvg(chart, *around.ring, {PictureColours::Light, false})
                                            : ChartWheelSvg(chart, {PictureColours::Light, false}));
    return document;
}

Result<void, QString> SaveReading(const Chart& chart, const ImageList& pictures, const QString& path,
                                  const ReadingRing& around)
{
    if (QFileInfo(path).suffix().compare(QStringLiteral("pdf"), Qt::CaseInsensitive) == 0)
        return WritePdf(chart, pictures, path, nullptr, around);

    // Written in full to a temporary file first, so a failure never leaves half a reading behind.
    QSaveFile file(path);
    const std::string html = RenderReadingHtml(chart, ReadingPictures::InlineSvg, around);
    if (!file.open(QIODevice::WriteOnly)
        || file.write(html.data(), static_cast<qint64>(html.size())) != static_cast<qint64>(html.size())
        || !file.commit())
        return Unexpected<QString>{file.errorString()};
    return {};
}

Result<void, QString> PrintReading(const Chart& chart, const ImageList& pictures, QPrinter& printer,
                                   const ReadingRing& around)
{
    if (printer.outputFormat() == QPrinter::PdfFormat) {
        if (printer.outputFileName().isEmpty())
            return Unexpected<QString>{QObject::tr("no file was chosen to print to")};
        return WritePdf(chart, pictures, printer.outputFileName(), &printer, around);
    }
    if (!printer.isValid())
        return Unexpected<QString>{QObject::tr("the printer %1 is not available").arg(printer.printerName())};
    printer.setDocName(ReadingTitle(chart));
    printer.setCreator(kProgramName);
    PrintPaged(chart, pictures, printer, around);
    if (printer.printerState() == QPrinter::Error || printer.printerState() == QPrinter::Aborted)
        return Unexpected<QString>{QObject::tr("the print job could not be started")};
    return {};
}

} // namespace tessaline
