// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/FormControls.h"

#include "desktop/AccessibleControls.h"
#include "desktop/FilteredLineEdit.h"

#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QWidget>

namespace tessaline {

namespace {

// Takes a frame's Alt letter (a shortcut event on the frame) to one control.
class MnemonicTarget : public QObject
{
public:
    MnemonicTarget(QGroupBox* frame, QWidget* target)
        : QObject(frame)
        , target_(target)
    {
        frame->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Shortcut) {
            target_->setFocus(Qt::ShortcutFocusReason);
            return true;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QWidget* target_;
};

} // namespace

void LandOnMnemonic(QGroupBox* frame, QWidget* target)
{
    new MnemonicTarget(frame, target);
}

// Runs every character of an entry through one of the core's key filters; nothing if any is rejected.
std::optional<QString> FilterEntry(const QString& incoming, std::optional<char> (*filter)(char) noexcept)
{
    QString result;
    result.reserve(incoming.size());
    for (const QChar c : incoming) {
        if (c.unicode() > 127) {
            return std::nullopt;
        }
        const std::optional<char> kept = filter(static_cast<char>(c.unicode()));
        if (!kept) {
            return std::nullopt;
        }
        result.append(QLatin1Char(*kept));
    }
    return result;
}

QComboBox* ChoiceList(const char* name, const QString& accessibleName, QWidget* parent)
{
    auto* list = new NamedList(parent);
    list->setObjectName(QLatin1String(name));
    list->setAccessibleName(accessibleName);
    return list;
}

FilteredLineEdit* CoordinateBox(const char* name, const QString& accessibleName, int maxLength, QWidget* parent)
{
    auto* box = new FilteredLineEdit(parent);
    box->setObjectName(QLatin1String(name));
    box->setMaxLength(maxLength);
    box->setAccessibleName(accessibleName);
    box->setAlignment(Qt::AlignRight);
    box->setFixedWidth(box->fontMetrics().horizontalAdvance(QLatin1Char('0')) * 5 + 16);
    return box;
}

QPushButton* MainActionButton(const char* name, const QString& text, QWidget* parent)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QLatin1String(name));
    button->setAccessibleName(text);
    button->setDefault(true);
    QFont bold = button->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.2);
    button->setFont(bold);
    button->setMinimumHeight(button->sizeHint().height() * 3 / 2);
    return button;
}

QLabel* Caption(const char* name, const QString& text, QWidget* buddy, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setBuddy(buddy);
    return label;
}

void AddNumbers(QComboBox* list, int first, int last)
{
    for (int n = first; n <= last; ++n) {
        list->addItem(QString::number(n));
    }
}

QRadioButton* OptionButton(const char* name, int index, const QString& text)
{
    auto* button = new QRadioButton(text);
    button->setObjectName(QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(index));
    button->setAccessibleName(QString(text).remove(QLatin1Char('&')));
    return button;
}

namespace {

// Tab or Shift+Tab into a pair of options lands on the one chosen, so that a screen reader says "South,
// checked" where South is chosen; the arrow keys still move between them.
class ChosenOptionFocus final : public QObject
{
public:
    ChosenOptionFocus(const std::array<QRadioButton*, 2>& options, QObject* parent)
        : QObject(parent)
        , options_(options)
    {
        for (QRadioButton* option : options_)
            option->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::FocusIn)
            return false;
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        QRadioButton* other = watched == options_[0] ? options_[1] : options_[0];
        if ((reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason)
            && !static_cast<QRadioButton*>(watched)->isChecked() && other->isChecked())
            other->setFocus(reason);
        return false;
    }

private:
    std::array<QRadioButton*, 2> options_;
};

} // namespace

QGroupBox* CoordinateFrame(QWidget* parent, const char* name, const QString& title, FilteredLineEdit* degrees,
                           QLabel* degreesCaption, FilteredLineEdit* minutes, QLabel* minutesCaption,
                           const std::array<QRadioButton*, 2>& options)
{
    auto* frame = new QGroupBox(title, parent);
    frame->setObjectName(QLatin1String(name));
    for (QWidget* w :
         {static_cast<QWidget*>(degrees), static_cast<QWidget*>(degreesCaption), static_cast<QWidget*>(minutes),
          static_cast<QWidget*>(minutesCaption), static_cast<QWidget*>(options[0]), static_cast<QWidget*>(options[1])})
        w->setParent(frame);
    auto* grid = new QGridLayout(frame);
    grid->addWidget(degrees, 0, 0);
    grid->addWidget(degreesCaption, 0, 1);
    grid->addWidget(minutes, 0, 2);
    grid->addWidget(minutesCaption, 0, 3);
    grid->addWidget(options[0], 1, 0, 1, 2);
    grid->addWidget(options[1], 1, 2, 1, 2);
    grid->setColumnStretch(4, 1);
    LandOnMnemonic(frame, degrees);
    new ChosenOptionFocus(options, frame);
    return frame;
}

void SetReadingOrder(std::initializer_list<QWidget*> order)
{
    QWidget* previous = nullptr;
    for (QWidget* next : order) {
        if (previous != nullptr)
            QWidget::setTabOrder(previous, next);
        previous = next;
    }
}

} // namespace tessaline
