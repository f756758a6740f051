// SPDX-License-Identifier: MIT
#include "support/scenes.h"

#include <QApplication>
#include "control/clock.h"

#include <QAction>
#include <QTest>
#include <QTimer>

namespace tarvo::testing {

namespace {

struct SceneSetup {
    Scene scene;
    const char* name;
    const char* code;
    const char* rows;  // guesses scored with "Show", one after the other; a short one is left open
};

// Between them the endings reveal every digit 1..6.
constexpr SceneSetup kScenes[] = {
    {Scene::Fresh, "fresh", "6152", ""},
    {Scene::InProgress, "in-progress", "6152", "1234 5566 6125 61"},
    {Scene::Won, "won", "1234", "1243 4321 1234"},
    {Scene::LostOnSixthRow, "lost-on-sixth-row", "5566", "1111 2222 3333 4444 6655 6565"},
    {Scene::LostOnTime, "lost-on-time", "6152", "1234 56"},
    {Scene::About, "about", "6152", "1234 5566 6125 61"},
    {Scene::HowToPlay, "how-to-play", "6152", "1234 5"},
    {Scene::TilePicked, "tile-picked", "6152", "1234 5"},
    {Scene::ReviewingRows, "reviewing-rows", "6152", "1234 5566 6125"},
};

const SceneSetup& setupOf(Scene scene) {
    for (const SceneSetup& setup : kScenes)
        if (setup.scene == scene)
            return setup;
    return kScenes[0];
}

}  // namespace

QString sceneName(Scene scene) { return QString::fromLatin1(setupOf(scene).name); }

void playInto(FixedGame& game, Scene scene) {
    const SceneSetup& setup = setupOf(scene);
    game.start(setup.code);
    const QStringList rows = QString::fromLatin1(setup.rows).split(' ', Qt::SkipEmptyParts);
    for (int r = 1; r <= rows.size(); ++r) {
        const QString& digits = rows[r - 1];
        for (int p = 1; p <= digits.size(); ++p)
            dropTile(digits[p - 1].digitValue(), r, p);
        if (digits.size() == 4) {
            pressShow();
            runClock(game, 17);  // a row takes a while to think over
        }
    }
    if (scene == Scene::LostOnTime)
        runClock(game, 600);
    if (scene == Scene::About)
        menuItem("aAbout")->trigger();
    if (scene == Scene::HowToPlay)
        menuItem("hHowToPlay")->trigger();
    if (scene == Scene::TilePicked) {
        pressKeys("End");
        QTest::mouseClick(control<QWidget>(tileName(3)), Qt::LeftButton);
    }
    if (scene == Scene::ReviewingRows)
        pressKeys("Up Up");
}

void runClock(FixedGame& game, int seconds) {
    const auto* timer = boardWidget()->findChild<QTimer*>("Timer1");
    for (int n = 0; n < seconds && timer->isActive(); ++n) {
        game.clock.second = (game.clock.second + 1) % 60;
        platform::dispatch(Timer1_Timer);  // steps
        if (timer->isActive())
            platform::dispatch(Timer1_Timer);  // shows the step; a stopped timer ticks no more
    }
}

}  // namespace tarvo::testing
