// SPDX-License-Identifier: MIT
#include "platform/screen_reader/message_schedule.h"

#include <algorithm>
#include <utility>

namespace tarvo::platform {

void MessageSchedule::tell(std::string text) { waiting_.push_back({std::move(text), false}); }

void MessageSchedule::echo(std::string text) {
    std::erase_if(waiting_, [](const Message& m) { return m.echo; });
    waiting_.push_back({std::move(text), true});
}

void MessageSchedule::keyPressed(std::int64_t arrived) {
    lastKey_ = std::max(lastKey_, arrived);
    if (told_ && arrived >= *toldAt_ && arrived - *toldAt_ < kReachingVoice)
        waiting_.insert(waiting_.begin(), *told_);
    told_.reset();
}

MessageSchedule::Turn MessageSchedule::next(std::int64_t now, std::int64_t lastPressSent) {
    if (!hasWaiting())
        return {};
    const std::int64_t lastKey = std::max(lastKey_, lastPressSent);
    if (now - lastKey < kBurstPause)
        return {.line = false, .message = {}, .waitMs = kBurstPause - (now - lastKey)};
    // The line is rebuilt as the message is shown, so it waits with it.
    if (toldAt_ && lastKey < *toldAt_ && now - *toldAt_ < kReadingTime)
        return {.line = false, .message = {}, .waitMs = kReadingTime - (now - *toldAt_)};
    Turn turn{.line = std::exchange(lineChanged_, false), .message = {}, .waitMs = 0};
    if (!waiting_.empty()) {
        Message message = std::move(waiting_.front());
        waiting_.erase(waiting_.begin());
        turn.message = message.text;
        told_ = message.echo ? std::nullopt : std::optional(std::move(message));
        toldAt_ = now;
    }
    turn.waitMs = waiting_.empty() ? 0 : kReadingTime;
    return turn;
}

std::vector<std::string> MessageSchedule::untold() const {
    std::vector<std::string> texts;
    for (const Message& m : waiting_)
        if (!m.echo)
            texts.push_back(m.text);
    return texts;
}

}  // namespace tarvo::platform
