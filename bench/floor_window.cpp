// SPDX-License-Identifier: MIT
// The toolkit's floor for starting a window: the floor window, with the first-frame probe.
#include "first_frame.h"
#include "floor.h"

#include <memory>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    FirstFrame probe;
    const std::unique_ptr<QWidget> window(newFloorWindow());
    return QApplication::exec();
}
