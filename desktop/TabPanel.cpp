// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/TabPanel.h"

#include "desktop/AccessibleInterfaces.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QButtonGroup>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLayout>
#include <QPushButton>
#include <QShortcut>
#include <QStackedWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace tessaline {

namespace {

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

} // namespace

TabPanel::TabPanel(int tabsPerRow, QWidget* parent)
    : QWidget(parent)
    , tabsPerRow_(tabsPerRow > 0 ? tabsPerRow : 1)
    , tabArea_(new TabPanelRow(this))
    , group_(new QButtonGroup(this))
    , pages_(new QStackedWidget(this))
    , fitLater_(new QTimer(this))
{
    fitLater_->setSingleShot(true);
    fitLater_->setInterval(0);
    connect(fitLater_, &QTimer::timeout, this, &TabPanel::fitPagesToTheirLines);
    AddAccessibleInterface(TabPanelTab::staticMetaObject, [](QObject* object) -> QAccessibleInterface* {
        return new PageTabInterface(static_cast<TabPanelTab*>(object));
    });
    AddAccessibleInterface(TabPanelRow::staticMetaObject, [](QObject* object) -> QAccessibleInterface* {
        return new QAccessibleWidget(static_cast<TabPanelRow*>(object), QAccessible::PageTabList);
    });
    auto* grid = new QGridLayout(tabArea_);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(2);
    pages_->setFrameShape(QFrame::StyledPanel);
    // Tabs look like tabs: the one in front is dark and bold, the focused one carries a gold edge.
    tabArea_->setStyleSheet(QStringLiteral(
        "QPushButton { padding: 0.3em 0.8em; border: 1px solid #a08070; border-bottom: none;"
        " border-top-left-radius: 5px; border-top-right-radius: 5px; background: #efe6e0; color: #3f2b23; }"
        "QPushButton:hover { background: #f7efe9; }"
        "QPushButton:checked { background: #3f2b23; color: white; font-weight: bold; }"
        "QPushButton:focus { border: 2px solid #d9a441; border-bottom: none; }"));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(tabArea_);
    layout->addWidget(pages_, 1);
    pages_->installEventFilter(this);

    group_->setExclusive(true);
    connect(group_, &QButtonGroup::idClicked, this, &TabPanel::setCurrentIndex);

    const auto step = [this](int by) {
        if (count() > 0) {
            setCurrentIndex((currentIndex() + by + count()) % count());
        }
    };
    for (const QKeySequence& next : {QKeySequence(Qt::CTRL | Qt::Key_Tab), QKeySequence(Qt::CTRL | Qt::Key_PageDown)}) {
        auto* shortcut = new QShortcut(next, this, nullptr, nullptr, Qt::WidgetWithChildrenShortcut);
        connect(shortcut, &QShortcut::activated, this, [step] { step(1); });
    }
    // Ctrl+Shift+Tab comes as Backtab with or without the Shift that made it, or as Shift+Tab, by platform; a
    // keyboard matching two of them makes the press ambiguous, which goes back all the same (one step per press).
    for (const QKeySequence& previous :
         {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), QKeySequence(Qt::CTRL | Qt::Key_Backtab),
          QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab), QKeySequence(Qt::CTRL | Qt::Key_PageUp)}) {
        auto* shortcut = new QShortcut(previous, this, nullptr, nullptr, Qt::WidgetWithChildrenShortcut);
        connect(shortcut, &QShortcut::activated, this, [step] { step(-1); });
        connect(shortcut, &QShortcut::activatedAmbiguously, this, [step] { step(-1); });
    }
}

int TabPanel::addTab(QWidget* page, const QString& caption)
{
    const int index = count();
    auto* tab = new TabPanelTab(caption, tabArea_);
    tab->setObjectName(QStringLiteral("tab_%1").arg(index));
    tab->setCheckable(true);
    tab->setAutoDefault(false);
    tab->setAccessibleName(caption);
    tab->setFocusPolicy(index == 0 ? Qt::StrongFocus : Qt::ClickFocus);
    tab->installEventFilter(this);
    tab->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    static_cast<QGridLayout*>(tabArea_->layout())->addWidget(tab, index / tabsPerRow_, index % tabsPerRow_);
    group_->addButton(tab, index);
    tabs_.push_back(tab);
    pages_->addWidget(page);
    page->installEventFilter(this); // a line that came or went: the page's height follows
    if (index == 0) {
        tab->setChecked(true);
    }
    return index;
}

