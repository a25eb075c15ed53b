// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "desktop/MessagePresenter.h"

namespace tessaline {

// The environment variable that makes the program run unattended: every message goes to standard error,
// prefixed with the application's title, and is answered at once with its safe answer (OK, or No to a
// question) instead of waiting in a box. Scripts and end-to-end tests start the real program this way.
inline constexpr const char* kUnattendedVariable = "TESSALINE_UNATTENDED";

class UnattendedPresenter final : public MessagePresenter
{
public:
    Answer present(QWidget* parent, MessageIcon icon, const QString& text, Buttons buttons) override;
};

// Installs an UnattendedPresenter for the rest of the run when TESSALINE_UNATTENDED is set and not empty.
void UseUnattendedMessagesIfAsked();

} // namespace tessaline
