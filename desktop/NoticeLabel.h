// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

namespace tessaline {

// A sentence the window raises for the reader's attention, which a screen reader speaks when it appears (a
// notification on the accessibility bus). A warning stands after a warning sign, in a colour that meets the
// contrast of level AA on the window's background, and is heard after "Warning:"; a status (a search that
// found nothing) looks and is heard as it reads. Plain text, wrapped.
class NoticeLabel : public QLabel
{
    Q_OBJECT

public:
    enum class Kind { Warning, Status };

    NoticeLabel(Kind kind, QWidget* parent);

    Kind kind() const noexcept { return kind_; }
    // Shows the sentence, or hides the label when there is none; a changed sentence is announced again.
    void setNotice(const QString& text);
    // What a screen reader speaks: the sentence, after "Warning:" for a warning.
    QString heardText() const;
    // The colour the sentence is drawn in.
    QColor textColour() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Kind kind_;
};

} // namespace tessaline
