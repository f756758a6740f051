// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tarvo::platform {

// When a window's messages and its line at rest may be handed to a screen reader, decided on
// times given in ms by the monotonic clock. Orca stops speaking at every key pressed, and drops
// what waits to be spoken too: so the messages of a burst of keys wait for its end, and a message
// that a key may have cut before it reached the voice is told again. A braille display shows one
// message at a time: each stays a reading time before the next replaces it, unless the player
// presses a key. Both go by when each key reached the program, not by when the window got it: a
// screen reader's bridge takes every key first.
class MessageSchedule {
public:
    static constexpr std::int64_t kBurstPause = 150;     // without a key, ends a burst
    static constexpr std::int64_t kReachingVoice = 250;  // a message handed over may take to reach the voice
    static constexpr std::int64_t kReadingTime = 1000;   // a message stays on the display at least

    // Messages are handed over in turn, after every message told before them.
    void tell(std::string text);
    // As tell, for where the keyboard's cursor is: replaces an echo not yet handed over.
    void echo(std::string text);
    // The line at rest has changed: it goes with the next turn, before its message.
    void lineChanged() { lineChanged_ = true; }
    // A key pressed in the window, which reached the program at `arrived`.
    void keyPressed(std::int64_t arrived);

    struct Turn {
        bool line = false;                   // show the line at rest anew
        std::optional<std::string> message;  // then this message
        std::int64_t waitMs = 0;             // how long until the next turn may come; 0: none waits
    };
    // What may be handed over at `now`; `lastPressSent` is when the window system last sent the
    // program a key press, which may not have reached the window yet.
    Turn next(std::int64_t now, std::int64_t lastPressSent);

    bool hasWaiting() const { return lineChanged_ || !waiting_.empty(); }
    // Messages told and not yet handed over, echoes aside: the window that takes this one's
    // place tells them.
    std::vector<std::string> untold() const;

private:
    struct Message {
        std::string text;
        bool echo;
    };
    std::vector<Message> waiting_;
    std::optional<Message> told_;  // the last message handed over, while a key may cut it
    std::optional<std::int64_t> toldAt_;
    std::int64_t lastKey_ = 0;
    bool lineChanged_ = false;
};

}  // namespace tarvo::platform
