// SPDX-License-Identifier: MIT
// Every caption as the player sees it, in the pixels of every state of the game and in every
// language: whole, inside its box, where the layout puts it, and level with its neighbours.
#include "platform/controls/label_widget.h"
#include "platform/services/translation.h"
#include "support/languages.h"
#include "support/scenes.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <QTest>

#include <algorithm>
#include <map>
#include <tuple>
#include <utility>

using namespace tarvo;
using namespace tarvo::testing;

namespace {

// The pixels of an area that differ from its background by more than a third of the contrast
// between the text and the background, and the ink of all of them together, which unlike their
// count does not change when a glyph moves by a fraction of a pixel.
struct Ink {
    QRect box;
    double mass = 0;    // in whole pixels of full contrast
    int darkest = 255;  // grey level of the darkest ink pixel
};

Ink inkIn(const QImage& image, const QRect& area, const QColor& back, const QColor& fore) {
    const auto distance = [](QRgb a, QRgb b) {
        return std::max(
            {std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b))});
    };
    const int contrast = std::max(24, distance(back.rgb(), fore.rgb()));
    Ink ink;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            const int d = distance(pixel, back.rgb());
            ink.mass += std::min(d, contrast) / double(contrast);
            if (d <= contrast / 3)
                continue;
            ink.box |= QRect(x, y, 1, 1);
            ink.darkest = std::min(ink.darkest, qGray(pixel));
        }
    return ink;
}

// A caption drawn by its control, next to the same text drawn with room to spare.
struct Caption {
    QWidget* control;
    QRect inside;  // within the border
    QRect clear;   // where the ink may stand: 1 px clear of a border, anywhere in a box without
    Ink ink;       // in the control's own coordinates
    Ink whole;     // the same text unclipped, its line's top-left at (0, 0)
    int advance;
};

Caption measure(QWidget* control, const QString& text) {
    const QPalette::ColorGroup group = control->isEnabled() ? QPalette::Active : QPalette::Disabled;
    const QColor back = control->palette().color(group, control->backgroundRole());
    const bool greyed = !control->isEnabled() && qobject_cast<platform::LabelWidget*>(control) &&
                        !control->palette().isBrushSet(group, control->foregroundRole());
    const QColor fore =
        greyed ? platform::greyedText() : control->palette().color(group, control->foregroundRole());

    Caption c{control, control->rect(), control->rect(), {}, {}, 0};
    if (auto* label = qobject_cast<QLabel*>(control)) {
        c.inside = label->contentsRect();
        if (auto* marked = qobject_cast<platform::LabelWidget*>(label);
            marked && marked->mark() == platform::Mark::Cursor)
            c.inside -= QMargins(0, 0, 0, platform::cursorBarHeight() + 1);  // above the cursor's bar
        c.clear = c.inside.marginsRemoved(QMargins() + (label->frameWidth() > 0 ? 1 : 0));
    } else if (qobject_cast<QPushButton*>(control)) {  // clear of the bevel
        c.inside = control->rect().marginsRemoved(QMargins(2, 2, 2, 2));
        c.clear = c.inside;
    } else {  // a text box's frame, and the rounded corners the style gives it
        c.inside = control->rect().marginsRemoved(
            QMargins() + control->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, control) + 1);
        c.clear = c.inside.marginsRemoved(QMargins(1, 1, 1, 1));
    }
    c.ink = inkIn(control->grab().toImage(), c.inside, back, fore);

    const QFontMetrics metrics(control->font());
    c.advance = metrics.horizontalAdvance(text);
    QImage reference(c.advance + 2 * metrics.height(), 3 * metrics.height(),
                     control->grab().toImage().format());
    reference.fill(back);
    QPainter painter(&reference);
    painter.setFont(control->font());
    painter.setPen(fore);
    const QPoint origin(metrics.height(), metrics.height());
    painter.drawText(origin.x(), origin.y() + metrics.ascent(), text);
    painter.end();
    c.whole = inkIn(reference, reference.rect(), back, fore);
    c.whole.box.translate(-origin);
    return c;
}

QString where(const QWidget* control) {
    return control->window()->objectName() + '.' + control->objectName();
}

