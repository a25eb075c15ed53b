// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/PngPicture.h"

#include <QBuffer>
#include <QByteArray>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QtGlobal>

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace tessaline::cli {

namespace {

// The text of the first <tag> element, its character references read back (the pictures write &amp;, &lt;,
// &gt;, &quot; and &apos; only).
QString ElementText(std::string_view svg, std::string_view tag)
{
    std::string open = "<";
    open.append(tag).append(">");
    std::string close = "</";
    close.append(tag).append(">");
    const std::size_t start = svg.find(open);
    if (start == std::string_view::npos)
        return {};
    const std::size_t end = svg.find(close, start);
    const std::string_view raw = svg.substr(start + open.size(), end - start - open.size());
    QString text = QString::fromUtf8(raw.data(), static_cast<qsizetype>(raw.size()));
    text.replace(QLatin1String("&lt;"), QLatin1String("<"))
        .replace(QLatin1String("&gt;"), QLatin1String(">"))
        .replace(QLatin1String("&quot;"), QLatin1String("\""))
        .replace(QLatin1String("&apos;"), QLatin1String("'"))
        .replace(QLatin1String("&amp;"), QLatin1String("&"));
    return text;
}

// Qt's own notes (a missing runtime folder, a font substituted) are not the tool's to print: a picture that
// cannot be drawn says so through PngOfSvg's result. Only what would end the run is shown.
void QuietMessages(QtMsgType type, const QMessageLogContext& /*context*/, const QString& message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
}

} // namespace

void StartDrawing()
{
    if (QCoreApplication::instance() != nullptr)
        return;
    if (std::getenv("QT_QPA_PLATFORM") == nullptr)
        ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    qInstallMessageHandler(QuietMessages);
    // Lives to the end of the run: the fonts every picture draws with are the application's.
    static int argc = 1;
    static char name[] = "tessaline-chart";
    static char* argv[] = {name, nullptr};
    static QGuiApplication application(argc, argv);
}

Result<std::string> PngOfSvg(std::string_view svg, int width)
{
    QSvgRenderer renderer(QByteArray(svg.data(), static_cast<qsizetype>(svg.size())));
    if (!renderer.isValid())
        return Fail(std::string("the picture could not be read for drawing"));
    const QRectF box = renderer.viewBoxF();
    const double ratio = box.width() > 0 ? box.height() / box.width() : 1.0;
    const int height = std::max(1, static_cast<int>(std::lround(width * ratio)));
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    if (image.isNull())
        return Fail("not enough memory for a picture of " + std::to_string(width) + " by " + std::to_string(height)
                    + " pixels");
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::TextAntialiasing);
        renderer.render(&painter);
    }
    image.setText(QStringLiteral("Title"), ElementText(svg, "title"));
    image.setText(QStringLiteral("Description"), ElementText(svg, "desc"));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG"))
        return Fail(std::string("the picture could not be encoded as PNG"));
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

} // namespace tessaline::cli
