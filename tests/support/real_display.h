// SPDX-License-Identifier: MIT
// What the tests on a real X display need, and why one cannot run here.
#pragma once

#include <QGuiApplication>
#include <QStandardPaths>
#include <QString>

namespace tarvo::testing {

// Empty when the test runs on an X display and xdotool is at hand; otherwise the reason to skip.
inline QString whyNoRealDisplay() {
    if (QGuiApplication::platformName() != "xcb")
        return "needs a real X display: run through with_xvfb.sh";
    if (QStandardPaths::findExecutable("xdotool").isEmpty())
        return "xdotool is not installed (scripts/install-deps.sh installs it)";
    return {};
}

}  // namespace tarvo::testing