int TabPanel::currentIndex() const
{
    return pages_->currentIndex();
}

QWidget* TabPanel::widget(int index) const
{
    return pages_->widget(index);
}

QPushButton* TabPanel::tabButton(int index) const
{
    return index >= 0 && index < count() ? tabs_[static_cast<std::size_t>(index)] : nullptr;
}

QString TabPanel::tabText(int index) const
{
    const QPushButton* tab = tabButton(index);
    return tab != nullptr ? tab->text() : QString();
}

void TabPanel::setCurrentIndex(int index)
{
    if (index < 0 || index >= count()) {
        return;
    }
    const int previous = currentIndex();
    TabPanelTab* const tab = tabs_[static_cast<std::size_t>(index)];
    const bool focusOnATab = tabArea_->isAncestorOf(QApplication::focusWidget());
    tab->setChecked(true);
    // Only the tab in front is a tab stop, and it keeps the focus when the tabs change under it.
    for (TabPanelTab* each : tabs_) {
        each->setFocusPolicy(each == tab ? Qt::StrongFocus : Qt::ClickFocus);
    }
    if (focusOnATab) {
        tab->setFocus(Qt::OtherFocusReason);
    }
    if (previous == index) {
        return;
    }
    pages_->setCurrentIndex(index);
    QAccessible::State selection;
    selection.selected = true;
    for (const int changed : {previous, index}) {
        if (changed >= 0) {
            QAccessibleStateChangeEvent event(tabs_[static_cast<std::size_t>(changed)], selection);
            QAccessible::updateAccessibility(&event);
        }
    }
    emit currentChanged(index);
}

void TabPanel::fitPagesToTheirLines()
{
    // A stack of pages asks only their least sizes, which know nothing of wrapped lines: each page is kept
    // at least as tall as its lines need at the width it has, so that no line is cut.
    const int width = pages_->contentsRect().width();
    for (int i = 0; i < pages_->count(); ++i) {
        QWidget* page = pages_->widget(i);
        if (QLayout* layout = page->layout(); layout != nullptr && layout->hasHeightForWidth()) {
            const int least = layout->minimumHeightForWidth(width);
            if (least != page->minimumHeight())
                page->setMinimumHeight(least);
        }
    }
}

bool TabPanel::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == pages_ && event->type() == QEvent::Resize)
        fitPagesToTheirLines();
    else if (event->type() == QEvent::LayoutRequest && pages_->indexOf(static_cast<QWidget*>(watched)) >= 0)
        fitLater_->start(); // however many pages ask at once, they are fitted once
    if (event->type() != QEvent::KeyPress) {
        return QWidget::eventFilter(watched, event);
    }
    const auto found = std::find(tabs_.begin(), tabs_.end(), watched);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (found == tabs_.end() || (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) {
        return QWidget::eventFilter(watched, event);
    }
    const int from = static_cast<int>(found - tabs_.begin());
    const int forward = isRightToLeft() ? -1 : 1;
    int to = 0;
    switch (key->key()) {
    case Qt::Key_Left:
        to = from - forward;
        break;
    case Qt::Key_Right:
        to = from + forward;
        break;
    case Qt::Key_Up:
        to = from - tabsPerRow_;
        break;
    case Qt::Key_Down:
        to = from + tabsPerRow_;
        break;
    case Qt::Key_Home:
        to = 0;
        break;
    case Qt::Key_End:
        to = count() - 1;
        break;
    default:
        return QWidget::eventFilter(watched, event);
    }
    setCurrentIndex(to); // past the first or last tab nothing moves, as in a tab bar
    return true;
}

} // namespace tessaline
