// SPDX-License-Identifier: MIT
// File > New, a thousand times: the time from the click to the new window's first painted frame,
// and resident memory before and after; against re-creating the board written in plain Qt, and a
// bare window with a menu bar and a few labels, the same way. Needs a display (run it under Xvfb).
#include "control/start_up.h"
#include "floor.h"
#include "plain_board.h"
#include "platform/services/application.h"
#include "windows/board_window.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

// TARVO_BENCH_RESTARTS sets another count, for a profiler's slower run.
const int kRestarts = qEnvironmentVariableIntValue("TARVO_BENCH_RESTARTS") > 0
                          ? qEnvironmentVariableIntValue("TARVO_BENCH_RESTARTS")
                          : 1000;

// Notes the first paint of any window shown after it was armed.
class PaintWatch final : public QObject {
public:
    PaintWatch() { QCoreApplication::instance()->installEventFilter(this); }
    void arm() { painted_ = false; }
    bool painted() const { return painted_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && watched->isWidgetType())
            painted_ = true;
        return false;
    }

private:
    bool painted_ = true;
};

struct Figures {
    double medianMs;
    double worstMs;
    long residentBeforeKb;
    long residentAfterKb;
};

Figures measure(PaintWatch& watch, const std::function<void()>& restart) {
    const auto settle = [] {
        for (int i = 0; i < 3; ++i) {
            QCoreApplication::processEvents();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
    };
    std::vector<double> ms;
    for (int n = 0; n < 10; ++n) {  // the first restarts fill the toolkit's caches
        watch.arm();
        restart();
        while (!watch.painted())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    settle();
    const long before = memoryKb("VmRSS:");
    for (int n = 0; n < kRestarts; ++n) {
        QElapsedTimer clock;
        clock.start();
        watch.arm();
        restart();
        while (!watch.painted())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        ms.push_back(clock.nsecsElapsed() / 1e6);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    settle();
    std::sort(ms.begin(), ms.end());
    return {ms[ms.size() / 2], ms.back(), before, memoryKb("VmRSS:")};
}

}  // namespace

int main(int argc, char** argv) {
    tarvo::platform::Application app(argc, argv);
    PaintWatch watch;
    tarvo::startUp();

    const Figures game = measure(watch, [] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == "Form1" && w->isVisible())
                w->findChild<QAction*>("nNew")->trigger();
    });
    tarvo::platform::FormVariable::unloadAll();

    usePlainBoardResources();
    auto* plain = new PlainBoard;
    plain->showCentred();
    const Figures board = measure(watch, [&plain] {
        plain->hide();
        plain->deleteLater();
        plain = new PlainBoard;
        plain->showCentred();
    });
    delete plain;

    QWidget* floor = newFloorWindow();
    const Figures base = measure(watch, [&floor] {
        floor->hide();
        floor->deleteLater();
        floor = newFloorWindow();
    });
    delete floor;

    std::printf(
        "New to first frame, %d times: median %.2f ms, worst %.2f ms; plain-Qt board %.2f ms, %.2f ms, "
        "ratio of medians %.2f; bare window %.2f ms, %.2f ms, ratio %.2f\n",
        kRestarts, game.medianMs, game.worstMs, board.medianMs, board.worstMs, game.medianMs / board.medianMs,
        base.medianMs, base.worstMs, game.medianMs / base.medianMs);
    std::printf(
        "resident memory across them: %ld KiB before, %ld KiB after (%+ld KiB); plain-Qt board %+ld KiB; "
        "bare window %+ld KiB\n",
        game.residentBeforeKb, game.residentAfterKb, game.residentAfterKb - game.residentBeforeKb,
        board.residentAfterKb - board.residentBeforeKb, base.residentAfterKb - base.residentBeforeKb);
    return 0;
}
