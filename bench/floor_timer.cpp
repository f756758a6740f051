// SPDX-License-Identifier: MIT
// The toolkit's floor for a running game: the floor window and a 1 ms timer that does nothing.
#include "floor.h"

#include <QTimer>

#include <memory>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const std::unique_ptr<QWidget> window(newFloorWindow());
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [] {});
    timer.start(1);
    return QApplication::exec();
}
