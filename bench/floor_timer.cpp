// SPDX-License-Identifier: MIT
// The toolkit's floor for a running game: a window with a menu bar, a few labels and a 1 ms
// timer that does nothing.
#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <QTimer>
#include <QVBoxLayout>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle("Floor");
    auto* layout = new QVBoxLayout(&window);
    auto* menuBar = new QMenuBar(&window);
    menuBar->addMenu("&File")->addAction("E&xit", &app, &QApplication::quit);
    layout->setMenuBar(menuBar);
    for (int i = 0; i < 4; ++i)
        layout->addWidget(new QLabel(QString("Label %1").arg(i + 1), &window));
    window.resize(433, 396);
    window.show();
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [] {});
    timer.start(1);
    return QApplication::exec();
}
