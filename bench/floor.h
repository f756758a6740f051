// SPDX-License-Identifier: MIT
// What the benchmarks share: the toolkit's floor window, and readings of this process's memory.
#pragma once

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QMenuBar>
#include <QVBoxLayout>
#include <QWidget>

// The toolkit's floor for a window like the board: the board's size, a menu bar (File > Exit)
// and four labels, shown.
inline QWidget* newFloorWindow() {
    auto* window = new QWidget;
    window->setWindowTitle("Floor");
    auto* layout = new QVBoxLayout(window);
    auto* menuBar = new QMenuBar(window);
    menuBar->addMenu("&File")->addAction("E&xit", qApp, &QApplication::quit);
    layout->setMenuBar(menuBar);
    for (int i = 0; i < 4; ++i)
        layout->addWidget(new QLabel(QString("Label %1").arg(i + 1), window));
    window->setFixedSize(433, 396);
    window->show();
    return window;
}

// A memory figure of this process in KiB, e.g. "VmRSS:" (resident) or "VmHWM:" (peak resident).
inline long memoryKb(const char* field) {
    QFile status("/proc/self/status");
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith(field))
            return line.mid(qsizetype(qstrlen(field))).trimmed().split(' ').first().toLong();
    return -1;
}
