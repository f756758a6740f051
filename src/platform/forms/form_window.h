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
class QVBoxLayout;

namespace tarvo::platform {

class ClickElsewhere;
class InputBlock;
class KeyPreview;
class SpeechBar;

class FormWindow final : public QWidget {
    Q_OBJECT
public:
    explicit FormWindow(const FormSpec& spec);

    ClientArea* clientArea() const { return client_; }
    QMenuBar* menuBar();
    void setCloseHandler(Handler handler) { close_ = handler; }
    void setKeyDownHandler(KeyDownHandler handler, KeyRepeat repeat);
    void setClickElsewhereHandler(Handler handler);
    SpeechBar& speech();
    // A key was pressed in the window, and reached the program at that monotonic time in ms.
    void keyPressed(std::int64_t arrived);
    std::vector<std::string> untoldSpeech() const;

    // After unloading the window is hidden, its timers stopped and its handlers silent.
    void unload();
    bool isUnloaded() const { return unloaded_; }

    void setInputBlocked(bool blocked);
    bool isInputBlocked() const { return block_ != nullptr; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void raiseClose();

    QVBoxLayout* layout_;
    ClientArea* client_;
    QMenuBar* menuBar_ = nullptr;
    SpeechBar* speech_ = nullptr;
    KeyPreview* keyPreview_ = nullptr;
    ClickElsewhere* clickElsewhere_ = nullptr;
    InputBlock* block_ = nullptr;
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
