// SPDX-License-Identifier: MIT
// The toolkit's floor for starting a window: a fixed-size window with a menu bar and a few
// labels, with the first-frame probe.
#include "first_frame.h"

#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <QVBoxLayout>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    FirstFrame probe;
    QWidget window;
    window.setWindowTitle("Floor");
    auto* layout = new QVBoxLayout(&window);
    auto* menuBar = new QMenuBar(&window);
    menuBar->addMenu("&File")->addAction("E&xit", &app, &QApplication::quit);
    layout->setMenuBar(menuBar);
    for (int i = 0; i < 4; ++i)
        layout->addWidget(new QLabel(QString("Label %1").arg(i + 1), &window));
    window.setFixedSize(433, 396);
    window.show();
    return QApplication::exec();
}
