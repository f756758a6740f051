// SPDX-License-Identifier: MIT
#pragma once

#include "platform/forms/handler.h"

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

// Ticks on the event thread, between other events, while enabled.
class Timer {
public:
    Timer() = default;
    explicit Timer(QTimer* timer) : timer_(timer) {}

    bool isEnabled() const;
    void setEnabled(bool enabled);
    void onTimer(Handler handler);

private:
    QTimer& timer() const;
    QTimer* timer_ = nullptr;
};

}  // namespace tarvo::platform
