#pragma once

#include <QAbstractButton>
#include <QPixmap>
#include <array>

namespace quillo::qt {

// A button drawn entirely from three pictures: normal, pointer over it and
// pressed. A missing picture of a state falls back to the normal one.
class ImageButton final : public QAbstractButton {
public:
    explicit ImageButton(QWidget* parent);

    void setPictures(QPixmap normal, QPixmap hover, QPixmap pressed);
    // 0 normal, 1 pointer over it, 2 pressed, as set.
    const QPixmap& picture(std::size_t state) const { return pictures_.at(state); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    std::array<QPixmap, 3> pictures_;
};

}  // namespace quillo::qt
