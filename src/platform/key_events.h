// SPDX-License-Identifier: MIT
// Keys as the toolkit delivers them: private to src/platform/.
#pragma once

#include "platform/held_keys.h"

#include <QtGlobal>

class QEvent;
class QKeyEvent;
class QObject;

namespace tarvo::platform {

// The code a form's key handler gets for a key, or 0 for a key it never sees.
int keyCodeOf(const QKeyEvent* event);

// The key's move with the time the key moved. A screen reader's bridge holds each key back and
// passes on a copy without its time: the copy gets the time the original carried.
KeyMove keyMoveOf(const QKeyEvent* event);

// Sees every event first, before any filter: notes the time of each key the window system sends.
void noteKeyTime(const QObject* receiver, const QEvent* event);

// Now, and when the window system last sent a key press, by the monotonic clock in ms (0: none):
// a screen reader has it before the window does.
qint64 monotonicNow();
qint64 lastKeyPressSent();

}  // namespace tarvo::platform
