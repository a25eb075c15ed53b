// SPDX-License-Identifier: GPL-3.0-or-later
// Build tool: draws the program's SVG icon as square PNG files for the hicolor icon theme.
//
//   tessaline_render_icon SVG OUTPUT_FOLDER NAME SIZE...
//
// writes OUTPUT_FOLDER/SIZExSIZE/apps/NAME.png for every SIZE.

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc < 5) {
        std::fputs("usage: tessaline_render_icon SVG OUTPUT_FOLDER NAME SIZE...\n", stderr);
        return 2;
    }
    // Drawing needs no screen; never try to reach one during a build.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);

    QSvgRenderer renderer(QString::fromLocal8Bit(argv[1]));
    if (!renderer.isValid()) {
        std::fprintf(stderr, "tessaline_render_icon: cannot read %s\n", argv[1]);
        return 1;
    }
    const QDir output(QString::fromLocal8Bit(argv[2]));
    const QString name = QString::fromLocal8Bit(argv[3]);
    for (int i = 4; i < argc; ++i) {
        bool ok = false;
        const int side = QByteArray(argv[i]).toInt(&ok);
        if (!ok || side < 1 || side > 4096) {
            std::fprintf(stderr, "tessaline_render_icon: bad size %s\n", argv[i]);
            return 2;
        }
        QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        {
            QPainter painter(&image);
            painter.setRenderHint(QPainter::Antialiasing);
            renderer.render(&painter, QRectF(0, 0, side, side));
        }
        const QString folder = QStringLiteral("%1x%1/apps").arg(side);
        const QString file = output.filePath(folder + QLatin1Char('/') + name + QStringLiteral(".png"));
        if (!output.mkpath(folder) || !image.save(file, "PNG")) {
            std::fprintf(stderr, "tessaline_render_icon: cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
