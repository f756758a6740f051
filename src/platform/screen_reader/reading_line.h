// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QWidget>

namespace tarvo::platform {

// What a braille display shows of a window between its messages: one line of text, with the
// display's cursor in it. A screen reader builds its line from the object with the focus, so
// this one has the window's focus from the start; it draws nothing and lets the mouse through.
class ReadingLine final : public QWidget {
    Q_OBJECT
public:
    explicit ReadingLine(QWidget* parent);

    const QString& text() const { return text_; }
    int caret() const { return caret_; }
    // The new line, read from now on; a screen reader shows it once told with showAnew().
    void setLine(const QString& text, int caret);
    // Has a screen reader build its line anew from this one, and say nothing of it.
    void showAnew();

private:
    QString text_;
    int caret_ = 0;
};

}  // namespace tarvo::platform
