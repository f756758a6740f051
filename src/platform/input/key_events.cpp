// SPDX-License-Identifier: MIT
#include "platform/input/key_events.h"

#include "platform/input/keys.h"

#include <QGuiApplication>
#include <QKeyEvent>

#include <algorithm>
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
    return {event->key(), event->type() == QEvent::KeyPress, event->isAutoRepeat(), event->nativeScanCode(),
            event->timestamp()};
}

}  // namespace tarvo::platform
