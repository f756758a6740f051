// SPDX-License-Identifier: MIT
// Texts as the toolkit takes them: private to src/platform/.
#pragma once

#include <QString>

#include <string_view>

namespace tarvo::platform {

inline QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

}  // namespace tarvo::platform
