// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QSize>
#include <QString>

#include <optional>

class QMainWindow;
class QSettings;

namespace tessaline {

// Keeps a window as tall as what it shows needs at the width it has, so that no line of it is ever cut off
// and no box squeezed, growing and shrinking back as lines come and go. A size the user gives the window
// stands (it grows past it only where it must) and is remembered in the settings, when there are any, under
// `key` for the next run.
class WindowFit : public QObject
{
    Q_OBJECT

public:
    WindowFit(QMainWindow* window, QSettings* settings, QString key);

    // What the window shows changed: its height follows.
    void fit();
    // The height the window's contents need at a width.
    int neededHeight(int width) const;
    // The size the user gave the window, if any.
    std::optional<QSize> userSize() const { return userSize_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QMainWindow* window_;
    QSettings* settings_;
    QString key_;
    std::optional<QSize> userSize_;
    QSize fitted_; // the size the fit last gave the window
    bool fitting_ = false;
};

} // namespace tessaline
