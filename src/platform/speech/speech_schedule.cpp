// SPDX-License-Identifier: MIT
#include "platform/speech/speech_schedule.h"

#include <algorithm>
#include <utility>

namespace tarvo::platform {

void SpeechSchedule::tell(std::string text) { waiting_.push_back({std::move(text), false}); }

void SpeechSchedule::echo(std::string text) {
    std::erase_if(waiting_, [](const Text& t) { return t.echo; });
    waiting_.push_back({std::move(text), true});
}

void SpeechSchedule::keyPressed(std::int64_t arrived) {
    lastKey_ = std::max(lastKey_, arrived);
    if (!told_.empty() && arrived >= toldAt_ && arrived - toldAt_ < kReachingVoice)
        waiting_.insert(waiting_.begin(), told_.begin(), told_.end());
    told_.clear();
}

SpeechSchedule::Turn SpeechSchedule::next(std::int64_t now, std::int64_t lastPressSent) {
    if (waiting_.empty())
        return {};
    const std::int64_t sinceKey = now - std::max(lastKey_, lastPressSent);
    if (sinceKey < kBurstPause)
        return {{}, kBurstPause - sinceKey};
    Turn turn;
    told_.clear();
    for (Text& t : std::exchange(waiting_, {})) {
        if (!t.echo)
            told_.push_back(t);
        turn.texts.push_back(std::move(t.text));
    }
    toldAt_ = now;
    return turn;
}

std::vector<std::string> SpeechSchedule::untold() const {
    std::vector<std::string> texts;
    for (const Text& t : waiting_)
        if (!t.echo)
            texts.push_back(t.text);
    return texts;
}

}  // namespace tarvo::platform
