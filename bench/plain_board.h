// SPDX-License-Identifier: MIT
// The board as a Qt developer writes such a window by hand, with no forms runtime: the same
// controls at the same places, the menus, the peg pictures loaded from the same files, "Show",
// the clock box and a 1 ms timer, in the language the program would choose. The floor the
// program's start and File > New are measured against.
#pragma once

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QIcon>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QLocale>
#include <QMenuBar>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTimer>
#include <QTranslator>
#include <QVBoxLayout>

// The game's texts and the toolkit's, and the window icon, for the whole run, as the program has them.
inline void usePlainBoardResources() {
    static QTranslator game, toolkit;
    const QStringList languages = QLocale::system().uiLanguages();
    for (const QString& language : languages)
        if (game.load("tarvo_" + QString(language).replace('-', '_'), ":/i18n"))
            break;
    if (game.isEmpty())
        (void)game.load("tarvo_en", ":/i18n");
    QCoreApplication::installTranslator(&game);
    if (!game.language().startsWith("en") &&
        toolkit.load("qtbase_" + game.language(), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&toolkit);
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addFile(QString(":/tarvo/%1x%1/tarvo.png").arg(size));
    QApplication::setWindowIcon(icon);
}

class PlainBoard final : public QWidget {
public:
    PlainBoard() {
        setWindowTitle("Tarvo");
        auto* layout = new QVBoxLayout(this);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setSizeConstraint(QLayout::SetFixedSize);
        auto* bar = new QMenuBar(this);
        layout->setMenuBar(bar);
        QMenu* file = bar->addMenu(tr("Menu bar", "&File"));
        file->addAction(tr("File menu", "&New"))->setShortcut(QKeySequence("Ctrl+N"));
        file->addAction(tr("File menu", "E&xit"))->setShortcut(QKeySequence("Ctrl+Q"));
        QMenu* level = bar->addMenu(tr("Menu bar", "&Level"));
        for (const char* item : {"Ha&rd", "N&ormal", "&Easy"}) {
            QAction* action = level->addAction(tr("Level menu", item));
            action->setCheckable(true);
            action->setChecked(item[1] == '&');
        }
        QMenu* help = bar->addMenu(tr("Menu bar", "&Help"));
        help->addAction(tr("Help menu", "How to &play"))->setShortcut(QKeySequence("F1"));
        help->addAction(tr("Help menu", "&About"));

        auto* client = new QWidget(this);
        client->setFixedSize(433, 377);
        client->setAutoFillBackground(true);
        QPalette grey = client->palette();
        grey.setColor(QPalette::Window, QColor(192, 192, 192));
        client->setPalette(grey);
        layout->addWidget(client);
        QFont font = client->font();
        font.setPointSize(8);
        client->setFont(font);

        const auto label = [client](QRect place, const QFont& font, bool framed, const QString& text = {}) {
            auto* l = new QLabel(text, client);
            l->setGeometry(place);
            l->setFont(font);
            l->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
            l->setAutoFillBackground(true);
            l->setBackgroundRole(QPalette::Button);
            if (framed)
                l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
            return l;
        };
        const QFont bold12("Arial", 12, QFont::Bold);
        for (int k = 0; k < 4; ++k)
            label({140 + 40 * k, 8, 33, 33}, QFont("Arial", 21.75, QFont::Bold), true);
        for (int r = 0; r < 6; ++r) {
            label({9, 72 + 32 * r, 17, 25}, bold12, false, QString("%1.").arg(r + 1))
                ->setBackgroundRole(QPalette::Window);
            for (int p = 0; p < 4; ++p) {
                label({43 + 40 * p, 72 + 32 * r, 25, 25}, bold12, true)->setEnabled(r == 0);
                auto* peg = new QLabel(client);
                peg->setGeometry(247 + 40 * p, 72 + 32 * r, 25, 25);
                peg->setScaledContents(true);
            }
        }
        for (int d = 0; d < 6; ++d)
            label({376 + 16 * (d % 3), 336 + 16 * (d / 3), 17, 17}, client->font(), true,
                  QString::number(d + 1))
                ->setCursor(Qt::PointingHandCursor);
        QLabel* message = label({47, 264, 337, 65}, QFont("Arial", 44.25, QFont::Bold), false);
        QPalette blue = message->palette();
        blue.setColor(QPalette::Button, QColor(192, 192, 192));
        blue.setColor(QPalette::ButtonText, QColor(0, 0, 192));
        message->setPalette(blue);
        auto* show = new QPushButton(tr("Board", "Show"), client);
        show->setGeometry(176, 344, 81, 25);
        show->setCursor(Qt::PointingHandCursor);
        auto* clock = new QLineEdit("2:45", client);
        clock->setGeometry(8, 344, 105, 25);
        clock->setFont(bold12);
        clock->setAlignment(Qt::AlignCenter);
        QPalette red = clock->palette();
        red.setColor(QPalette::Base, Qt::red);
        red.setColor(QPalette::Text, Qt::white);
        clock->setPalette(red);
        clock->setFocusPolicy(Qt::NoFocus);

        const QString folder = QCoreApplication::applicationDirPath() + "/Ikone/";
        inPlace_ = QPixmap(folder + "namest~1.ico");
        outOfPlace_ = QPixmap(folder + "vanmes~1.ico");
        timer_.start(1);
    }

    // Shown as the program shows the board: centred on the screen.
    void showCentred() {
        adjustSize();
        move(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(),
                                 QApplication::primaryScreen()->availableGeometry())
                 .topLeft());
        show();
    }

private:
    static QString tr(const char* context, const char* text) {
        return QCoreApplication::translate(context, text);
    }

    QPixmap inPlace_, outOfPlace_;
    QTimer timer_;
};
