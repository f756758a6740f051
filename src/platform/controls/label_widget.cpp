// SPDX-License-Identifier: MIT
#include "platform/controls/label_widget.h"

#include "platform/forms/form_window.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QDrag>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>

#include <algorithm>
#include <utility>

namespace tarvo::platform {

QString dragMimeType() { return QStringLiteral("application/x-tarvo-digit"); }

namespace {

// A label as a screen reader knows it, selected while the keys' cursor stands on it: a magnifier
// that follows the keyboard goes where a label's selection is announced.
class LabelAccessible final : public QAccessibleWidget {
public:
    explicit LabelAccessible(LabelWidget* label) : QAccessibleWidget(label, QAccessible::StaticText) {}

    QString text(QAccessible::Text t) const override {
        const QString text = QAccessibleWidget::text(t);
        return t == QAccessible::Name && text.isEmpty() ? label()->text() : text;
    }
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.selectable = state.selected = label()->mark() == Mark::Cursor;
        return state;
    }

private:
    LabelWidget* label() const { return static_cast<LabelWidget*>(widget()); }
};

}  // namespace

LabelWidget::LabelWidget(QWidget* parent) : QLabel(parent) { useAccessible<LabelWidget, LabelAccessible>(); }

QEvent::Type dragStartEventType() {
    static const auto type = QEvent::Type(QEvent::registerEventType());
    return type;
}

// A press on a label that can be dragged or clicked is a drag once the mouse moves the
// desktop's drag distance, and a click when it is released on the label before that.
void LabelWidget::mousePressEvent(QMouseEvent* event) {
    if ((dragMode != DragMode::Automatic && !clickHandler) || event->button() != Qt::LeftButton) {
        QLabel::mousePressEvent(event);
        return;
    }
    pressedAt_ = event->position().toPoint();
}

void LabelWidget::mouseMoveEvent(QMouseEvent* event) {
    if (!pressedAt_ || dragMode != DragMode::Automatic ||
        (event->position().toPoint() - *pressedAt_).manhattanLength() < QApplication::startDragDistance()) {
        QLabel::mouseMoveEvent(event);
        return;
    }
    const QPoint hotSpot = *std::exchange(pressedAt_, std::nullopt);
    QEvent started(dragStartEventType());
    QCoreApplication::sendEvent(this, &started);
    auto* mime = new QMimeData;
    mime->setData(dragMimeType(), tag.toUtf8());
    auto* drag = new QDrag(this);
    drag->setMimeData(mime);
    drag->setPixmap(grab());
    drag->setHotSpot(hotSpot);
    drag->exec(Qt::CopyAction);
}

void LabelWidget::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = std::exchange(pressedAt_, std::nullopt) && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    if (!click || !clickHandler) {
        QLabel::mouseReleaseEvent(event);
        return;
    }
    Label label(this);
    const Label::ClickHandler handler = clickHandler;
    dispatchFrom(formWindowOf(this), [&] { handler(label); });
}

// The label a drop comes from: the drag's own source, or for a drag from another program (or
// another copy of this one) the label of this window that would carry the same payload. Only
// an enabled label in automatic drag mode can be the source of a drop.
LabelWidget* LabelWidget::sourceOf(const QDropEvent* event) const {
    if (!event->mimeData()->hasFormat(dragMimeType()))
        return nullptr;
    const QByteArray payload = event->mimeData()->data(dragMimeType());
    const auto carries = [&](const LabelWidget* label) {
        return label && label->dragMode == DragMode::Automatic && label->isEnabled() &&
               label->tag.toUtf8() == payload;
    };
    if (auto* source = qobject_cast<LabelWidget*>(event->source()))
        return carries(source) ? source : nullptr;
    const auto labels = window()->findChildren<LabelWidget*>();
    const auto found = std::find_if(labels.begin(), labels.end(), carries);
    return found != labels.end() ? *found : nullptr;
}

