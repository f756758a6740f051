// SPDX-License-Identifier: MIT
#include "platform/forms/client_area.h"

#include <QPaintEvent>
#include <QPainter>

namespace tarvo::platform {

void ClientArea::setBackColour(const QColor& colour) {
    back_ = colour;
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ClientArea::setCovered(bool covered) {
    if (!cover_) {
        cover_ = new QWidget(this);
        cover_->setObjectName(QStringLiteral("Cover"));
        QPalette face = cover_->palette();
        face.setColor(QPalette::Window, back_);
        cover_->setPalette(face);
        cover_->setAutoFillBackground(true);
    }
    cover_->setGeometry(rect());
    cover_->raise();
    cover_->setVisible(covered);
}

void ClientArea::paintEvent(QPaintEvent* event) {
    if (back_.isValid())
        QPainter(this).fillRect(event->rect(), back_);
}

}  // namespace tarvo::platform
