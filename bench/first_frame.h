// SPDX-License-Identifier: MIT
// Start-up probe: reports the time from TARVO_BENCH_T0 (nanoseconds of the system clock, read
// by the launcher just before it started this program) to the first frame painted, and the
// peak resident memory at that moment; then ends the program.
#pragma once

#include "floor.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <chrono>
#include <cstdio>

class FirstFrame final : public QObject {
public:
    explicit FirstFrame(QObject* parent = nullptr) : QObject(parent) {
        QCoreApplication::instance()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!painted_ && event->type() == QEvent::Paint && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->window()->isVisible()) {
            painted_ = true;
            // The frame reaches the screen when this round of painting has been flushed.
            QTimer::singleShot(0, [] {
                const long long now = std::chrono::duration_cast<std::chrono::nanoseconds>(
                                          std::chrono::system_clock::now().time_since_epoch())
                                          .count();
                const long long t0 = qEnvironmentVariable("TARVO_BENCH_T0").toLongLong();
                std::printf("%.2f %ld\n", (now - t0) / 1e6, memoryKb("VmHWM:"));
                std::fflush(stdout);
                std::_Exit(0);
            });
        }
        return false;
    }

private:
    bool painted_ = false;
};