bool LabelWidget::takesDropFrom(const LabelWidget* source) const {
    if (!dropHandler || !isEnabled() || !source || source->dragMode != DragMode::Automatic ||
        !source->isEnabled())
        return false;
    const FormWindow* window = formWindowOf(this);
    return window && !window->isUnloaded();
}

void LabelWidget::dropFrom(LabelWidget* source, QPointF at) {
    Label target(this);
    const Label from(source);
    const QPointF twips = at * kTwipsPerPixel;
    const Label::DragDropHandler handler = dropHandler;
    dispatch([&] { handler(target, from, float(twips.x()), float(twips.y())); });
}

void LabelWidget::setHovered(bool on) {
    hovered_ = on;
    showHighlight();
}

// Dark blue: 3.9:1 against the board's grey (192, 192, 192), 6.2:1 against a label's face
// (239, 239, 239), with a white digit on it.
QColor markColor() { return {28, 90, 150}; }

void LabelWidget::setMark(Mark mark) {
    const Mark was = std::exchange(mark_, mark);
    if (was != mark) {
        showHighlight();
        update();
    }
    if (mark == Mark::Cursor || was == Mark::Cursor) {
        QAccessibleEvent selection(
            this, mark == Mark::Cursor ? QAccessible::SelectionAdd : QAccessible::SelectionRemove);
        QAccessible::updateAccessibility(&selection);
    }
}

// A drag hovering shows the desktop's highlight, as it always has; a picked label is filled with
// the mark's colour in the highlight's place.
void LabelWidget::showHighlight() {
    const bool picked = mark_ == Mark::Picked && !hovered_;
    QPalette colours = palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        colours.setColor(
            group, QPalette::Highlight,
            picked ? markColor() : QApplication::palette(this).color(group, QPalette::Highlight));
    setPalette(colours);
    setBackgroundRole(hovered_ || picked ? QPalette::Highlight : QPalette::Button);
    setForegroundRole(hovered_ || picked ? QPalette::HighlightedText : QPalette::ButtonText);
}

// Greyed as on the desktop the game was first written for: 4.5:1 on a label's face, where the
// style's own grey gives 1.6:1.
QColor greyedText() { return {109, 109, 109}; }

// Drawn with a palette of the moment: one set on each label would add to the style's caches with
// every new window.
void LabelWidget::paintEvent(QPaintEvent* event) {
    if (isEnabled() || text().isEmpty() || palette().isBrushSet(QPalette::Disabled, foregroundRole())) {
        QLabel::paintEvent(event);
    } else {
        QPainter painter(this);
        QPalette greyed = palette();
        greyed.setColor(QPalette::Disabled, foregroundRole(), greyedText());
        style()->drawItemText(&painter, contentsRect(),
                              int(QStyle::visualAlignment(layoutDirection(), alignment())) |
                                  (wordWrap() ? Qt::TextWordWrap : 0),
                              greyed, false, text(), foregroundRole());
        drawFrame(&painter);
    }
    if (mark_ == Mark::Cursor) {  // a bar under the caption, which stands high in a slot
        const QRect inside = contentsRect();
        QPainter(this).fillRect(inside.left() + 1, inside.bottom() + 1 - cursorBarHeight(),
                                inside.width() - 2, cursorBarHeight(), markColor());
    }
}

void LabelWidget::dragEnterEvent(QDragEnterEvent* event) {
    if (takesDropFrom(sourceOf(event))) {
        event->acceptProposedAction();
        setHovered(true);
    } else {
        event->ignore();
    }
}

void LabelWidget::dragMoveEvent(QDragMoveEvent* event) {
    if (takesDropFrom(sourceOf(event))) {
        event->acceptProposedAction();
    } else {
        event->ignore();
        setHovered(false);
    }
}

void LabelWidget::dragLeaveEvent(QDragLeaveEvent* event) {
    setHovered(false);
    QLabel::dragLeaveEvent(event);
}

void LabelWidget::dropEvent(QDropEvent* event) {
    setHovered(false);
    LabelWidget* source = sourceOf(event);
    if (!takesDropFrom(source)) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    dropFrom(source, event->position());
}

}  // namespace tarvo::platform
