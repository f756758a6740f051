// SPDX-License-Identifier: MIT
#pragma once

#include "platform/forms/handler.h"

#include <QObject>

namespace tarvo::platform {

class FormWindow;

// Raises a handler on a press of the mouse, or a tap, anywhere in a window, its menu bar too, but
// on an enabled label that takes clicks, and as a drag from a label begins.
class ClickElsewhere final : public QObject {
    Q_OBJECT
public:
    ClickElsewhere(FormWindow* window, Handler handler);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Handler handler_;
    // The time of the last press raised for: the toolkit offers a press to each parent in turn.
    quint64 lastPressSeen_ = 0;
};

}  // namespace tarvo::platform