// Every control that shows a caption, in the open windows.
QList<std::pair<QWidget*, QString>> captionsOnScreen() {
    QList<std::pair<QWidget*, QString>> captions;
    for (QWidget* window : {boardWidget(), aboutWidget(), rulesWidget()}) {
        if (!window)
            continue;
        for (QWidget* control : window->findChildren<QWidget*>()) {
            if (control->window() != window)
                continue;  // a control of a window over this one
            if (auto* label = qobject_cast<QLabel*>(control); label && !label->text().trimmed().isEmpty())
                captions.append({label, label->text()});
            else if (auto* edit = qobject_cast<QLineEdit*>(control))
                captions.append({edit, edit->text()});
            else if (auto* button = qobject_cast<QPushButton*>(control))
                captions.append({button, button->text()});
        }
    }
    return captions;
}

}  // namespace

class CaptionsTest : public QObject {
    Q_OBJECT

private slots:
    // The captions are measured in the fonts the package depends on: another that stands in has
    // other widths, and a caption that fits in it may not fit for the player.
    void initTestCase() {
        for (const auto& [font, drawnIn, package] :
             {std::tuple{QFont("Arial"), "Liberation Sans", "fonts-liberation"},
              std::tuple{QApplication::font(), "DejaVu Sans", "fonts-dejavu-core"}})
            QVERIFY2(QFontInfo(font).family() == drawnIn,
                     qPrintable(font.family() + " is drawn in " + QFontInfo(font).family() + ", not " +
                                drawnIn + " (" + package + ")"));
    }

    void cleanup() {
        closeEverything();
        tarvo::platform::useLanguages({"en"});
    }

