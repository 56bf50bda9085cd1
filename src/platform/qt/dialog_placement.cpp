#include "platform/qt/dialog_placement.hpp"

#include <QGuiApplication>
#include <QRect>
#include <QScreen>
#include <QWidget>

#include "ui/model/window.hpp"

namespace quillo::qt {

void prepareDialog(QWidget& dialog, ui::Window& window, const QWidget* mainWindow) {
    // Without a transient parent, a dialog is transient for the whole
    // program (its client leader), so no window of the program covers it.
    dialog.setWindowFlag(Qt::Dialog, true);

    QRect around;
    if (mainWindow != nullptr && mainWindow->isVisible() && !mainWindow->isMinimized()) {
        around = mainWindow->geometry();
    } else if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        around = screen->availableGeometry();
    } else {
        return;
    }
    const ui::Rect size = window.geometry();
    window.move(around.x() + (around.width() - size.width) / 2,
                around.y() + (around.height() - size.height) / 2, size.width, size.height);
}

}  // namespace quillo::qt
