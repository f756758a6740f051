// SPDX-License-Identifier: MIT
// Draws the game's artwork: the two peg icons of Ikone/ and the window icon.
// Usage: tarvo_make_icons <data folder>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QPainter>

#include <cstdio>

namespace {

const QColor kInk(0x20, 0x20, 0x28);
const QColor kWhite(0xFA, 0xFA, 0xFA);
const QColor kBoard(0x2E, 0x5C, 0x9E);

QImage canvas(int size) {
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    return image;
}

// A peg fills its box with a small margin; outlines scale with the size so that the
// picture still reads when the board shrinks it to 25 x 25.
void drawPeg(QPainter& painter, QRectF box, bool inPlace) {
    const qreal outline = box.width() / 10;
    box.adjust(outline, outline, -outline, -outline);
    painter.setPen(QPen(kInk, outline));
    painter.setBrush(inPlace ? kInk : kWhite);
    painter.drawEllipse(box);
    if (inPlace) {  // a soft highlight keeps the dark disc from looking like a hole
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(255, 255, 255, 70));
        const qreal r = box.width() / 5;
        painter.drawEllipse(QPointF(box.left() + box.width() * 0.35, box.top() + box.height() * 0.35), r, r);
    }
}

QImage peg(int size, bool inPlace) {
    QImage image = canvas(size);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    drawPeg(painter, QRectF(0, 0, size, size), inPlace);
    return image;
}

// The board in miniature: two pegs in place and two out of place.
QImage windowIcon(int size) {
    QImage image = canvas(size);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal s = size;
    painter.setPen(Qt::NoPen);
    painter.setBrush(kBoard);
    painter.drawRoundedRect(QRectF(0, 0, s, s), s / 6, s / 6);
    const qreal cell = s * 0.42;
    const qreal gap = (s - 2 * cell) / 3;
    for (int i = 0; i < 4; ++i) {
        const QRectF box(gap + (i % 2) * (cell + gap), gap + (i / 2) * (cell + gap), cell, cell);
        drawPeg(painter, box, i == 0 || i == 3);
    }
    return image;
}

bool save(const QImage& image, const QString& path) {
    QImageWriter writer(path);
    if (!writer.write(image)) {
        std::fprintf(stderr, "make_icons: %s: %s\n", qPrintable(path), qPrintable(writer.errorString()));
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <data folder>\n", argv[0]);
        return 2;
    }
    const QString data = QString::fromLocal8Bit(argv[1]);
    bool ok = save(peg(64, true), data + "/Ikone/namest~1.ico");
    ok = save(peg(64, false), data + "/Ikone/vanmes~1.ico") && ok;
    ok = save(windowIcon(32), data + "/tarvo.ico") && ok;
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        ok = save(windowIcon(size), data + QString("/icons/%1x%1/tarvo.png").arg(size)) && ok;
    return ok ? 0 : 1;
}
