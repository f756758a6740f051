// SPDX-License-Identifier: MIT
#include "platform/forms/client_area.h"

#include <QPaintEvent>
#include <QPainter>

namespace tarvo::platform {

void ClientArea::setBackColour(const QColor& colour) {
    back_ = colour;
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ClientArea::paintEvent(QPaintEvent* event) {
    if (back_.isValid())
        QPainter(this).fillRect(event->rect(), back_);
}

}  // namespace tarvo::platform
