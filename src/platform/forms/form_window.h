// SPDX-License-Identifier: MIT
// The toolkit's side of a form: private to src/platform/.
#pragma once

#include "platform/forms/client_area.h"
#include "platform/forms/form.h"
#include "platform/services/run_time_error.h"

#include <QWidget>

#include <cstdint>
#include <string>
#include <vector>

class QMenuBar;
class QPushButton;
class QVBoxLayout;

namespace tarvo::platform {

class ClickElsewhere;
class InputBlock;
class KeyArrivals;
class KeyPreview;
class MessageBar;
class ReadingLine;

class FormWindow final : public QWidget {
    Q_OBJECT
public:
    explicit FormWindow(const FormSpec& spec);

    ClientArea* clientArea() const { return client_; }
    QMenuBar* menuBar();
    void setCloseHandler(Handler handler) { close_ = handler; }
    void setKeyDownHandler(KeyDownHandler handler, KeyRepeat repeat);
    void setClickElsewhereHandler(Handler handler);
    // The button that Return, Enter and Space press, which takes no focus.
    void setDefaultButton(QPushButton* button);
    MessageBar& messages();
    // The line a braille display shows between messages; it has the focus from the start.
    void addReadingLine(const QRect& where);
    ReadingLine* readingLine() const { return line_; }
    // A key was pressed in the window, and reached the program at that monotonic time in ms.
    void keyPressed(std::int64_t arrived);
    std::vector<std::string> untoldMessages() const;
    // The keys the window system sent, as the program noted them; nullptr: none are noted.
    KeyArrivals* keyArrivals() const { return keys_; }
    void setKeyArrivals(KeyArrivals* keys) { keys_ = keys; }

    // After unloading the window is hidden, its timers stopped and its handlers silent.
    void unload();
    bool isUnloaded() const { return unloaded_; }

    void setInputBlocked(bool blocked);
    bool isInputBlocked() const { return block_ != nullptr; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void raiseClose();

    QVBoxLayout* layout_;
    ClientArea* client_;
    QMenuBar* menuBar_ = nullptr;
    MessageBar* messages_ = nullptr;
    ReadingLine* line_ = nullptr;
    KeyArrivals* keys_ = nullptr;
    KeyPreview* keyPreview_ = nullptr;
    ClickElsewhere* clickElsewhere_ = nullptr;
    InputBlock* block_ = nullptr;
    QPushButton* default_ = nullptr;
    Handler close_ = nullptr;
    bool closeOnEscape_;
    bool unloaded_ = false;
};

// The window a control, timer or menu item belongs to.
const FormWindow* formWindowOf(const QObject* object);

// Runs a handler raised by a control of the window, unless the window was unloaded meanwhile.
template <class Fn>
void dispatchFrom(const FormWindow* window, Fn&& handler) {
    if (window && !window->isUnloaded())
        dispatch(std::forward<Fn>(handler));
}

}  // namespace tarvo::platform
