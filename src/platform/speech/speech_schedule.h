// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tarvo::platform {

// When a window's texts may be handed to a screen reader, decided on times given in ms by the
// monotonic clock. Orca stops speaking at every key pressed, and drops what waits to be spoken
// too: so the texts of a burst of keys wait for its end, and a text that a key may have cut
// before it reached the voice is told again. Both go by when each key reached the program, not
// by when the window got it: a screen reader's bridge takes every key first.
class SpeechSchedule {
public:
    static constexpr std::int64_t kBurstPause = 150;     // without a key, ends a burst
    static constexpr std::int64_t kReachingVoice = 250;  // a text handed over may take to reach the voice

    // Texts are spoken in turn, after every text told before them.
    void tell(std::string text);
    // As tell, for where the keyboard's cursor is: replaces an echo not yet spoken.
    void echo(std::string text);
    // A key pressed in the window, which reached the program at `arrived`.
    void keyPressed(std::int64_t arrived);

    struct Turn {
        std::vector<std::string> texts;  // to speak now, in order
        std::int64_t waitMs = 0;         // otherwise, how long until the burst may have ended
    };
    // What may be spoken at `now`; `lastPressSent` is when the window system last sent the
    // program a key press, which may not have reached the window yet.
    Turn next(std::int64_t now, std::int64_t lastPressSent);

    bool hasWaiting() const { return !waiting_.empty(); }
    // Texts told and not yet spoken, echoes aside: the window that takes this one's place says them.
    std::vector<std::string> untold() const;

private:
    struct Text {
        std::string text;
        bool echo;
    };
    std::vector<Text> waiting_;
    std::vector<Text> told_;  // the texts last spoken that are no echoes, while a key may cut them
    std::int64_t lastKey_ = 0;
    std::int64_t toldAt_ = 0;
};

}  // namespace tarvo::platform
