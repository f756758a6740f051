// SPDX-License-Identifier: MIT
// Keys as the toolkit delivers them: private to src/platform/.
#pragma once

#include "platform/held_keys.h"

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

}  // namespace tarvo::platform
