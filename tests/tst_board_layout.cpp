// SPDX-License-Identifier: MIT
// The board window as created: every control's place, size, text, font and state, and the menus.
// Expected values are the layout's twips divided by 15, written out here.
#include "support/board.h"
#include "windows/board_window.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QTest>

using namespace tarvo;
using testing::control;

namespace {

constexpr int kRowTops[] = {72, 104, 136, 168, 200, 232};
constexpr int kSlotLefts[] = {43, 83, 123, 163};
constexpr int kPegLefts[] = {247, 287, 327, 367};

QString name(const char* kind, int number) { return QString("%1%2").arg(kind).arg(number); }

}  // namespace

class BoardLayoutTest : public QObject {
    Q_OBJECT

private slots:
    void init() { testing::startGame(); }
    void cleanup() { testing::closeEverything(); }

    void windowHasItsCaptionFixedClientAreaAndIcon() {
        QWidget* board = testing::boardWidget();
        QVERIFY(board);
        QCOMPARE(board->windowTitle(), QString("Tarvo"));
        // Every size that a task bar or switcher may ask for, drawn for that size.
        const QIcon icon = board->windowIcon();
        for (int size : {16, 24, 32, 48, 64, 128, 256}) {
            const QString file = QString(QT_TESTCASE_SOURCEDIR "/../data/icons/%1x%1/tarvo.png").arg(size);
            QVERIFY2(icon.pixmap(size).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied) ==
                         QImage(file).convertToFormat(QImage::Format_ARGB32_Premultiplied),
                     qPrintable(QString("the %1 x %1 icon is not the one drawn for that size").arg(size)));
        }
        QCOMPARE(board->minimumSize(), board->maximumSize());  // cannot be resized
        QWidget* client = board->findChild<QWidget*>("Form1Client");
        QVERIFY(client);
        QCOMPARE(client->size(), QSize(433, 377));
        QCOMPARE(client->y(), board->findChild<QMenuBar*>()->height());
        QCOMPARE(client->grab().toImage().pixelColor(430, 300), QColor(0xC0, 0xC0, 0xC0));  // bare background
    }

    void windowOpensCentredOnTheScreen() {
        QWidget* board = testing::boardWidget();
        const QPoint screenCentre = board->screen()->availableGeometry().center();
        QVERIFY(std::abs(board->frameGeometry().center().x() - screenCentre.x()) <= 1);
        QVERIFY(std::abs(board->frameGeometry().center().y() - screenCentre.y()) <= 1);
    }

    void labelsHaveTheirPlaceTextAndFont_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("geometry");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<double>("points");
        QTest::addColumn<bool>("bold");

        const int codeLefts[] = {140, 180, 220, 260};
        for (int k = 1; k <= 4; ++k)
            QTest::newRow(qPrintable(name("Label", k)))
                << name("Label", k) << QRect(codeLefts[k - 1], 8, 33, 33) << QString() << true << 21.75
                << true;
        for (int r = 1; r <= 6; ++r)
            QTest::newRow(qPrintable(name("Label", 4 + r)))
                << name("Label", 4 + r) << QRect(9, kRowTops[r - 1], 17, 25) << QString("%1.").arg(r) << true
                << 12.0 << true;
        for (int r = 1; r <= 6; ++r)
            for (int p = 1; p <= 4; ++p) {
                const int n = 10 + 4 * (r - 1) + p;
                QTest::newRow(qPrintable(name("Label", n)))
                    << name("Label", n) << QRect(kSlotLefts[p - 1], kRowTops[r - 1], 25, 25) << QString()
                    << (r == 1) << 12.0 << true;
            }
        const QPoint tiles[] = {{376, 336}, {392, 336}, {408, 336}, {376, 352}, {392, 352}, {408, 352}};
        for (int d = 1; d <= 6; ++d)
            QTest::newRow(qPrintable(name("Label", 58 + d)))
                << name("Label", 58 + d) << QRect(tiles[d - 1], QSize(17, 17)) << QString::number(d) << true
                << 8.0 << false;
        QTest::newRow("Label35") << QString("Label35") << QRect(47, 264, 337, 65) << QString() << true
                                 << 44.25 << true;
    }
    void labelsHaveTheirPlaceTextAndFont() {
        QFETCH(QString, name);
        QFETCH(QRect, geometry);
        QFETCH(QString, caption);
        QFETCH(bool, enabled);
        QFETCH(double, points);
        QFETCH(bool, bold);
        auto* label = control<QLabel>(name);
        QVERIFY(label);
        QCOMPARE(label->geometry(), geometry);
        QCOMPARE(label->text(), caption);
        QCOMPARE(label->isEnabled(), enabled);
        QCOMPARE(label->font().pointSizeF(), points);
        QCOMPARE(label->font().bold(), bold);
        QCOMPARE(label->focusPolicy(), Qt::NoFocus);
    }

    void arialResolvesToAMetricCompatibleFace() {
        const QFontInfo info(control<QLabel>("Label35")->font());
        QCOMPARE(info.family(), QString("Liberation Sans"));
    }

    void pegsAreEmptyStretchedPictures() {
        for (int r = 1; r <= 6; ++r)
            for (int p = 1; p <= 4; ++p) {
                auto* peg = control<QLabel>(name("Image", 4 * (r - 1) + p));
                QVERIFY(peg);
                QCOMPARE(peg->geometry(), QRect(kPegLefts[p - 1], kRowTops[r - 1], 25, 25));
                QVERIFY(peg->pixmap().isNull());
                QVERIFY(peg->hasScaledContents());
            }
    }

    void tilesAreDragSourcesTaggedWithTheirDigit() {
        for (int d = 1; d <= 6; ++d) {
            QCOMPARE(Form1().tile(d).tag(), std::to_string(d));
            QCOMPARE(control<QLabel>(name("Label", 58 + d))->cursor().shape(), Qt::PointingHandCursor);
        }
    }

    void bordersAndAlignments() {
        for (const char* bordered : {"Label1", "Label11", "Label34", "Label59"})
            QVERIFY2(control<QLabel>(bordered)->frameShape() != QFrame::NoFrame, bordered);
        for (const char* plain : {"Label5", "Label35"})
            QCOMPARE(control<QLabel>(plain)->frameShape(), QFrame::NoFrame);
        for (const char* centred : {"Label1", "Label5", "Label11", "Label35", "Label59"})
            QVERIFY(control<QLabel>(centred)->alignment() & Qt::AlignHCenter);
        QVERIFY(control<QLineEdit>("Text1")->alignment() & Qt::AlignHCenter);
    }

    void colours() {
        auto* message = control<QLabel>("Label35");
        QCOMPARE(message->palette().color(message->backgroundRole()), QColor(0xC0, 0xC0, 0xC0));
        QCOMPARE(message->palette().color(QPalette::Active, message->foregroundRole()), QColor(0, 0, 0xC0));
        auto* rowNumber = control<QLabel>("Label5");
        QCOMPARE(rowNumber->palette().color(rowNumber->backgroundRole()), QColor(0xC0, 0xC0, 0xC0));
        auto* clock = control<QLineEdit>("Text1");
        QCOMPARE(clock->palette().color(QPalette::Base), QColor(0xFF, 0, 0));
        QCOMPARE(clock->palette().color(QPalette::Active, QPalette::Text),
                 QApplication::palette().color(QPalette::Base));
    }

    void showButtonAndClockBox() {
        auto* show = control<QPushButton>("Command1");
        QVERIFY(show);
        QCOMPARE(show->geometry(), QRect(176, 344, 81, 25));
        QCOMPARE(show->text(), QString("Show"));
        QCOMPARE(show->cursor().shape(), Qt::PointingHandCursor);
        QVERIFY(show->isEnabled());

        auto* clock = control<QLineEdit>("Text1");
        QVERIFY(clock);
        QCOMPARE(clock->geometry(), QRect(8, 344, 105, 25));
        QCOMPARE(clock->font().pointSizeF(), 12.0);
        QVERIFY(clock->font().bold());
        QVERIFY(!clock->isReadOnly());
        QVERIFY(clock->isEnabled());
    }

    // The line a braille display shows has the focus, so that a screen reader builds it. Neither
    // Tab nor a click takes the keys from the board: the clock box only shows the time, and
    // "Show" takes its keys from the board.
    void theReadingLineHasTheFocusAndTheKeysStayTheBoards() {
        QWidget* board = testing::boardWidget();
        board->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(board));
        auto* line = control<QWidget>("ReadingLine");
        auto* clock = control<QLineEdit>("Text1");
        QCOMPARE(QApplication::focusWidget(), line);
        testing::pressKeys("Tab");
        QCOMPARE(QApplication::focusWidget(), line);
        QTest::mouseClick(clock, Qt::LeftButton);
        QTest::mouseClick(control<QPushButton>("Command1"), Qt::LeftButton);
        QCOMPARE(QApplication::focusWidget(), line);
        testing::pressKeys("1 2");
        QCOMPARE(testing::captionsOf(1), QString("12  "));
        QContextMenuEvent menu(QContextMenuEvent::Mouse, clock->rect().center(),
                               clock->mapToGlobal(clock->rect().center()));
        QApplication::sendEvent(clock, &menu);
        QCOMPARE(QApplication::activePopupWidget(), nullptr);
    }

    // The access keys, and the desktop's usual keys for a new game and for quitting.
    void menusInOrderWithAccessKeysAndShortcuts() {
        QMenuBar* bar = testing::boardWidget()->findChild<QMenuBar*>();
        QVERIFY(bar);
        const QList<QAction*> titles = bar->actions();
        QCOMPARE(titles.size(), 3);
        const QStringList expectedTitles{"&File", "&Level", "&Help"};
        const QList<QStringList> expectedItems{
            {"&New\tCtrl+N", "E&xit\tCtrl+Q"}, {"Ha&rd", "N&ormal", "&Easy"}, {"How to &play\tF1", "&About"}};
        for (int m = 0; m < 3; ++m) {
            QCOMPARE(titles[m]->text(), expectedTitles[m]);
            const QList<QAction*> items = titles[m]->menu()->actions();
            QCOMPARE(items.size(), expectedItems[m].size());
            for (int i = 0; i < items.size(); ++i) {
                const QString shortcut = items[i]->shortcut().toString();
                QCOMPARE(items[i]->text() + (shortcut.isEmpty() ? "" : "\t" + shortcut), expectedItems[m][i]);
            }
        }
    }
};

TARVO_TEST_MAIN(BoardLayoutTest)
#include "tst_board_layout.moc"
