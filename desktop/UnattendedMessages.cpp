// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/UnattendedMessages.h"

#include <QByteArray>

#include <cstdio>

namespace tessaline {

MessagePresenter::Answer UnattendedPresenter::present(QWidget*, MessageIcon, const QString& text, Buttons buttons)
{
    // Messages join their lines with a carriage return, which would overwrite the line on a terminal.
    QString lines = text;
    lines.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    const QByteArray out = (kApplicationTitle + QStringLiteral(": ") + lines + QLatin1Char('\n')).toLocal8Bit();
    std::fwrite(out.constData(), 1, static_cast<std::size_t>(out.size()), stderr);
    std::fflush(stderr);
    return buttons == Buttons::YesNo ? Answer::No : Answer::Ok;
}

void UseUnattendedMessagesIfAsked()
{
    static UnattendedPresenter presenter;
    if (!qEnvironmentVariableIsEmpty(kUnattendedVariable)) {
        SetMessagePresenter(&presenter);
    }
}

} // namespace tessaline
