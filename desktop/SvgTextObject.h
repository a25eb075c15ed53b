// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QTextObjectInterface>

#include <string_view>

class QTextDocument;

namespace tessaline {

// An SVG picture inside a QTextDocument, drawn as vector drawing on whatever device paints the document:
// a PDF or a printer gets paths and text, never a bitmap. The document owns the handler.
class SvgTextObject : public QObject, public QTextObjectInterface
{
    Q_OBJECT
    Q_INTERFACES(QTextObjectInterface)

public:
    static constexpr int kObjectType = QTextFormat::UserObject + 1;

    // Puts the SVG picture in the place of the document's image named imageName, at that image's size;
    // false when the document has no such image.
    static bool ReplaceImage(QTextDocument& document, const QString& imageName, std::string_view svg);

    QSizeF intrinsicSize(QTextDocument* document, int position, const QTextFormat& format) override;
    void drawObject(QPainter* painter, const QRectF& rect, QTextDocument* document, int position,
                    const QTextFormat& format) override;

private:
    using QObject::QObject;
};

} // namespace tessaline
