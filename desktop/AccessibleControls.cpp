// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/AccessibleControls.h"

#include "desktop/LinkLabel.h"
#include "desktop/NoticeLabel.h"
#include "desktop/TabPanel.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QPointer>

namespace tessaline {

namespace {

QString WithoutAccelerator(QString text)
{
    // "&Back" reads "Back"; a doubled ampersand is one shown ampersand.
    for (qsizetype at = text.indexOf(QLatin1Char('&')); at >= 0 && at < text.size();
         at = text.indexOf(QLatin1Char('&'), at + 1)) {
        text.remove(at, 1);
    }
    return text;
}

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

// One tab of a TabPanel: a page tab, selected when its page is in front; pressing it brings the page.
class PageTabInterface : public QAccessibleWidget
{
public:
    explicit PageTabInterface(QAbstractButton* tab)
        : QAccessibleWidget(tab, QAccessible::PageTab)
    { }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && tab()->accessibleName().isEmpty()) {
            return WithoutAccelerator(tab()->text());
        }
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.selectable = true;
        s.selected = tab()->isChecked();
        return s;
    }

    QStringList actionNames() const override { return QStringList{pressAction()} + QAccessibleWidget::actionNames(); }
    void doAction(const QString& action) override
    {
        if (action == pressAction()) {
            tab()->click();
            return;
        }
        QAccessibleWidget::doAction(action);
    }

private:
    QAbstractButton* tab() const { return static_cast<QAbstractButton*>(widget()); }
};

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

// A menu entry that can be ticked (Options › Precise Positions, the zodiacs): checkable, and checked while
// ticked, so that a reader says "not checked" of it too. (Qt's own entry says only "checked", when ticked.)
// The bridge to the Linux accessibility bus passes no "checkable" on, so the entry is a check box there, or
// a radio button when it is one of a group of which one is ticked.
class CheckableEntryInterface : public QAccessibleInterface, public QAccessibleActionInterface
{
public:
    explicit CheckableEntryInterface(QAction* action)
        : action_(action)
    { }

    bool isValid() const override { return action_ != nullptr && menu() != nullptr; }
    QObject* object() const override { return action_; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(menu()); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessible::Role role() const override
    {
        const QActionGroup* group = action_->actionGroup();
        return group != nullptr && group->isExclusive() ? QAccessible::RadioButton : QAccessible::CheckBox;
    }
    void setText(QAccessible::Text, const QString&) override { }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return WithoutAccelerator(action_->text());
        if (t == QAccessible::Accelerator)
            return action_->shortcut().toString(QKeySequence::NativeText);
        return {};
    }

    QRect rect() const override
    {
        const QMenu* owner = menu();
        return owner->actionGeometry(action_).translated(owner->mapToGlobal(QPoint(0, 0)));
    }

    QAccessible::State state() const override
    {
        QAccessible::State s;
        s.checkable = true;
        s.checked = action_->isChecked();
        s.disabled = !action_->isEnabled();
        s.invisible = !menu()->isVisible() || !action_->isVisible();
        s.focused = menu()->activeAction() == action_;
        return s;
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }
    void doAction(const QString& action) override
    {
        if (action == pressAction() && action_->isEnabled())
            action_->trigger();
    }

private:
    QMenu* menu() const
    {
        if (action_ == nullptr)
            return nullptr;
        for (QObject* shownIn : action_->associatedObjects())
            if (auto* owner = qobject_cast<QMenu*>(shownIn))
                return owner;
        return nullptr;
    }

    QPointer<QAction> action_;
};

QAccessibleInterface* CreateInterface(const QString& className, QObject* object)
{
    if (className == QLatin1String(QAction::staticMetaObject.className())) {
        auto* action = static_cast<QAction*>(object);
        return action->isCheckable() && !action->associatedObjects().isEmpty() ? new CheckableEntryInterface(action)
                                                                               : nullptr;
    }
    if (className == QLatin1String(NamedList::staticMetaObject.className())) {
        return new NamedListInterface(static_cast<NamedList*>(object));
    }
    if (className == QLatin1String(TabPanelTab::staticMetaObject.className())) {
        return new PageTabInterface(static_cast<TabPanelTab*>(object));
    }
    if (className == QLatin1String(TabPanelRow::staticMetaObject.className())) {
        return new QAccessibleWidget(static_cast<TabPanelRow*>(object), QAccessible::PageTabList);
    }
    if (className == QLatin1String(LinkLabel::staticMetaObject.className())) {
        return new LinkInterface(static_cast<LinkLabel*>(object));
    }
    if (className == QLatin1String(NoticeLabel::staticMetaObject.className())) {
        return new NoticeInterface(static_cast<NoticeLabel*>(object));
    }
    if (className == QLatin1String("QSplitterHandle") && static_cast<QWidget*>(object)->focusPolicy() != Qt::NoFocus) {
        // A divider that takes the focus is heard as one ("separator"), not as an unknown object.
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Separator);
    }
    return nullptr;
}

} // namespace

void InstallAccessibleInterfaces()
{
    static const bool installed = [] {
        QAccessible::installFactory(&CreateInterface);
        return true;
    }();
    (void)installed;
}

NamedList::NamedList(QWidget* parent)
    : QComboBox(parent)
{
    InstallAccessibleInterfaces();
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
