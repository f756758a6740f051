// SPDX-License-Identifier: MIT
// The toolkit's floor for a window that sits open: the floor window, shown and left alone; with
// --tick, a clock in it, one label rewritten once a second by a timer that wakes once a second.
#include "floor.h"

#include <QTimer>

#include <cstring>
#include <memory>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const std::unique_ptr<QWidget> window(newFloorWindow());
    auto* clock = window->findChild<QLabel*>();
    int seconds = 0;
    QTimer timer;
    timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer, &QTimer::timeout, [&] { clock->setText(QString::number(++seconds)); });
    if (argc > 1 && std::strcmp(argv[1], "--tick") == 0)
        timer.start(1000);
    return QApplication::exec();
}
