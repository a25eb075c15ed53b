// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "chart/BirthData.h"

#include <QString>

class QWidget;

namespace tessaline {

// The box's icon: the program's choice of how a message looks.
enum class MessageIcon { Information, Critical };

// The icon of a failed form or calculation: the date checks inform, the others are errors.
MessageIcon IconFor(const ValidationFailure& failure) noexcept;

// Every modal message of the program goes through one presenter, so tests can record the messages and
// script the answers instead of clicking real boxes.
class MessagePresenter
{
public:
    enum class Buttons { Ok, YesNo };
    enum class Answer { Ok, Yes, No };

    virtual ~MessagePresenter() = default;
    virtual Answer present(QWidget* parent, MessageIcon icon, const QString& text, Buttons buttons) = 0;
};

inline const QString kApplicationTitle = QStringLiteral("QB Tessaline");

// The presenter in use; a QMessageBox titled "QB Tessaline" unless another one was installed.
MessagePresenter& Messages();

// Installs a presenter (not owned); nullptr restores the message boxes.
void SetMessagePresenter(MessagePresenter* presenter) noexcept;

// Shorthand for Messages().present(...).
MessagePresenter::Answer ShowMessage(QWidget* parent, MessageIcon icon, const QString& text,
                                     MessagePresenter::Buttons buttons = MessagePresenter::Buttons::Ok);

} // namespace tessaline
