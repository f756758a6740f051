// SPDX-License-Identifier: MIT
// Linked with the program's own main(): the first-frame probe joins each application object the
// program makes, so the start measured is the program's whole start, command line and all.
#include "first_frame.h"

namespace {
void watchForTheFirstFrame() { new FirstFrame(QCoreApplication::instance()); }
}  // namespace

Q_COREAPP_STARTUP_FUNCTION(watchForTheFirstFrame)
