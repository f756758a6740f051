// SPDX-License-Identifier: MIT
#pragma once

#include "platform/services/picture.h"

#include <QLabel>

namespace tarvo::platform {

// What an Image control is on the screen: a label that shows a picture.
class ImageWidget final : public QLabel {
    Q_OBJECT
public:
    explicit ImageWidget(QWidget* parent) : QLabel(parent) {}

    QString spokenName;
    Picture picture;
};

}  // namespace tarvo::platform
