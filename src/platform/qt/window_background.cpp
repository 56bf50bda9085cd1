#include "platform/qt/window_background.hpp"

#include <cstdlib>

namespace quillo::qt {
namespace {

// How far, in parts of a hundred, the picture's proportions may stray from
// the area's for it to count as a design for the whole window.
constexpr long long kProportionTolerancePercent = 2;

bool sameProportions(QSize picture, QSize area) {
    const long long pictureAcross = static_cast<long long>(picture.width()) * area.height();
    const long long areaAcross = static_cast<long long>(area.width()) * picture.height();
    return std::llabs(pictureAcross - areaAcross) * 100 <= kProportionTolerancePercent * areaAcross;
}

}  // namespace

void paintWindowBackground(QPainter& painter, const QRect& area, const QPixmap& picture) {
    if (picture.isNull() || area.isEmpty()) {
        return;
    }
    if (picture.size() == area.size()) {
        painter.drawPixmap(area.topLeft(), picture);
    } else if (sameProportions(picture.size(), area.size())) {
        painter.drawPixmap(area, picture);
    } else {
        painter.drawTiledPixmap(area, picture);
    }
}

}  // namespace quillo::qt
