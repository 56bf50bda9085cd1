#pragma once

#include <QRect>

#include "ui/model/backend.hpp"
#include "ui/model/control.hpp"
#include "ui/model/geometry.hpp"

class QWidget;

namespace quillo::qt {

inline QRect toQRect(ui::Rect rect) {
    return {rect.left, rect.top, rect.width, rect.height};
}

// Puts one property of a control of the model on its widget: geometry,
// visibility, text, text colour, font, pictures, check state, address or
// stacking. The widget paints the change with the next frame: a handler
// waiting for the network keeps the event loop running. Interval and status
// texts have no widget side.
void applyControlProperty(QWidget& widget, const ui::Control& control,
                          ui::ControlProperty property);

}  // namespace quillo::qt
