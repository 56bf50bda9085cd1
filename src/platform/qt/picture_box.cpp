#include "platform/qt/picture_box.hpp"

#include <QMouseEvent>
#include <QPainter>
#include <QWindow>
#include <utility>

namespace quillo::qt {

QPixmap pixmapOf(const ui::Picture& picture) {
    QPixmap pixmap;
    if (!picture.empty()) {
        pixmap.loadFromData(reinterpret_cast<const uchar*>(picture.bytes->data()),
                            static_cast<uint>(picture.bytes->size()));
    }
    return pixmap;
}

PictureBox::PictureBox(QWidget* parent, bool titleBar) : QWidget(parent), titleBar_(titleBar) {}

void PictureBox::setPicture(QPixmap picture) {
    picture_ = std::move(picture);
    update();
}

void PictureBox::paintEvent(QPaintEvent*) {
    if (picture_.isNull()) {
        return;
    }
    QPainter painter(this);
    painter.drawPixmap(rect(), picture_);
}

void PictureBox::mousePressEvent(QMouseEvent* event) {
    if (!titleBar_ || event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    QWindow* handle = window()->windowHandle();
    if (handle != nullptr && handle->startSystemMove()) {
        return;
    }
    dragOffset_ = event->globalPosition().toPoint() - window()->pos();
}

void PictureBox::mouseMoveEvent(QMouseEvent* event) {
    if (!dragOffset_ || (event->buttons() & Qt::LeftButton) == 0) {
        event->ignore();
        return;
    }
    window()->move(event->globalPosition().toPoint() - *dragOffset_);
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event) {
    if (!dragOffset_) {
        event->ignore();
        return;
    }
    dragOffset_.reset();
}

}  // namespace quillo::qt
