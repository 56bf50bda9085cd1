#pragma once

#include <QPixmap>
#include <QPoint>
#include <QWidget>
#include <functional>
#include <optional>

#include "ui/model/control.hpp"

namespace quillo::qt {

// Decodes a picture of the model; an empty or undecodable picture gives a
// null pixmap, which leaves the slot blank.
QPixmap pixmapOf(const ui::Picture& picture);

// A picture box: shows its picture stretched over its rectangle. A title bar
// (its definition says it drags the window) also moves its window when dragged with the left
// button: through the window manager where there is one, by hand otherwise.
// Presses on other picture boxes go on to their parent.
class PictureBox final : public QWidget {
public:
    PictureBox(QWidget* parent, bool titleBar);

    void setPicture(QPixmap picture);
    const QPixmap& picture() const { return picture_; }
    bool dragsWindow() const { return titleBar_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QPixmap picture_;
    bool titleBar_;
    std::optional<QPoint> dragOffset_;  // pointer minus window position, while dragged by hand
};

}  // namespace quillo::qt
