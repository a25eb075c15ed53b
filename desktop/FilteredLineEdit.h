#pragma once

#include <QLineEdit>

#include <functional>
#include <optional>

namespace tessaline {

// A text box whose every entry passes one filter: typed keys, pastes (keyboard, context menu, middle
// button), drops and input-method commits. The filter gets the incoming text and the text in front of it,
// and returns what to insert, or nothing to discard the entry whole.
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
    void insertFiltered(const QString& incoming);
    QString textBeforeEntry() const;

    Filter filter_;
};

} // namespace tessaline