    void everyCaptionIsWholeInItsPlaceAndLevel_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<Scene>("scene");
        for (const QString& language : builtLanguages())
            for (Scene scene :
                 {Scene::Fresh, Scene::InProgress, Scene::Won, Scene::LostOnSixthRow, Scene::LostOnTime,
                  Scene::About, Scene::HowToPlay, Scene::TilePicked, Scene::ReviewingRows})
                QTest::addRow("%s %s", qPrintable(language), qPrintable(sceneName(scene)))
                    << language << scene;
    }
    void everyCaptionIsWholeInItsPlaceAndLevel() {
        QFETCH(QString, language);
        QFETCH(Scene, scene);
        tarvo::platform::useLanguages({language.toStdString()});
        QCOMPARE(QString::fromStdString(tarvo::platform::languageInUse()), language);
        playInto(game_, scene);

        // Baselines of the labels that share a top and a font, less their border.
        std::map<std::pair<int, QString>, QList<std::pair<QString, int>>> rows;
        int checked = 0;
        for (const auto& [control, text] : captionsOnScreen()) {
            const QString name = where(control);
            if (auto* label = qobject_cast<QLabel*>(control); label && label->wordWrap()) {
                // Lines that break to fit: every line has room in the box.
                const QRect inside = label->contentsRect();
                QVERIFY2(label->heightForWidth(inside.width()) <= inside.height(),
                         qPrintable(QString("%1 needs %2 px, has %3")
                                        .arg(name)
                                        .arg(label->heightForWidth(inside.width()))
                                        .arg(inside.height())));
                ++checked;
                continue;
            }
            const Caption c = measure(control, text);
            QVERIFY2(!c.ink.box.isEmpty(), qPrintable(name + " shows no ink"));
            // Whole: as tall, as wide give or take the fraction of a pixel it was placed at, and
            // as much ink (where the background is flat: on a button's shading the faintest
            // pixel of an accent may pass for background).
            const bool flat = !qobject_cast<QPushButton*>(control);
            QVERIFY2(std::abs(c.ink.box.height() - c.whole.box.height()) <= (flat ? 0 : 1) &&
                         std::abs(c.ink.box.width() - c.whole.box.width()) <= 1 &&
                         (!flat || std::abs(c.ink.mass - c.whole.mass) <= 0.05 * c.whole.mass + 1),
                     qPrintable(QString("%1 is cut off: ink %2x%3 (%4 px), whole %5x%6 (%7 px)")
                                    .arg(name)
                                    .arg(c.ink.box.width())
                                    .arg(c.ink.box.height())
                                    .arg(c.ink.mass, 0, 'f', 1)
                                    .arg(c.whole.box.width())
                                    .arg(c.whole.box.height())
                                    .arg(c.whole.mass, 0, 'f', 1)));
            QVERIFY2(c.clear.contains(c.ink.box),
                     qPrintable(QString("%1 touches its border: ink from (%2, %3) to (%4, %5), room from "
                                        "(%6, %7) to (%8, %9)")
                                    .arg(name)
                                    .arg(c.ink.box.left())
                                    .arg(c.ink.box.top())
                                    .arg(c.ink.box.right())
                                    .arg(c.ink.box.bottom())
                                    .arg(c.clear.left())
                                    .arg(c.clear.top())
                                    .arg(c.clear.right())
                                    .arg(c.clear.bottom())));
            ++checked;

            auto* label = qobject_cast<QLabel*>(control);
            if (!label)
                continue;  // a text box centres its text in its own way
            // The caption's line starts at the top of the box, just inside the border, and at
            // its left or in the middle.
            const int lineTop = c.ink.box.top() - c.whole.box.top();
            const int lineLeft = c.ink.box.left() - c.whole.box.left();
            const int expectedLeft = (label->alignment() & Qt::AlignHCenter)
                                         ? c.inside.left() + (c.inside.width() - c.advance) / 2
                                         : c.inside.left();
            QVERIFY2(lineTop == c.inside.top() && std::abs(lineLeft - expectedLeft) <= 1,
                     qPrintable(QString("%1: its line stands at (%2, %3), the layout puts it at (%4, %5)")
                                    .arg(name)
                                    .arg(lineLeft)
                                    .arg(lineTop)
                                    .arg(expectedLeft)
                                    .arg(c.inside.top())));
            rows[{label->y(), label->font().toString()}].append(
                {name, label->y() + lineTop - label->frameWidth()});
        }
        QVERIFY(checked > 0);
        for (const auto& [key, row] : rows)
            for (const auto& [name, top] : row)
                QVERIFY2(std::abs(top - row.front().second) <= 1,
                         qPrintable(QString("%1 stands at %2, %3 beside it at %4")
                                        .arg(name)
                                        .arg(top)
                                        .arg(row.front().first)
                                        .arg(row.front().second)));
    }

    // Every menu's title stands in the menu bar, none pushed off into the bar's overflow, with
    // room for its text, and every item has room in its menu, in every language.
    void theMenusHaveRoomInEveryLanguage_data() { addLanguageRows(); }
    void theMenusHaveRoomInEveryLanguage() {
        QFETCH(QString, language);
        tarvo::platform::useLanguages({language.toStdString()});
        playInto(game_, Scene::Fresh);
        auto* bar = boardWidget()->findChild<QMenuBar*>();
        for (QAction* title : bar->actions()) {
            const QString text = QString(title->text()).remove('&');
            const QRect place = bar->actionGeometry(title);
            QVERIFY2(!place.isEmpty() && bar->rect().contains(place),
                     qPrintable(text + " does not stand in the menu bar"));
            QVERIFY2(place.width() > bar->fontMetrics().horizontalAdvance(text),
                     qPrintable(text + " has no room for its title"));
            QMenu* menu = title->menu();
            for (QAction* item : menu->actions()) {
                const QString words = QString(item->text()).remove('&');
                QVERIFY2(menu->actionGeometry(item).width() > menu->fontMetrics().horizontalAdvance(words),
                         qPrintable(words + " has no room in " + text));
            }
        }
    }

    // A closed row's digit is greyed beside the open row's, no lighter than (109, 109, 109): 4.5:1
    // on its face (239, 239, 239). The ended clock keeps its white on red, 4:1.
    void closedControlsShowTheirTextGreyedOrAsTheyWere() {
        playInto(game_, Scene::InProgress);
        auto* scored = control<QLabel>(slotName(3, 1));  // "6", row closed
        auto* open = control<QLabel>(slotName(4, 1));    // "6", the active row
        QVERIFY(!scored->isEnabled() && open->isEnabled());
        const Ink greyed = measure(scored, "6").ink;
        const Ink normal = measure(open, "6").ink;
        QVERIFY(!greyed.box.isEmpty() && !normal.box.isEmpty());
        QVERIFY2(greyed.darkest > normal.darkest + 40 && greyed.darkest <= 109,
                 qPrintable(QString("darkest ink: closed slot %1, open slot %2")
                                .arg(greyed.darkest)
                                .arg(normal.darkest)));
        playInto(game_, Scene::LostOnTime);
        auto* clock = control<QLineEdit>("Text1");
        const QImage ended = clock->grab().toImage();
        int lightest = 0;
        for (int y = 0; y < ended.height(); ++y)
            for (int x = 0; x < ended.width(); ++x)
                lightest = std::max(lightest, qGray(ended.pixel(x, y)));
        QVERIFY(!clock->isEnabled());
        QCOMPARE(lightest, 255);
    }

private:
    FixedGame game_;
};

TARVO_TEST_MAIN(CaptionsTest)
#include "tst_captions.moc"
