// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPushButton>
#include <QTimer>
#include <QWidget>

#include <vector>

class QButtonGroup;
class QStackedWidget;

namespace tessaline {

// One tab of a TabPanel (a screen reader hears a page tab, selected or not).
class TabPanelTab : public QPushButton
{
    Q_OBJECT

public:
    using QPushButton::QPushButton;
};

// The rows of tabs of a TabPanel (a screen reader hears one tab list).
class TabPanelRow : public QWidget
{
    Q_OBJECT

public:
    using QWidget::QWidget;
};

// A tab control whose tabs stand in rows (a fixed number per row) above one stack of pages. As in a tab
// bar, the tab in front is the one tab stop: Tab reaches it, Left and Right (Up and Down: the row above or
// below, Home and End: the first and last) move to another tab and bring its page to the front, and
// Ctrl+Tab / Ctrl+PgDown and Ctrl+Shift+Tab / Ctrl+PgUp do the same from anywhere in the panel.
class TabPanel : public QWidget
{
    Q_OBJECT

public:
    explicit TabPanel(int tabsPerRow, QWidget* parent = nullptr);

    int addTab(QWidget* page, const QString& caption);
    int count() const noexcept { return static_cast<int>(tabs_.size()); }
    int currentIndex() const;
    QWidget* widget(int index) const;
    QPushButton* tabButton(int index) const;
    QString tabText(int index) const;
    // The rows of tabs, which a screen reader names (give it the name of the panel).
    QWidget* tabList() const noexcept { return tabArea_; }

public slots:
    void setCurrentIndex(int index);

signals:
    void currentChanged(int index);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void fitPagesToTheirLines();

    int tabsPerRow_;
    TabPanelRow* tabArea_;
    QButtonGroup* group_;
    QStackedWidget* pages_;
    QTimer* fitLater_; // fits the pages once the event loop has laid out a page that asked for it
    std::vector<TabPanelTab*> tabs_;
};

} // namespace tessaline
