#include "platform/qt/popup_anchor.hpp"

#include <QWidget>
#include <QWindow>
#include <algorithm>

namespace quillo::qt {

QRect cornerInside(const QRect& anchor, QSize popup) {
    const int left = std::max(anchor.left(), anchor.left() + anchor.width() - popup.width());
    const int top = std::max(anchor.top(), anchor.top() + anchor.height() - popup.height());
    return {QPoint(left, top), popup};
}

bool anchorToWindow(QWidget& popup, const QWidget& anchor, bool clientPlacesWindows) {
    if (clientPlacesWindows || popup.isVisible() || !anchor.isVisible() || anchor.isMinimized() ||
        anchor.windowHandle() == nullptr) {
        return false;
    }
    // A tool-tip window with a parent is the toolkit's pop-up surface that
    // takes no input grab; the keyboard stays where it is.
    popup.setWindowFlags(Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus);
    // The toolkit measures the pop-up's place from the parent's rectangle
    // as it knows it, not from where the compositor put the parent.
    popup.setGeometry(cornerInside(anchor.geometry(), popup.size()));
    popup.winId();
    if (QWindow* handle = popup.windowHandle()) {
        handle->setTransientParent(anchor.windowHandle());
    }
    return true;
}

}  // namespace quillo::qt
