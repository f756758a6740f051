// SPDX-License-Identifier: MIT
#include "platform/services/held_output.h"

#include <unistd.h>

namespace tarvo::platform {

HeldStandardError::HeldStandardError() : held_(std::tmpfile()) {
    std::fflush(stderr);
    if (held_)
        saved_ = dup(STDERR_FILENO);
    if (saved_ >= 0)
        dup2(fileno(held_), STDERR_FILENO);
}

HeldStandardError::~HeldStandardError() {
    const std::string written = drop();
    std::fwrite(written.data(), 1, written.size(), stderr);
}

std::string HeldStandardError::drop() {
    giveBack();
    std::string written;
    if (!held_)
        return written;
    std::rewind(held_);
    for (int c; (c = std::fgetc(held_)) != EOF;)
        written += char(c);
    std::fclose(held_);
    held_ = nullptr;
    return written;
}

void HeldStandardError::giveBack() {
    if (saved_ < 0)
        return;
    std::fflush(stderr);
    dup2(saved_, STDERR_FILENO);
    close(saved_);
    saved_ = -1;
}

}  // namespace tarvo::platform
