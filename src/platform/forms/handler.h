// SPDX-License-Identifier: MIT
#pragma once

namespace tarvo::platform {

// An event handler: a plain function that runs to completion on the event thread.
using Handler = void (*)();

}  // namespace tarvo::platform
