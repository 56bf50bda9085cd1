#pragma once

#include <QPainter>
#include <QPixmap>
#include <QRect>

namespace quillo::qt {

// Paints a window's background picture over `area`. A picture in about the
// proportions of the area is a design for the whole window and is scaled to
// it (drawn as it is when the sizes match); any other picture is a pattern
// and is tiled from the top-left corner. A null picture paints nothing.
void paintWindowBackground(QPainter& painter, const QRect& area, const QPixmap& picture);

}  // namespace quillo::qt
