#pragma once

class QWidget;

namespace quillo::ui {
class Window;
}

namespace quillo::qt {

// A modal window of the program (the settings and About pages) is a dialog
// for the window manager: it stays above every window of the program and
// stands centred on the main window, or on the screen while the main window
// is hidden. The position goes to the model, which moves the real window.
// Call before the dialog is first shown.
void prepareDialog(QWidget& dialog, ui::Window& window, const QWidget* mainWindow);

}  // namespace quillo::qt
