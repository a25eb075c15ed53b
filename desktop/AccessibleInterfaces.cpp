// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/AccessibleInterfaces.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QAction>
#include <QActionGroup>
#include <QHash>
#include <QMenu>
#include <QPointer>

namespace tessaline {

namespace {

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

// The makers by the name of the class each reads.
QHash<QString, AccessibleMaker>& Makers()
{
    static QHash<QString, AccessibleMaker> makers;
    return makers;
}

QAccessibleInterface* CreateInterface(const QString& className, QObject* object)
{
    const auto found = Makers().constFind(className);
    return found == Makers().cend() ? nullptr : (*found)(object);
}

QAccessibleInterface* MakeMenuEntryInterface(QObject* object)
{
    auto* action = static_cast<QAction*>(object);
    return action->isCheckable() && !action->associatedObjects().isEmpty() ? new CheckableEntryInterface(action)
                                                                           : nullptr;
}

QAccessibleInterface* MakeDividerInterface(QObject* object)
{
    // A divider that takes the focus is heard as one ("separator"), not as an unknown object.
    auto* divider = static_cast<QWidget*>(object);
    return divider->focusPolicy() != Qt::NoFocus ? new QAccessibleWidget(divider, QAccessible::Separator) : nullptr;
}

} // namespace

void InstallAccessibleInterfaces()
{
    static const bool installed = [] {
        Makers().insert(QLatin1String(QAction::staticMetaObject.className()), &MakeMenuEntryInterface);
        Makers().insert(QStringLiteral("QSplitterHandle"), &MakeDividerInterface);
        QAccessible::installFactory(&CreateInterface);
        return true;
    }();
    (void)installed;
}

void AddAccessibleInterface(const QMetaObject& type, AccessibleMaker make)
{
    InstallAccessibleInterfaces();
    const QString className = QLatin1String(type.className());
    if (!Makers().contains(className))
        Makers().insert(className, make);
}

QString WithoutAccelerator(QString text)
{
    for (qsizetype at = text.indexOf(QLatin1Char('&')); at >= 0 && at < text.size();
         at = text.indexOf(QLatin1Char('&'), at + 1)) {
        text.remove(at, 1);
    }
    return text;
}

} // namespace tessaline
