// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/PngModule.h"

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
#include <cstring>
#include <string>

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
// cannot be drawn says so through its result. Only what would end the run is shown.
void QuietMessages(QtMsgType type, const QMessageLogContext& /*context*/, const QString& message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
}

// The SVG picture drawn as a PNG image, or why it could not be.
bool Draw(std::string_view svg, int width, std::string& png, std::string& failure)
{
    QSvgRenderer renderer(QByteArray(svg.data(), static_cast<qsizetype>(svg.size())));
    if (!renderer.isValid()) {
        failure = "the picture could not be read for drawing";
        return false;
    }
    const QRectF box = renderer.viewBoxF();
    const double ratio = box.width() > 0 ? box.height() / box.width() : 1.0;
    const int height = std::max(1, static_cast<int>(std::lround(width * ratio)));
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    if (image.isNull()) {
        failure = "not enough memory for a picture of " + std::to_string(width) + " by " + std::to_string(height)
            + " pixels";
        return false;
    }
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
    if (!image.save(&buffer, "PNG")) {
        failure = "the picture could not be encoded as PNG";
        return false;
    }
    png.assign(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    return true;
}

} // namespace

extern "C" void tessaline_png_start()
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

extern "C" int tessaline_png_draw(const char* svg, std::size_t svgSize, int width, TessalinePngText* png,
                                  TessalinePngText* failure)
{
    std::string drawn;
    std::string why;
    const bool ok = Draw(std::string_view(svg, svgSize), width, drawn, why);
    const std::string& text = ok ? drawn : why;
    TessalinePngText& into = ok ? *png : *failure;
    into.bytes = static_cast<char*>(std::malloc(text.size() + 1));
    if (into.bytes == nullptr)
        return 0;
    std::memcpy(into.bytes, text.data(), text.size());
    into.size = text.size();
    return ok ? 1 : 0;
}
