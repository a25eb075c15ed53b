// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/ChartPictureFiles.h"

#include <QFileInfo>
#include <QImage>
#include <QImageWriter>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSvgRenderer>
#include <QXmlStreamReader>

#include <algorithm>
#include <cmath>

namespace tessaline {

namespace {

// The text of the first element of a name, its entities read.
QString ElementText(std::string_view svg, QStringView name)
{
    QXmlStreamReader xml(QByteArray(svg.data(), static_cast<qsizetype>(svg.size())));
    while (!xml.atEnd())
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == name)
            return xml.readElementText(QXmlStreamReader::IncludeChildElements);
    return {};
}

std::optional<QString> Committed(QSaveFile& file)
{
    if (!file.commit())
        return file.errorString();
    return std::nullopt;
}

} // namespace

QString PictureTitle(std::string_view svg)
{
    return ElementText(svg, u"title");
}

QString PictureDescription(std::string_view svg)
{
    return ElementText(svg, u"desc");
}

std::optional<QString> SaveChartPicture(std::string_view svg, const QString& path, int pixels)
{
    const QString kind = QFileInfo(path).suffix().toLower();
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    if (kind == QStringLiteral("svg")) {
        if (file.write(svg.data(), static_cast<qint64>(svg.size())) != static_cast<qint64>(svg.size()))
            return file.errorString();
        return Committed(file);
    }
    QSvgRenderer renderer(QByteArray(svg.data(), static_cast<qsizetype>(svg.size())));
    if (!renderer.isValid())
        return QStringLiteral("the picture could not be drawn");
    const QSizeF box = renderer.viewBoxF().size();
    if (kind == QStringLiteral("pdf")) {
        QPdfWriter pdf(&file);
        pdf.setTitle(PictureTitle(svg));
        pdf.setCreator(QStringLiteral("QB Tessaline"));
        pdf.setPageMargins({});
        // A page of the picture's own shape, 20 cm on its longer side.
        const qreal scale = 200.0 / std::max(box.width(), box.height());
        pdf.setPageSize(QPageSize(QSizeF(box.width() * scale, box.height() * scale), QPageSize::Millimeter));
        QPainter painter;
        if (!painter.begin(&pdf))
            return QStringLiteral("the PDF could not be begun");
        renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(pdf.width(), pdf.height())));
        if (!painter.end())
            return QStringLiteral("the PDF could not be finished");
        return Committed(file);
    }
    if (kind != QStringLiteral("png"))
        return QStringLiteral("a chart picture is saved as .svg, .png or .pdf");
    const qreal scale = std::clamp(pixels, 16, 16384) / std::max(box.width(), box.height());
    QImage image(
        QSize(static_cast<int>(std::lround(box.width() * scale)), static_cast<int>(std::lround(box.height() * scale))),
        QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter);
    painter.end();
    QImageWriter writer(&file, "png");
    writer.setText(QStringLiteral("Title"), PictureTitle(svg));
    writer.setText(QStringLiteral("Description"), PictureDescription(svg));
    writer.setText(QStringLiteral("Software"), QStringLiteral("QB Tessaline"));
    if (!writer.write(image))
        return writer.errorString();
    return Committed(file);
}

} // namespace tessaline
