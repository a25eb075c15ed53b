// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/WindowFit.h"

#include <QEvent>
#include <QLayout>
#include <QMainWindow>
#include <QResizeEvent>
#include <QSettings>

#include <algorithm>
#include <utility>

namespace tessaline {

WindowFit::WindowFit(QMainWindow* window, QSettings* settings, QString key)
    : QObject(window)
    , window_(window)
    , settings_(settings)
    , key_(std::move(key))
{
    if (settings_ != nullptr) {
        const QSize stored = settings_->value(key_).toSize();
        if (stored.isValid() && !stored.isEmpty())
            userSize_ = stored;
    }
    const int width
        = std::max(userSize_ ? userSize_->width() : window_->sizeHint().width(), window_->minimumSizeHint().width());
    fitted_ = QSize(width, window_->height());
    window_->resize(fitted_);
    fit();
    window_->installEventFilter(this);
}

int WindowFit::neededHeight(int width) const
{
    int height = 0;
    if (const QWidget* central = window_->centralWidget(); central != nullptr && central->layout() != nullptr) {
        const QLayout* layout = central->layout();
        // What stands beside the form (a dock) keeps its width as the window's changes: the form has the rest.
        const int beside = std::max(0, window_->width() - central->width());
        const int own = std::max(width - beside, layout->totalMinimumSize().width());
        height = layout->hasHeightForWidth() ? layout->totalHeightForWidth(own) : layout->totalSizeHint().height();
        height = std::max(height, layout->totalMinimumSize().height());
    }
    if (const QWidget* menu = window_->menuWidget(); menu != nullptr && !menu->isHidden()) {
        const int menuHeight = menu->heightForWidth(width);
        height += menuHeight > 0 ? menuHeight : menu->sizeHint().height();
    }
    return height;
}

void WindowFit::fit()
{
    if (fitting_)
        return;
    fitting_ = true;
    // Lay the contents out now, not when the event loop comes round: a line that came or went counts at once.
    if (window_->layout() != nullptr)
        window_->layout()->activate(); // a dock shown or hidden takes or gives back its width first
    if (QWidget* central = window_->centralWidget(); central != nullptr && central->layout() != nullptr)
        central->layout()->activate();
    const int needed = neededHeight(window_->width());
    window_->setMinimumHeight(needed);
    const int wanted = std::max(needed, userSize_ ? userSize_->height() : 0);
    if (window_->height() != wanted) {
        fitted_ = QSize(window_->width(), wanted);
        window_->resize(fitted_);
    }
    fitting_ = false;
}

bool WindowFit::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != window_)
        return QObject::eventFilter(watched, event);
    if (event->type() == QEvent::Resize && !fitting_) {
        const auto* resized = static_cast<QResizeEvent*>(event);
        if (resized->size() != fitted_) {
            userSize_ = resized->size(); // not the fit's doing: the user's
            fitted_ = resized->size();
            if (resized->size().width() != resized->oldSize().width()) {
                // Lines wrap anew at the new width: the least height follows them.
                fitting_ = true;
                window_->setMinimumHeight(neededHeight(resized->size().width()));
                fitted_ = window_->size();
                fitting_ = false;
            }
        }
    } else if (event->type() == QEvent::Show || event->type() == QEvent::FontChange
               || event->type() == QEvent::StyleChange) {
        fit(); // the style and the fonts the window is shown with may wrap its lines anew
    } else if ((event->type() == QEvent::Hide || event->type() == QEvent::Close) && userSize_ && settings_ != nullptr) {
        settings_->setValue(key_, *userSize_);
    }
    return QObject::eventFilter(watched, event);
}

} // namespace tessaline
