// SPDX-License-Identifier: MIT
#include "platform/key_events.h"

#include "platform/keys.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QWindow>

#include <algorithm>
#include <deque>
#include <string_view>

namespace tarvo::platform {

namespace {

struct NamedKey {
    int qt;
    int code;
};
const NamedKey kNamedKeys[] = {
    {Qt::Key_Return, kKeyReturn}, {Qt::Key_Enter, kKeyReturn}, {Qt::Key_Escape, kKeyEscape},
    {Qt::Key_Home, kKeyHome},     {Qt::Key_End, kKeyEnd},      {Qt::Key_Left, kKeyLeft},
    {Qt::Key_Up, kKeyUp},         {Qt::Key_Right, kKeyRight},  {Qt::Key_Down, kKeyDown},
};

// The letter at a key's place on a US keyboard, from its XKB key code, for layouts whose letter
// keys give no Latin letter: the player's T is where T is, on a Russian keyboard too.
int latinLetterAt(const QKeyEvent* event) {
    const QString platform = QGuiApplication::platformName();
    if (platform != QLatin1String("xcb") && !platform.startsWith(QLatin1String("wayland")))
        return 0;
    constexpr std::string_view kLetters = "QWERTYUIOP    ASDFGHJKL     ZXCVBNM";  // key codes 24..58
    const quint32 at = event->nativeScanCode() - 24;
    if (event->nativeScanCode() >= 24 && at < kLetters.size() && kLetters[at] != ' ')
        return kLetters[at];
    return 0;
}

// Keys the window system sent, with their times, until the window sees them or a copy of them.
struct SentKey {
    QEvent::Type type;
    int key;
    quint32 scanCode;
    quint64 time;
    qint64 arrived;
};
std::deque<SentKey> sentKeys;
qint64 lastPressSent = 0;
constexpr std::size_t kSentKeysKept = 64;

bool sameKey(const SentKey& sent, const QKeyEvent* event) {
    return sent.type == event->type() && sent.key == event->key() && sent.scanCode == event->nativeScanCode();
}

// The key as sent; the keys sent before it were seen, or never will be.
SentKey sentAs(const QKeyEvent* event) {
    const quint64 own = event->timestamp();
    const auto sent = std::find_if(sentKeys.begin(), sentKeys.end(), [&](const SentKey& s) {
        return sameKey(s, event) && (own == 0 || s.time == own);
    });
    if (sent == sentKeys.end())
        return {event->type(), event->key(), event->nativeScanCode(), own, monotonicNow()};
    const SentKey found = *sent;
    sentKeys.erase(sentKeys.begin(), sent + 1);
    return found;
}

}  // namespace

int keyCodeOf(const QKeyEvent* event) {
    const int key = event->key();
    if (key >= Qt::Key_0 && key <= Qt::Key_9)
        return (event->modifiers() & Qt::KeypadModifier ? kKeyNumpad0 : kKey0) + (key - Qt::Key_0);
    if (key >= Qt::Key_A && key <= Qt::Key_Z)
        return kKeyA + (key - Qt::Key_A);
    if (key > 0x7f && key <= 0xffff && QChar(char16_t(key)).isLetter())
        if (const int latin = latinLetterAt(event))
            return kKeyA + (latin - 'A');
    const auto named = std::find_if(std::begin(kNamedKeys), std::end(kNamedKeys),
                                    [key](const NamedKey& k) { return k.qt == key; });
    return named != std::end(kNamedKeys) ? named->code : 0;
}

KeyMove keyMoveOf(const QKeyEvent* event) {
    const SentKey sent = sentAs(event);
    return {event->key(), event->type() == QEvent::KeyPress, event->isAutoRepeat(), sent.time, sent.arrived};
}

void noteKeyTime(const QObject* receiver, const QEvent* event) {
    const bool key = event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease;
    if (!key || !event->spontaneous() || !receiver->isWindowType())
        return;
    const auto* keyEvent = static_cast<const QKeyEvent*>(event);
    if (keyEvent->timestamp() == 0)
        return;
    const qint64 now = monotonicNow();
    if (event->type() == QEvent::KeyPress)
        lastPressSent = now;
    sentKeys.push_back(
        {event->type(), keyEvent->key(), keyEvent->nativeScanCode(), keyEvent->timestamp(), now});
    if (sentKeys.size() > kSentKeysKept)
        sentKeys.pop_front();
}

qint64 monotonicNow() {
    QElapsedTimer clock;
    clock.start();
    return clock.msecsSinceReference();
}

qint64 lastKeyPressSent() { return lastPressSent; }

}  // namespace tarvo::platform
