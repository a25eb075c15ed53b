// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/FilteredLineEdit.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>

#include <memory>
#include <utility>

namespace tessaline {

namespace {

// A key held with Ctrl, Alt or Meta is a command, never text: an Alt+letter that is no shortcut types
// nothing. On Windows AltGr arrives as Ctrl+Alt and does type its character; on macOS Option (Alt) types
// characters too.
bool CommandKey(const QKeyEvent& event)
{
    const Qt::KeyboardModifiers held = event.modifiers();
#if defined(Q_OS_WIN)
    if ((held & Qt::ControlModifier) && (held & Qt::AltModifier) && !(held & Qt::MetaModifier))
        return false;
#elif defined(Q_OS_MACOS)
    if ((held & Qt::AltModifier) && !(held & (Qt::ControlModifier | Qt::MetaModifier)))
        return false;
#endif
    return (held & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) != 0;
}

// Keys that reach the filter: printable text, and Backspace, which the filters know by code. Enter is no
// entry: it goes on to the window, where it calculates.
std::optional<QString> FilterableText(const QKeyEvent& event)
{
    if (CommandKey(event)) {
        return std::nullopt;
    }
    switch (event.key()) {
    case Qt::Key_Backspace:
        return QString(QChar(8));
    default:
        break;
    }
    const QString text = event.text();
    if (text.isEmpty() || !text.at(0).isPrint()) {
        return std::nullopt;
    }
    return text;
}

// Only what can be shown goes into the box: Backspace passes the filters but is a key, not text.
QString Printable(const QString& text)
{
    QString printable;
    printable.reserve(text.size());
    for (const QChar c : text) {
        if (c.isPrint()) {
            printable.append(c);
        }
    }
    return printable;
}

} // namespace

class FilteredLineEdit::OwnEdit
{
public:
    explicit OwnEdit(FilteredLineEdit& box)
        : box_(box)
    {
        ++box_.ownEdits_;
    }
    ~OwnEdit() { --box_.ownEdits_; }
    OwnEdit(const OwnEdit&) = delete;
    OwnEdit& operator=(const OwnEdit&) = delete;

private:
    FilteredLineEdit& box_;
};

FilteredLineEdit::FilteredLineEdit(QWidget* parent)
    : QLineEdit(parent)
{
    connect(this, &QLineEdit::textChanged, this, &FilteredLineEdit::judgeWholeText);
}

QString FilteredLineEdit::textBeforeEntry() const
{
    return text().left(hasSelectedText() ? selectionStart() : cursorPosition());
}

void FilteredLineEdit::judgeWholeText(const QString& text)
{
    if (restoring_) {
        return;
    }
    if (ownEdits_ > 0 || !filter_) {
        kept_ = text; // a key, paste or drop the filter has seen, or an edit that only removes (Delete, Undo)
        return;
    }
    const std::optional<QString> accepted = filter_(text, QString());
    const QString wanted = accepted ? Printable(*accepted) : kept_;
    if (wanted != text) {
        restoring_ = true;
        setText(wanted);
        restoring_ = false;
    }
    kept_ = QLineEdit::text();
}

void FilteredLineEdit::setFilter(Filter filter)
{
    filter_ = std::move(filter);
}

void FilteredLineEdit::insertFiltered(const QString& incoming)
{
    const std::optional<QString> accepted
        = filter_ ? filter_(incoming, textBeforeEntry()) : std::optional<QString>(incoming);
    if (!accepted) {
        return;
    }
    const QString text = Printable(*accepted);
    if (!text.isEmpty()) {
        const OwnEdit own(*this);
        insert(text);
    }
}

void FilteredLineEdit::filteredPaste()
{
    if (isReadOnly()) {
        return;
    }
    insertFiltered(QGuiApplication::clipboard()->text(QClipboard::Clipboard));
}

void FilteredLineEdit::keyPressEvent(QKeyEvent* event)
{
    const OwnEdit own(*this);
    if (event->matches(QKeySequence::Paste)) {
        filteredPaste();
        event->accept();
        return;
    }
    if (CommandKey(*event) && !event->text().isEmpty()) {
        // The box's own commands (select all, undo, word moves) go by the key; the text would be typed.
        QKeyEvent command(event->type(), event->key(), event->modifiers(), QString(), event->isAutoRepeat(),
                          static_cast<quint16>(event->count()));
        QLineEdit::keyPressEvent(&command);
        event->setAccepted(command.isAccepted());
        return;
    }
    const std::optional<QString> typed = FilterableText(*event);
    if (!typed || !filter_) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    const std::optional<QString> accepted = filter_(*typed, textBeforeEntry());
    if (!accepted) {
        event->accept();
        return;
    }
    if (*accepted == *typed) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    QKeyEvent changed(event->type(), event->key(), event->modifiers(), *accepted, event->isAutoRepeat(),
                      static_cast<quint16>(event->count()));
    QLineEdit::keyPressEvent(&changed);
    event->setAccepted(changed.isAccepted());
}

void FilteredLineEdit::inputMethodEvent(QInputMethodEvent* event)
{
    const OwnEdit own(*this);
    if (!event->commitString().isEmpty() && filter_) {
        // A committed composition is text arriving like a paste.
        event->accept();
        insertFiltered(event->commitString());
        return;
    }
    QLineEdit::inputMethodEvent(event);
}

void FilteredLineEdit::contextMenuEvent(QContextMenuEvent* event)
{
    const OwnEdit own(*this); // Undo, Redo, Cut and Delete only go back or take away
    std::unique_ptr<QMenu> menu(createStandardContextMenu());
    for (QAction* action : menu->actions()) {
        if (action->objectName() == QLatin1String("edit-paste")) {
            disconnect(action, &QAction::triggered, nullptr, nullptr);
            connect(action, &QAction::triggered, this, &FilteredLineEdit::filteredPaste);
        }
    }
    menu->exec(event->globalPos());
}

void FilteredLineEdit::mouseReleaseEvent(QMouseEvent* event)
{
    const OwnEdit own(*this);
    // The middle button pastes the selection on desktops that have one.
    if (event->button() == Qt::MiddleButton && QGuiApplication::clipboard()->supportsSelection()) {
        if (!isReadOnly()) {
            insertFiltered(QGuiApplication::clipboard()->text(QClipboard::Selection));
        }
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

void FilteredLineEdit::dropEvent(QDropEvent* event)
{
    if (!filter_ || !event->mimeData()->hasText()) {
        QLineEdit::dropEvent(event);
        return;
    }
    const std::optional<QString> accepted = filter_(event->mimeData()->text(), textBeforeEntry());
    if (!accepted) {
        event->ignore();
        return;
    }
    const OwnEdit own(*this);
    QMimeData filtered;
    filtered.setText(Printable(*accepted));
    QDropEvent changed(event->position(), event->dropAction(), &filtered, event->buttons(), event->modifiers());
    QLineEdit::dropEvent(&changed);
    event->setAccepted(changed.isAccepted());
}

} // namespace tessaline
