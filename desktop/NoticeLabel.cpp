// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/NoticeLabel.h"

#include "desktop/AccessibleInterfaces.h"
#include "desktop/DesktopLook.h"

#include <QAccessibleWidget>
#include <QPainter>
#include <QPainterPath>
#include <QStyle>

namespace tessaline {

namespace {

// A notice: a notification, which a screen reader speaks when it appears; a warning is heard as one.
class NoticeInterface : public QAccessibleWidget
{
public:
    explicit NoticeInterface(NoticeLabel* label)
        : QAccessibleWidget(label, QAccessible::Notification)
    { }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return label()->heardText();
        return QAccessibleWidget::text(t);
    }

private:
    NoticeLabel* label() const { return static_cast<NoticeLabel*>(widget()); }
};

// The warning sign is as tall as a line of text; the text starts a little after it.
int SignSide(const QFontMetrics& metrics)
{
    return metrics.height();
}

} // namespace

NoticeLabel::NoticeLabel(Kind kind, QWidget* parent)
    : QLabel(parent)
    , kind_(kind)
{
    AddAccessibleInterface(staticMetaObject, [](QObject* object) -> QAccessibleInterface* {
        return new NoticeInterface(static_cast<NoticeLabel*>(object));
    });
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    if (kind_ == Kind::Warning)
        setContentsMargins(SignSide(fontMetrics()) * 3 / 2, 0, 0, 0);
    hide();
}

void NoticeLabel::setNotice(const QString& text)
{
    if (text.isEmpty()) {
        clear();
        hide();
        return;
    }
    if (text == this->text() && !isHidden())
        return;
    setText(text);
    // Shown anew, so that a screen reader speaks the new sentence as it spoke the first.
    hide();
    show();
}

QString NoticeLabel::heardText() const
{
    return kind_ == Kind::Warning ? tr("Warning: %1").arg(text()) : text();
}

QColor NoticeLabel::textColour() const
{
    const QColor background = palette().color(QPalette::Window);
    return kind_ == Kind::Warning ? WarningColour(background) : palette().color(QPalette::WindowText);
}

void NoticeLabel::paintEvent(QPaintEvent* event)
{
    if (kind_ != Kind::Warning) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor colour = textColour();
    QPalette shown = palette();
    shown.setColor(QPalette::WindowText, colour);
    style()->drawItemText(&painter, contentsRect(), static_cast<int>(alignment()) | Qt::TextWordWrap, shown,
                          isEnabled(), text(), QPalette::WindowText);

    // A triangle with an exclamation mark, beside the first line.
    const QFontMetricsF metrics(font());
    const qreal side = SignSide(fontMetrics());
    const QRectF sign(0.5, contentsRect().top() + (metrics.lineSpacing() - side) / 2 + 0.5, side - 1, side - 1);
    QPainterPath triangle;
    triangle.moveTo(sign.center().x(), sign.top());
    triangle.lineTo(sign.right(), sign.bottom());
    triangle.lineTo(sign.left(), sign.bottom());
    triangle.closeSubpath();
    painter.fillPath(triangle, colour);
    QFont mark = font();
    mark.setBold(true);
    mark.setPixelSize(std::max(1, static_cast<int>(side * 0.6)));
    painter.setFont(mark);
    painter.setPen(palette().color(QPalette::Window));
    painter.drawText(sign.adjusted(0, side * 0.22, 0, 0), Qt::AlignCenter, QStringLiteral("!"));
}

} // namespace tessaline
