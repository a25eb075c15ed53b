// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QComboBox>
#include <QPlainTextEdit>

namespace tessaline {

// A choose-only list that a screen reader announces by its accessible name ("Day of birth") with the
// chosen item as its value. (Qt on Linux announces a list by its current item alone: "1".)
class NamedList : public QComboBox
{
    Q_OBJECT

public:
    explicit NamedList(QWidget* parent = nullptr);
};

// A multi-line text the user can scroll and select but never change: keys, pastes, drops and assistive
// tools that write text all leave it as the program set it.
class LockedTextBox : public QPlainTextEdit
{
    Q_OBJECT

public:
    explicit LockedTextBox(QWidget* parent = nullptr);

    void setLockedText(const QString& text);

private:
    void restoreLockedText();

    QString locked_;
    bool restoring_ = false;
};

} // namespace tessaline
