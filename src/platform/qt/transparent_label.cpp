#include "platform/qt/transparent_label.hpp"

#include <QMouseEvent>
#include <utility>

namespace quillo::qt {

TransparentLabel::TransparentLabel(QWidget* parent, bool takesPress,
                                   std::function<void(QPoint)> leftButtonDown)
    : QLabel(parent), takesPress_(takesPress), leftButtonDown_(std::move(leftButtonDown)) {
    setAutoFillBackground(false);
    setAttribute(Qt::WA_TranslucentBackground);
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

void TransparentLabel::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && leftButtonDown_) {
        leftButtonDown_(event->position().toPoint());
    }
    if (!takesPress_) {
        event->ignore();
    }
}

}  // namespace quillo::qt
