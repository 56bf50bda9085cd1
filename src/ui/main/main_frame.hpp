#pragma once

namespace quillo {

class App;
namespace ui {
class Window;
}

// Reads the main window's skin pictures from the skin folder, in order. A
// missing file leaves its picture empty.
void loadMainWindowSkin(App& app, ui::Window& window);

// Minimize, maximize / restore, the loading-page swap, the status text and
// the memory timer of the main window.
void bindMainFrame(App& app);

}  // namespace quillo
