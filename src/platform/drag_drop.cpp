// SPDX-License-Identifier: MIT
#include "platform/widgets.h"

#include <QDrag>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QMouseEvent>

#include <algorithm>

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

void LabelWidget::setMarked(bool on) {
    if (on == marked_)
        return;
    marked_ = on;
    showHighlight();
}

void LabelWidget::showHighlight() {
    const bool on = hovered_ || marked_;
    setBackgroundRole(on ? QPalette::Highlight : QPalette::Button);
    setForegroundRole(on ? QPalette::HighlightedText : QPalette::ButtonText);
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
