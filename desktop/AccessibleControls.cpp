// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/AccessibleControls.h"

#include "desktop/AccessibleInterfaces.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>

namespace tessaline {

namespace {

// Text a reader can read but not change: the words a control shows as its value.
class ShownText : public QAccessibleTextInterface
{
public:
    virtual QString shownText() const = 0;

    QString text(int startOffset, int endOffset) const override
    {
        const QString shown = shownText();
        const qsizetype end = endOffset < 0 || endOffset > shown.size() ? shown.size() : endOffset;
        return startOffset < 0 || startOffset >= end ? QString() : shown.mid(startOffset, end - startOffset);
    }
    int characterCount() const override { return static_cast<int>(shownText().size()); }
    void selection(int, int* startOffset, int* endOffset) const override { *startOffset = *endOffset = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override { }
    void removeSelection(int) override { }
    void setSelection(int, int, int) override { }
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override { }
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override { }
    QString attributes(int, int* startOffset, int* endOffset) const override
    {
        *startOffset = 0;
        *endOffset = characterCount();
        return {};
    }
};

// A list: its name is its own, its value and its text the chosen item (the bridge to the Linux accessibility
// bus passes a list's text on, not its value); its one child is the pop-up list of items.
class NamedListInterface : public QAccessibleWidget, public ShownText
{
public:
    explicit NamedListInterface(QComboBox* list)
        : QAccessibleWidget(list, QAccessible::ComboBox)
    { }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QString shownText() const override { return list()->currentText(); }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value || (t == QAccessible::Name && list()->accessibleName().isEmpty())) {
            return list()->currentText();
        }
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.expandable = true;
        s.expanded = list()->view()->isVisible();
        return s;
    }

    int childCount() const override { return 1; }
    QAccessibleInterface* child(int index) const override
    {
        return index == 0 ? QAccessible::queryAccessibleInterface(list()->view()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        return child != nullptr && child->object() == list()->view() ? 0 : -1;
    }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }

    QStringList actionNames() const override
    {
        return QStringList{showMenuAction(), pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override
    {
        if (action == showMenuAction() || action == pressAction()) {
            if (list()->view()->isVisible()) {
                list()->hidePopup();
            } else {
                list()->showPopup();
            }
            return;
        }
        QAccessibleWidget::doAction(action);
    }

private:
    QComboBox* list() const { return static_cast<QComboBox*>(widget()); }
};

} // namespace

NamedList::NamedList(QWidget* parent)
    : QComboBox(parent)
{
    AddAccessibleInterface(staticMetaObject, [](QObject* object) -> QAccessibleInterface* {
        return new NamedListInterface(static_cast<NamedList*>(object));
    });
    setEditable(false);
}

LockedTextBox::LockedTextBox(QWidget* parent)
    : QPlainTextEdit(parent)
{
    setReadOnly(true);
    // Read-only stops keys and pastes; a screen reader's editing calls reach the document directly.
    connect(this, &QPlainTextEdit::textChanged, this, &LockedTextBox::restoreLockedText);
}

void LockedTextBox::setLockedText(const QString& text)
{
    locked_ = text;
    restoring_ = true;
    setPlainText(text);
    restoring_ = false;
}

void LockedTextBox::restoreLockedText()
{
    if (restoring_ || toPlainText() == locked_) {
        return;
    }
    restoring_ = true;
    setPlainText(locked_);
    restoring_ = false;
}

} // namespace tessaline
