// SPDX-License-Identifier: MIT
// The toolkit's side of the forms runtime: private to src/platform/.
#pragma once

#include "platform/control_style.h"
#include "platform/form.h"
#include "platform/held_keys.h"
#include "platform/run_time_error.h"

#include <QLabel>
#include <QStringList>
#include <QTimer>
#include <QWidget>

#include <deque>
#include <optional>
#include <string_view>
#include <vector>

class QMenuBar;
class QVBoxLayout;

namespace tarvo::platform {

inline QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// The MIME type of a drag between labels; the payload is the source label's tag.
QString dragMimeType();

// The part of a window below its menu bar, where the controls stand. Its colour is painted rather
// than set in its palette: a palette of its own would be inherited by every control, with a
// fresh cache key in each new window, and the style's pixmap cache would grow with every restart.
class ClientArea final : public QWidget {
    Q_OBJECT
public:
    explicit ClientArea(QWidget* parent) : QWidget(parent) {}
    void setBackColour(const QColor& colour);
    QColor backColour() const { return back_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor back_;
};

// A window's voice for a screen reader: notifications in a status bar, which a screen reader
// speaks as their bare text each time one is shown. It takes no room and draws nothing.
class SpeechBar final : public QWidget {
    Q_OBJECT
public:
    explicit SpeechBar(QWidget* window);
    // Speaks once the window is active, no menu of it is open and the keys have paused, after
    // every text said before it.
    void tell(const QString& text);
    // As tell, for where the keyboard's cursor is: gives way to a newer echo not yet spoken.
    void echo(const QString& text);
    // Any key pressed in the window, which reached the program at that monotonic time in ms:
    // the screen reader stops speaking.
    void keyPressed(qint64 arrived);
    // Texts told and not yet spoken, for the window that takes this one's place.
    QStringList untold() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Waiting {
        QString text;
        bool echo;
    };
    void wait(const QString& text, bool echo);
    void speakIfHeard();
    std::vector<Waiting> waiting_;
    // The last texts spoken that are no echoes, for as long as a key may cut them.
    std::vector<Waiting> told_;
    qint64 lastKey_ = 0, toldAt_ = 0;  // monotonic ms
    std::deque<QWidget*> notes_;       // the newest last
    QTimer nextTry_;                   // when the waiting texts may be heard: after the handler, or the burst
};

class FormWindow final : public QWidget {
    Q_OBJECT
public:
    explicit FormWindow(const FormSpec& spec);

    ClientArea* clientArea() const { return client_; }
    QMenuBar* menuBar();
    void setCloseHandler(Handler handler) { close_ = handler; }
    void setKeyDownHandler(KeyDownHandler handler, HeldKey heldKeys);
    void setClickElsewhereHandler(Handler handler);
    SpeechBar& speech();

    // After unloading the window is hidden, its timers stopped and its handlers silent.
    void unload();
    bool isUnloaded() const { return unloaded_; }

    // A blocked window takes no input, menus included, and looks as it did: each control keeps
    // the enabled look of its own state.
    void setInputBlocked(bool blocked);
    bool isInputBlocked() const { return inputBlocked_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void raiseClose();
    bool previewKey(QObject* receiver, const QKeyEvent* event, bool repeat);

    QVBoxLayout* layout_;
    ClientArea* client_;
    QMenuBar* menuBar_ = nullptr;
    SpeechBar* speech_ = nullptr;
    HeldKey heldKeys_ = HeldKey::Repeats;
    HeldKeys held_;
    Handler close_ = nullptr;
    KeyDownHandler keyDown_ = nullptr;
    Handler clickElsewhere_ = nullptr;
    // The time of the last press raised for: the toolkit offers a press to each parent in turn.
    ulong lastPressSeen_ = 0;
    bool closeOnEscape_;
    bool unloaded_ = false;
    bool inputBlocked_ = false;
};

// The window a control, timer or menu item belongs to.
const FormWindow* formWindowOf(const QObject* object);

// Runs a handler raised by a control of the window, unless the window was unloaded meanwhile.
template <class Fn>
void dispatchFrom(const FormWindow* window, Fn&& handler) {
    if (window && !window->isUnloaded())
        dispatch(std::forward<Fn>(handler));
}

// Gives a control the name and description a screen reader speaks; returns the name to speak its
// state after, empty when its state is not spoken.
QString setAccessible(QWidget* control, const Accessible& accessible);

// Speaks a named control as "name: state", or by its name alone while the state is empty.
void speakState(QWidget* control, const QString& name, const QString& state);

class LabelWidget final : public QLabel {
    Q_OBJECT
public:
    explicit LabelWidget(QWidget* parent) : QLabel(parent) {}

    void setCaption(const QString& caption) {
        setText(caption);
        speakState(this, spokenName, caption);
    }

    QString spokenName;  // empty: the caption alone is spoken
    QString tag;
    DragMode dragMode = DragMode::Manual;
    Label::DragDropHandler dropHandler = nullptr;
    Label::ClickHandler clickHandler = nullptr;

    bool takesDropFrom(const LabelWidget* source) const;
    void dropFrom(LabelWidget* source, QPointF at);
    void setMarked(bool on);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    LabelWidget* sourceOf(const QDropEvent* event) const;
    void setHovered(bool on);
    void showHighlight();
    bool hovered_ = false;  // a drag that this label would take hovers over it
    bool marked_ = false;
    std::optional<QPoint> pressedAt_;  // a press that may yet be a click or start a drag
};

class ImageWidget final : public QLabel {
    Q_OBJECT
public:
    explicit ImageWidget(QWidget* parent) : QLabel(parent) {}

    QString spokenName;
    Picture picture;
};

QColor toQColor(Colour colour);

// Font, colours, border, alignment and mouse pointer of a control, from its look. A control
// that names no font keeps its form's.
void applyLook(QWidget* control, const ControlLook& look);

}  // namespace tarvo::platform
