// SPDX-License-Identifier: MIT
#pragma once

#include "platform/handler.h"

#include <string>
#include <string_view>

class QTimer;

namespace tarvo::platform {

struct TimerSpec {
    std::string name{};
    int intervalMs = 0;
    bool enabled = true;
    // The handler changes nothing between two seconds of the time of day: the timer wakes as
    // each second begins and once right after, not every interval.
    bool followsTheSecond = false;
};

// How long a timer that follows the second waits after a tick: a tick that met a new second is
// followed at once, in the same wake-up, by one that shows what it did; then it sleeps until the
// next second begins, with a millisecond of margin.
int millisecondsToNextTick(bool metANewSecond, int millisecondOfSecond);

// Ticks on the event thread, between other events, while enabled.
class Timer {
public:
    Timer() = default;
    explicit Timer(QTimer* timer) : timer_(timer) {}

    bool isEnabled() const;
    void setEnabled(bool enabled);
    int interval() const;
    void onTimer(Handler handler);

private:
    QTimer& timer() const;
    QTimer* timer_ = nullptr;
};

}  // namespace tarvo::platform
