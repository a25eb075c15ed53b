// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPixmap>
#include <QSize>
#include <QStringList>

namespace tessaline {

// An invisible list of vector pictures, addressed by number from 1.
class ImageList
{
public:
    explicit ImageList(QStringList pictureFiles);

    int count() const noexcept { return static_cast<int>(files_.size()); }

    // Picture `number` (1..count()) drawn at `size` for a screen of the given pixel ratio; a null pixmap
    // for a number outside the list or a picture that cannot be read.
    QPixmap picture(int number, QSize size, qreal devicePixelRatio = 1.0) const;

private:
    QStringList files_;
};

// The ten body pictures, Sun to Pluto, as pictures 1..10.
ImageList BodyPictures();

// The program's icon, for every window.
QIcon ProgramIcon();

} // namespace tessaline
