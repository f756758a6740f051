// SPDX-License-Identifier: MIT
// Keys as the toolkit delivers them: private to src/platform/.
#pragma once

#include "platform/input/key_move.h"

class QKeyEvent;

namespace tarvo::platform {

// The code a form's key handler gets for a key, or 0 for a key it never sees.
int keyCodeOf(const QKeyEvent* event);

// What the event itself says of the key's move; when it reached the program is not its to say.
KeyMove keyMoveOf(const QKeyEvent* event);

}  // namespace tarvo::platform
