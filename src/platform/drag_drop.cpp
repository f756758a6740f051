// SPDX-License-Identifier: MIT
#include "platform/widgets.h"

#include <QDrag>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QMouseEvent>

namespace tarvo::platform {

QString dragMimeType() { return QStringLiteral("application/x-tarvo-digit"); }

void LabelWidget::mousePressEvent(QMouseEvent* event) {
    if (dragMode != DragMode::Automatic || event->button() != Qt::LeftButton || !isEnabled()) {
        QLabel::mousePressEvent(event);
        return;
    }
    // Automatic drag mode: the press itself starts the drag, carrying the tag.
    auto* mime = new QMimeData;
    mime->setData(dragMimeType(), tag.toUtf8());
    auto* drag = new QDrag(this);
    drag->setMimeData(mime);
    drag->setPixmap(grab());
    drag->setHotSpot(event->position().toPoint());
    drag->exec(Qt::CopyAction);
}

// Only a label of this program can be the source of a drop, and only while it is enabled.
bool LabelWidget::accepts(const QDropEvent* event) const {
    if (!dropHandler || !isEnabled() || !event->mimeData()->hasFormat(dragMimeType()))
        return false;
    const FormWindow* window = formWindowOf(this);
    if (!window || window->isUnloaded())
        return false;
    const auto* source = qobject_cast<const LabelWidget*>(event->source());
    return source && source->isEnabled() && event->mimeData()->data(dragMimeType()) == source->tag.toUtf8();
}

void LabelWidget::setHighlighted(bool on) {
    if (highlighted_ == on)
        return;
    highlighted_ = on;
    setBackgroundRole(on ? QPalette::Highlight : QPalette::Button);
    setForegroundRole(on ? QPalette::HighlightedText : QPalette::ButtonText);
}

void LabelWidget::dragEnterEvent(QDragEnterEvent* event) {
    if (accepts(event)) {
        event->acceptProposedAction();
        setHighlighted(true);
    } else {
        event->ignore();
    }
}

void LabelWidget::dragMoveEvent(QDragMoveEvent* event) {
    if (accepts(event)) {
        event->acceptProposedAction();
    } else {
        event->ignore();
        setHighlighted(false);
    }
}

void LabelWidget::dragLeaveEvent(QDragLeaveEvent* event) {
    setHighlighted(false);
    QLabel::dragLeaveEvent(event);
}

void LabelWidget::dropEvent(QDropEvent* event) {
    setHighlighted(false);
    if (!accepts(event)) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    const Label target(this);
    const Label source(qobject_cast<LabelWidget*>(event->source()));
    const QPointF at = event->position() * kTwipsPerPixel;
    const Label::DragDropHandler handler = dropHandler;
    dispatch([&] {
        Label slot = target;
        handler(slot, source, float(at.x()), float(at.y()));
    });
}

}  // namespace tarvo::platform
