#pragma once

namespace quillo {

class App;
namespace ui {
class Window;
}

// SettingsWindow: its opening sequence, the language and renderer groups,
// Apply, Confirm and the tab to the About page.
void bindSettingsPage(App& app);

// Apply: stores the boxes, registers or removes the auto-start entry, sets
// the screen saver, and restarts the program when the stored language
// differs from the one read at the window's opening. True when the program
// is ending for that restart.
bool applySettings(App& app, ui::Window& window);

}  // namespace quillo
