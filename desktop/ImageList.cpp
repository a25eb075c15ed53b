// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/ImageList.h"

#include <QIcon>
#include <QPainter>
#include <QSvgRenderer>

#include <utility>

namespace tessaline {

namespace {

QPixmap Render(const QString& file, QSize size, qreal devicePixelRatio)
{
    QSvgRenderer renderer(file);
    if (!renderer.isValid() || size.isEmpty()) {
        return {};
    }
    QPixmap pixmap(size * devicePixelRatio);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return pixmap;
}

} // namespace

ImageList::ImageList(QStringList pictureFiles)
    : files_(std::move(pictureFiles))
{ }

QPixmap ImageList::picture(int number, QSize size, qreal devicePixelRatio) const
{
    if (number < 1 || number > count()) {
        return {};
    }
    return Render(files_.at(number - 1), size, devicePixelRatio);
}

ImageList BodyPictures()
{
    return ImageList({QStringLiteral(":/pictures/sun.svg"), QStringLiteral(":/pictures/moon.svg"),
                      QStringLiteral(":/pictures/mercury.svg"), QStringLiteral(":/pictures/venus.svg"),
                      QStringLiteral(":/pictures/mars.svg"), QStringLiteral(":/pictures/jupiter.svg"),
                      QStringLiteral(":/pictures/saturn.svg"), QStringLiteral(":/pictures/uranus.svg"),
                      QStringLiteral(":/pictures/neptune.svg"), QStringLiteral(":/pictures/pluto.svg")});
}

QIcon ProgramIcon()
{
    static const QIcon icon = [] {
        QIcon built;
        for (const int side : {16, 24, 32, 48, 64, 128, 256}) {
            built.addPixmap(Render(QStringLiteral(":/icons/tessaline.svg"), QSize(side, side), 1.0));
        }
        return built;
    }();
    return icon;
}

} // namespace tessaline
