#include "desktop/ReadingExport.h"

#include "desktop/ImageList.h"
#include "report/Reading.h"

#include <QFile>
#include <QFileInfo>
#include <QPrinter>
#include <QSaveFile>
#include <QTextDocument>
#include <QUrl>

namespace tessaline {

namespace {

constexpr int kPrintedPictureSide = 96;

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
    if (QFileInfo(path).suffix().compare(QStringLiteral("pdf"), Qt::CaseInsensitive) == 0) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        PrintReading(state, pictures, printer);
        // QPrinter reports no failure of its own: look for the file it should have written.
        return QFileInfo(path).size() > 0 ? QString() : QObject::tr("The file could not be written.");
    }

    // Written in full to a temporary file first, so a failure never leaves half a reading behind.
    QSaveFile file(path);
    const std::string html = RenderReadingHtml(state, ReadingPictures::InlineSvg);
    if (!file.open(QIODevice::WriteOnly)
        || file.write(html.data(), static_cast<qint64>(html.size())) != static_cast<qint64>(html.size())
        || !file.commit())
        return file.errorString();
    return {};
}

void PrintReading(const ChartState& state, const ImageList& pictures, QPrinter& printer)
{
    ReadingDocument(state, pictures)->print(&printer);
}

} // namespace tessaline
