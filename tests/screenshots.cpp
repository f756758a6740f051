// SPDX-License-Identifier: MIT
// make screenshots: the real windows in the states a player meets, with a fixed code and a clock
// that stands still, drawn into docs/screenshots/ one PNG each, in English, and the won game in
// German, French and Russian too, How to play in English and German, and a tile picked up by a
// click. The same command gives the same pictures.
#include "platform/services/translation.h"
#include "support/scenes.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionTitleBar>

#include <algorithm>
#include <cstdio>
#include <string_view>

using namespace tarvo::testing;

namespace {

// A window as the player sees it: the style's title bar over what the window draws.
QImage framed(QWidget* window) {
    const QImage inside = window->grab().toImage();
    QStyleOptionTitleBar bar;
    bar.initFrom(window);
    bar.text = window->windowTitle();
    bar.icon = window->windowIcon();
    bar.titleBarFlags = window->windowFlags();
    bar.subControls = QStyle::SC_All;
    bar.state |= QStyle::State_Active;
    bar.titleBarState = Qt::WindowActive;
    bar.rect =
        QRect(0, 0, inside.width(), window->style()->pixelMetric(QStyle::PM_TitleBarHeight, &bar, window));

    QImage image(inside.width() + 2, bar.rect.height() + inside.height() + 2, QImage::Format_RGB32);
    image.fill(window->palette().color(QPalette::Shadow));
    QPainter painter(&image);
    painter.translate(1, 1);
    window->style()->drawComplexControl(QStyle::CC_TitleBar, &bar, &painter, window);
    painter.drawImage(0, bar.rect.height(), inside);
    return image;
}

QImage picture() {
    QImage image = framed(boardWidget());
    for (QWidget* over : {aboutWidget(), rulesWidget()}) {
        if (!over)
            continue;
        const QImage front = framed(over);
        QPainter(&image).drawImage((image.width() - front.width()) / 2,
                                   std::max(0, std::min(image.height() / 4, image.height() - front.height())),
                                   front);
    }
    return image;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QDir folder(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs/screenshots"));
    if (!folder.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "screenshots: cannot create the folder %s\n", qPrintable(folder.path()));
        return 1;
    }
    struct Shot {
        const char* language;
        Scene scene;
    };
    FixedGame game;
    for (const Shot shot :
         {Shot{"en", Scene::InProgress}, Shot{"en", Scene::Won}, Shot{"en", Scene::LostOnTime},
          Shot{"en", Scene::About}, Shot{"de", Scene::Won}, Shot{"fr", Scene::Won}, Shot{"ru", Scene::Won},
          Shot{"en", Scene::HowToPlay}, Shot{"de", Scene::HowToPlay}, Shot{"en", Scene::TilePicked},
          Shot{"en", Scene::ReviewingRows}}) {
        tarvo::platform::useLanguages({shot.language});
        playInto(game, shot.scene);
        const QString suffix =
            shot.language == std::string_view("en") ? QString() : '-' + QString(shot.language);
        const QString file = folder.filePath(sceneName(shot.scene) + suffix + QStringLiteral(".png"));
        if (!picture().save(file)) {
            std::fprintf(stderr, "screenshots: cannot write %s\n", qPrintable(file));
            return 1;
        }
        std::printf("%s\n", qPrintable(file));
        closeEverything();
    }
    return 0;
}
