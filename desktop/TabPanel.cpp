#include "desktop/TabPanel.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QShortcut>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace tessaline {

TabPanel::TabPanel(int tabsPerRow, QWidget* parent)
    : QWidget(parent)
    , tabsPerRow_(tabsPerRow > 0 ? tabsPerRow : 1)
    , tabArea_(new QWidget(this))
    , group_(new QButtonGroup(this))
    , pages_(new QStackedWidget(this))
{
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
    for (const QKeySequence& previous :
         {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), QKeySequence(Qt::CTRL | Qt::Key_PageUp)}) {
        auto* shortcut = new QShortcut(previous, this, nullptr, nullptr, Qt::WidgetWithChildrenShortcut);
        connect(shortcut, &QShortcut::activated, this, [step] { step(-1); });
    }
}

int TabPanel::addTab(QWidget* page, const QString& caption)
{
    const int index = count();
    auto* tab = new QPushButton(caption, tabArea_);
    tab->setObjectName(QStringLiteral("tab_%1").arg(index));
    tab->setCheckable(true);
    tab->setAutoDefault(false);
    tab->setAccessibleName(caption);
    tab->setAccessibleDescription(tr("Tab %1 of the results").arg(caption));
    tab->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    static_cast<QGridLayout*>(tabArea_->layout())->addWidget(tab, index / tabsPerRow_, index % tabsPerRow_);
    group_->addButton(tab, index);
    tabs_.push_back(tab);
    pages_->addWidget(page);
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
    tabs_[static_cast<std::size_t>(index)]->setChecked(true);
    if (pages_->currentIndex() != index) {
        pages_->setCurrentIndex(index);
        emit currentChanged(index);
    }
}

} // namespace tessaline
