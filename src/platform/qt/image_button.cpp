#include "platform/qt/image_button.hpp"

#include <QPainter>
#include <utility>

namespace quillo::qt {

ImageButton::ImageButton(QWidget* parent) : QAbstractButton(parent) {
    setAttribute(Qt::WA_Hover);
    setFocusPolicy(Qt::NoFocus);
}

void ImageButton::setPictures(QPixmap normal, QPixmap hover, QPixmap pressed) {
    pictures_ = {std::move(normal), std::move(hover), std::move(pressed)};
    update();
}

void ImageButton::paintEvent(QPaintEvent*) {
    const QPixmap* picture = &pictures_[0];
    if (isDown() && !pictures_[2].isNull()) {
        picture = &pictures_[2];
    } else if (!isDown() && underMouse() && !pictures_[1].isNull()) {
        picture = &pictures_[1];
    }
    if (picture->isNull()) {
        return;
    }
    QPainter painter(this);
    painter.drawPixmap(rect(), *picture);
}

void ImageButton::enterEvent(QEnterEvent* event) {
    update();
    QAbstractButton::enterEvent(event);
}

void ImageButton::leaveEvent(QEvent* event) {
    update();
    QAbstractButton::leaveEvent(event);
}

}  // namespace quillo::qt
