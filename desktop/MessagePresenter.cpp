// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/MessagePresenter.h"

#include <QMessageBox>

namespace tessaline {

namespace {

class BoxPresenter final : public MessagePresenter
{
public:
    Answer present(QWidget* parent, MessageIcon icon, const QString& text, Buttons buttons) override
    {
        // A message may break its lines with a bare carriage return, which a box on this desktop would run
        // together; show it as the line break it stands for.
        QString shown = text;
        shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
        QMessageBox box(icon == MessageIcon::Critical ? QMessageBox::Critical : QMessageBox::Information,
                        kApplicationTitle, shown,
                        buttons == Buttons::YesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok, parent);
        box.setTextInteractionFlags(Qt::TextSelectableByMouse); // a file name or an address can be copied
        const int pressed = box.exec();
        if (buttons == Buttons::Ok) {
            return Answer::Ok;
        }
        return pressed == QMessageBox::Yes ? Answer::Yes : Answer::No;
    }
};

MessagePresenter* installed = nullptr;

} // namespace

MessagePresenter& Messages()
{
    static BoxPresenter boxes;
    return installed != nullptr ? *installed : boxes;
}

void SetMessagePresenter(MessagePresenter* presenter) noexcept
{
    installed = presenter;
}

MessageIcon IconFor(const ValidationFailure& failure) noexcept
{
    constexpr int kFirstDateCheck = 6; // "Please Enter Correct Date Or Month!" and the same for a day past the month
    return failure.check >= kFirstDateCheck ? MessageIcon::Information : MessageIcon::Critical;
}

MessagePresenter::Answer ShowMessage(QWidget* parent, MessageIcon icon, const QString& text,
                                     MessagePresenter::Buttons buttons)
{
    return Messages().present(parent, icon, text, buttons);
}

} // namespace tessaline
