// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QAccessibleInterface;
class QObject;
struct QMetaObject;

namespace tessaline {

// The program's one accessibility factory: how each class of control reads to a screen reader. It knows no
// control of the program; each control adds its own reading when it is made.

// Makes the interface a screen reader reads object through; object is of the class it was added for.
using AccessibleMaker = QAccessibleInterface* (*)(QObject* object);

// Installs the factory with Qt, once, with the readings of Qt's own objects the program changes: menu entries
// that can be ticked, and dividers that take the focus. Safe to call any number of times.
void InstallAccessibleInterfaces();

// Installs the factory and has it read every object of exactly the class type (Qt asks for an object's own
// class first, then for each class it derives from) through make. Safe to call any number of times: the first
// maker added for a class is the one kept.
void AddAccessibleInterface(const QMetaObject& type, AccessibleMaker make);

// A control's text as it is heard: without the ampersand that marks its shortcut key ("&Back" reads "Back"; a
// doubled ampersand is one shown ampersand).
QString WithoutAccelerator(QString text);

} // namespace tessaline
