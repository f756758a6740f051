// SPDX-License-Identifier: MIT
#pragma once

#include "platform/controls/label.h"
#include "platform/controls/look.h"

#include <QEvent>
#include <QLabel>

#include <optional>

namespace tarvo::platform {

// The MIME type of a drag between labels; the payload is the source label's tag.
QString dragMimeType();

// The colour of a label's mark: the cursor's bar along the bottom, a picked label's face.
QColor markColor();
// The text of a label that is off, unless it has a colour of its own.
QColor greyedText();
constexpr int cursorBarHeight() { return 4; }

// Sent to a label as a drag from it begins: to its window, the press was not a click on it.
QEvent::Type dragStartEventType();

// What a Label control is on the screen: a caption that can be dragged, clicked and dropped on.
class LabelWidget final : public QLabel {
    Q_OBJECT
public:
    explicit LabelWidget(QWidget* parent);

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
    void setMark(Mark mark);
    Mark mark() const { return mark_; }

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    LabelWidget* sourceOf(const QDropEvent* event) const;
    void setHovered(bool on);
    void showHighlight();
    bool hovered_ = false;  // a drag that this label would take hovers over it
    Mark mark_ = Mark::None;
    std::optional<QPoint> pressedAt_;  // a press that may yet be a click or start a drag
};

}  // namespace tarvo::platform
