// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QWidget>

namespace tarvo::platform {

// The part of a window below its menu bar, where the controls stand. Its colour is painted rather
// than set in its palette: a palette of its own would be inherited by every control, with a
// fresh cache key in each new window, and the style's pixmap cache would grow with every restart.
class ClientArea final : public QWidget {
    Q_OBJECT
public:
    explicit ClientArea(QWidget* parent) : QWidget(parent) {}
    void setBackColour(const QColor& colour);
    QColor backColour() const { return back_; }
    // Shows the plain face over every control, or the controls again as they were.
    void setCovered(bool covered);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor back_;
    QWidget* cover_ = nullptr;
};

}  // namespace tarvo::platform
