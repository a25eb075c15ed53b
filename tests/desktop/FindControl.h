// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ephemeris/PreciseEphemeris.h"

#include <QAction>
#include <QComboBox>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

#include <memory>
#include <stdexcept>
#include <string>
#include <type_traits>

namespace tessaline::testing {

// The windows keep their controls private; a test finds each by its object name, the name the design gives it.
inline const QObject* ObjectOf(const QObject* object)
{
    return object;
}
inline const QObject* ObjectOf(const QObject& object)
{
    return &object;
}
template <typename W> const QObject* ObjectOf(const std::unique_ptr<W>& object)
{
    return object.get();
}
template <typename W> const QObject* ObjectOf(const QPointer<W>& object)
{
    return object.data();
}

// The one control of `owner` named `name`, as a T. None, or several, throws, which fails a test and stops it.
template <typename T, typename Owner> T* Child(const Owner& owner, const QString& name)
{
    const QObject* root = ObjectOf(owner);
    const QList<T*> found = root != nullptr ? root->template findChildren<T*>(name) : QList<T*>();
    if (found.size() != 1) {
        throw std::logic_error("controls named " + name.toStdString()
                               + " of the expected type: " + std::to_string(found.size()) + " instead of one");
    }
    return found.front();
}

template <typename T, typename Owner> T* Child(const Owner& owner, const char* name)
{
    return Child<T>(owner, QString(QLatin1String(name)));
}

// An element of a control array: ("lblPosition", 3) is lblPosition_3.
template <typename T, typename Owner, typename Index> T* Child(const Owner& owner, const char* name, Index index)
{
    if constexpr (std::is_enum_v<Index>)
        return Child<T>(owner, QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(static_cast<int>(index)));
    else
        return Child<T>(owner, QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(index));
}

// Selects the entry of `list` that reads `text`.
inline void SelectText(QComboBox* list, const QString& text)
{
    list->setCurrentIndex(list->findText(text));
}

// Options › Zodiac › the sidereal entry of one ayanamsa.
template <typename Owner> QAction* SiderealEntry(const Owner& owner, Ayanamsa ayanamsa)
{
    return Child<QAction>(owner, QStringLiteral("mnuSidereal_") + QLatin1String(AyanamsaKey(ayanamsa)));
}

} // namespace tessaline::testing
