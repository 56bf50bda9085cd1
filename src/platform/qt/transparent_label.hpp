#pragma once

#include <QLabel>
#include <QPoint>
#include <functional>

namespace quillo::qt {

// Text without a background of its own. A left-button press is reported
// with its position in the label; a label that takes presses (one with
// the hand cursor) keeps it, the others pass it on to their parent too (so the title bar
// behind them can still be dragged).
class TransparentLabel final : public QLabel {
public:
    TransparentLabel(QWidget* parent, bool takesPress, std::function<void(QPoint)> leftButtonDown);

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    bool takesPress_;
    std::function<void(QPoint)> leftButtonDown_;
};

}  // namespace quillo::qt
