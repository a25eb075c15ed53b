#pragma once

#include <QWidget>

#include <vector>

class QButtonGroup;
class QPushButton;
class QStackedWidget;

namespace tessaline {

// A tab control whose tabs stand in rows (a fixed number per row) above one stack of pages. Clicking a tab,
// or Ctrl+Tab / Ctrl+PgDown and Ctrl+Shift+Tab / Ctrl+PgUp, brings its page to the front.
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

public slots:
    void setCurrentIndex(int index);

signals:
    void currentChanged(int index);

private:
    int tabsPerRow_;
    QWidget* tabArea_;
    QButtonGroup* group_;
    QStackedWidget* pages_;
    std::vector<QPushButton*> tabs_;
};

} // namespace tessaline
