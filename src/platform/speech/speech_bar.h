// SPDX-License-Identifier: MIT
#pragma once

#include "platform/speech/speech_schedule.h"

#include <QTimer>
#include <QWidget>

#include <cstdint>
#include <deque>
#include <string>
#include <vector>

namespace tarvo::platform {

class KeyArrivals;

// A window's voice for a screen reader: notifications in a status bar, which a screen reader
// speaks as their bare text each time one is shown. It takes no room and draws nothing. What to
// say when is its schedule's to decide; this only hands the texts over.
class SpeechBar final : public QWidget {
    Q_OBJECT
public:
    // `keys`, where the program keeps one, tells of key presses on their way to the window.
    SpeechBar(QWidget* window, const KeyArrivals* keys);
    // Speaks once the window is active, no menu of it is open and the keys have paused.
    void tell(const std::string& text);
    void echo(const std::string& text);
    // Any key pressed in the window, which reached the program at that monotonic time in ms.
    void keyPressed(std::int64_t arrived);
    std::vector<std::string> untold() const { return schedule_.untold(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void tryAgainIn(std::int64_t ms);
    void speakIfHeard();
    SpeechSchedule schedule_;
    const KeyArrivals* keys_;
    std::deque<QWidget*> notes_;  // the newest last
    QTimer nextTry_;
};

// Test hook: the windows speak as if a screen reader listened, so that a test reads what they
// hand over from their notes ("Spoken").
void setScreenReaderForTest(bool listening);

}  // namespace tarvo::platform
