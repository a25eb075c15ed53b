// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLineEdit>

#include <functional>
#include <optional>

namespace tessaline {

// A text box whose every entry passes one filter: typed keys, pastes (keyboard, context menu, middle
// button), drops and input-method commits. The filter gets the incoming text and the text in front of it,
// and returns what to insert, or nothing to discard the entry whole. Text that arrives any other way
// (setText, a screen reader or other assistive tool) passes the same filter as one whole entry; when it
// is refused the box keeps the text it had. A key held with Ctrl, Alt or Meta never types, filter or none.
class FilteredLineEdit : public QLineEdit
{
    Q_OBJECT

public:
    using Filter = std::function<std::optional<QString>(const QString& incoming, const QString& before)>;

    explicit FilteredLineEdit(QWidget* parent = nullptr);

    void setFilter(Filter filter);

    // Pastes the clipboard's text through the filter.
    void filteredPaste();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // Marks the edits the box makes itself while it handles an event the filter has already judged.
    class OwnEdit;

    void insertFiltered(const QString& incoming);
    QString textBeforeEntry() const;
    void judgeWholeText(const QString& text);

    Filter filter_;
    QString kept_; // the text as last accepted
    int ownEdits_ = 0;
    bool restoring_ = false;
};

} // namespace tessaline
