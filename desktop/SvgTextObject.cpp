// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/SvgTextObject.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QSvgRenderer>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace tessaline {

namespace {

constexpr int kSvgProperty = QTextFormat::UserProperty + 1;
constexpr int kSizeProperty = QTextFormat::UserProperty + 2;

} // namespace

bool SvgTextObject::ReplaceImage(QTextDocument& document, const QString& imageName, std::string_view svg)
{
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
            const QTextCharFormat format = fragment.fragment().charFormat();
            if (!format.isImageFormat() || format.toImageFormat().name() != imageName)
                continue;
            const QTextImageFormat image = format.toImageFormat();
            QTextCharFormat object;
            object.setObjectType(kObjectType);
            object.setProperty(kSvgProperty, QByteArray(svg.data(), static_cast<qsizetype>(svg.size())));
            object.setProperty(kSizeProperty, QSizeF(image.width(), image.height()));
            // One handler per document, which it deletes with itself; there before the object, which the
            // layout sizes as soon as it comes.
            if (document.documentLayout()->handlerForObject(kObjectType) == nullptr)
                document.documentLayout()->registerHandler(kObjectType, new SvgTextObject(&document));
            QTextCursor cursor(&document);
            cursor.setPosition(fragment.fragment().position());
            cursor.setPosition(fragment.fragment().position() + 1, QTextCursor::KeepAnchor);
            cursor.insertText(QString(QChar::ObjectReplacementCharacter), object);
            return true;
        }
    return false;
}

QSizeF SvgTextObject::intrinsicSize(QTextDocument*, int, const QTextFormat& format)
{
    return format.property(kSizeProperty).toSizeF();
}

void SvgTextObject::drawObject(QPainter* painter, const QRectF& rect, QTextDocument*, int, const QTextFormat& format)
{
    QSvgRenderer renderer(format.property(kSvgProperty).toByteArray());
    renderer.render(painter, rect);
}

} // namespace tessaline
