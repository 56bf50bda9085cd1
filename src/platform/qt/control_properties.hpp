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
// stacking. Returns true for a change that should be painted at once (texts
// and pictures set while a handler runs, which may block on the network).
// Interval and status texts have no widget side.
bool applyControlProperty(QWidget& widget, const ui::Control& control,
                          ui::ControlProperty property);

}  // namespace quillo::qt
