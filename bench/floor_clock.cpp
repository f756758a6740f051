// SPDX-License-Identifier: MIT
// The toolkit's floor for a clock that shows whole seconds: the floor window with one label
// rewritten once a second by a timer that wakes once a second. What painting a change costs.
#include "floor.h"

#include <QTimer>

#include <memory>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const std::unique_ptr<QWidget> window(newFloorWindow());
    auto* clock = window->findChild<QLabel*>();
    int seconds = 0;
    QTimer timer;
    timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer, &QTimer::timeout, [&] { clock->setText(QString::number(++seconds)); });
    timer.start(1000);
    return QApplication::exec();
}
