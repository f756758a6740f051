// SPDX-License-Identifier: MIT
#pragma once

#include "platform/screen_reader/message_schedule.h"

#include <QTimer>
#include <QWidget>

#include <cstdint>
#include <deque>
#include <string>
#include <vector>

namespace tarvo::platform {

class KeyArrivals;
class ReadingLine;

// A window's messages for a screen reader: notifications in a status bar, each holding its text
// in a label, which a screen reader speaks bare and flashes on a braille display each time one is
// shown; and the window's line at rest, shown anew before them. It takes no room and draws
// nothing. What to hand over when is its schedule's to decide; this only hands it over.
class MessageBar final : public QWidget {
    Q_OBJECT
public:
    // `keys`, where the program keeps them, tells of key presses on their way to the window.
    MessageBar(QWidget* window, ReadingLine* line, const KeyArrivals* keys);
    // Handed over once the window is active, no menu of it is open and the keys have paused.
    void tell(const std::string& text);
    void echo(const std::string& text);
    void lineChanged();
    // Any key pressed in the window, which reached the program at that monotonic time in ms.
    void keyPressed(std::int64_t arrived);
    std::vector<std::string> untold() const { return schedule_.untold(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void tryAgainIn(std::int64_t ms);
    void handOver();
    void show(const std::string& message);
    MessageSchedule schedule_;
    ReadingLine* line_;
    const KeyArrivals* keys_;
    std::deque<QWidget*> notes_;  // the newest last
    QTimer nextTry_;
};

// Test hook: the windows hand their messages over as if a screen reader listened, so that a test
// reads them from the notes ("Message").
void setScreenReaderForTest(bool listening);

}  // namespace tarvo::platform
