// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <array>
#include <initializer_list>
#include <optional>

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QWidget;

namespace tessaline {

class FilteredLineEdit;

// The birth data window's kinds of control, made alike: the control's object name is its given name.

// A choose-only list, heard by its name and choice.
QComboBox* ChoiceList(const char* name, const QString& accessibleName, QWidget* parent);
// A box for the digits of a coordinate, at most maxLength of them.
FilteredLineEdit* CoordinateBox(const char* name, const QString& accessibleName, int maxLength, QWidget* parent);
// The window's main action: bold, larger and taller than other buttons, the default button.
QPushButton* MainActionButton(const char* name, const QString& text, QWidget* parent);
// A caption whose Alt letter moves to buddy.
QLabel* Caption(const char* name, const QString& text, QWidget* buddy, QWidget* parent);
// One of an option pair, named "name_index" ("optLong_0").
QRadioButton* OptionButton(const char* name, int index, const QString& text);
// A frame's Alt letter lands on target, whichever of its controls was used last.
void LandOnMnemonic(QGroupBox* frame, QWidget* target);
// A coordinate's frame: degrees and minutes with their captions, the two hemispheres under them; its Alt
// letter lands on the degrees.
QGroupBox* CoordinateFrame(QWidget* parent, const char* name, const QString& title, FilteredLineEdit* degrees,
                           QLabel* degreesCaption, FilteredLineEdit* minutes, QLabel* minutesCaption,
                           const std::array<QRadioButton*, 2>& options);
// The numbers first..last, as the list's items.
void AddNumbers(QComboBox* list, int first, int last);
// The Tab key's order through the controls, as they are read.
void SetReadingOrder(std::initializer_list<QWidget*> order);

// Runs every character of an entry through one of the core's key filters; nothing if any is rejected.
std::optional<QString> FilterEntry(const QString& incoming, std::optional<char> (*filter)(char) noexcept);

} // namespace tessaline
