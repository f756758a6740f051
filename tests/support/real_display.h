// SPDX-License-Identifier: MIT
// What the tests on a real X display need, and why one cannot run here.
#pragma once

#include <QGuiApplication>
#include <QPoint>
#include <QStandardPaths>
#include <QString>
#include <QStringList>

#include <cstdio>
#include <cstdlib>

namespace tarvo::testing {

// Empty when the test runs on an X display and xdotool is at hand; otherwise the reason to skip.
inline QString whyNoRealDisplay() {
    if (QGuiApplication::platformName() != "xcb")
        return "needs a real X display: run through with_xvfb.sh";
    if (QStandardPaths::findExecutable("xdotool").isEmpty())
        return "xdotool is not installed (scripts/install-deps.sh installs it)";
    return {};
}

// Ends a test that cannot run here as CTest counts a skip, exit status 77, saying why. (Qt Test's
// QSKIP in initTestCase exits 0, and the test would pass having checked nothing.)
[[noreturn]] inline void skipEverything(const QString& why) {
    std::printf("SKIP: %s\n", qPrintable(why));
    std::fflush(stdout);
    std::_Exit(77);
}

// xdotool commands: move the mouse to a point, wait, click, drag.
inline QStringList mouseTo(QPoint p) { return {"mousemove", QString::number(p.x()), QString::number(p.y())}; }
inline QStringList pause(double seconds) { return {"sleep", QString::number(seconds)}; }
inline QStringList clickAt(QPoint p) {
    return mouseTo(p) << pause(0.05) << "click"
                      << "1";
}

// Presses the mouse at "from", moves it to "to" in a few steps, releases it there: a drag as a
// hand makes it, slow enough for the toolkit to see it start and hover.
inline QStringList dragCommands(QPoint from, QPoint to) {
    QStringList c;
    c << mouseTo(from) << pause(0.05) << "mousedown"
      << "1" << pause(0.1);
    c << mouseTo(from + QPoint(6, 6)) << pause(0.05) << mouseTo((from + to) / 2) << pause(0.05);
    c << mouseTo(to) << pause(0.1) << mouseTo(to + QPoint(1, 1)) << pause(0.1) << "mouseup"
      << "1" << pause(0.1);
    return c;
}

}  // namespace tarvo::testing
