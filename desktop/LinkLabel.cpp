// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/LinkLabel.h"

#include "desktop/AccessibleInterfaces.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>

namespace tessaline {

namespace {

// A label that opens a web page: a link named by the text it shows.
class LinkInterface : public QAccessibleWidget
{
public:
    explicit LinkInterface(LinkLabel* label)
        : QAccessibleWidget(label, QAccessible::Link)
    { }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && label()->accessibleName().isEmpty()) {
            return label()->text();
        }
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.linked = true;
        return s;
    }

    QStringList actionNames() const override { return QStringList{pressAction()} + QAccessibleWidget::actionNames(); }
    void doAction(const QString& action) override
    {
        if (action == pressAction()) {
            emit label()->clicked();
            return;
        }
        QAccessibleWidget::doAction(action);
    }

private:
    LinkLabel* label() const { return static_cast<LinkLabel*>(widget()); }
};

} // namespace

LinkLabel::LinkLabel(const QString& text, QWidget* parent)
    : QLabel(text, parent)
{
    AddAccessibleInterface(staticMetaObject, [](QObject* object) -> QAccessibleInterface* {
        return new LinkInterface(static_cast<LinkLabel*>(object));
    });
    setAccessibleName(text); // what it shows is what it is called, for speech and for voice control
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
    setTextFormat(Qt::PlainText);
    QFont underlined = font();
    underlined.setUnderline(true);
    setFont(underlined);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit clicked();
        return;
    }
    QLabel::mouseReleaseEvent(event);
}

void LinkLabel::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        emit clicked();
        return;
    default:
        QLabel::keyPressEvent(event);
    }
}

} // namespace tessaline
