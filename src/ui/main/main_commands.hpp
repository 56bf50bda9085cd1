#pragma once

namespace quillo {

class App;

// The main window's commands: the options menu (options button and tray),
// the browser menu, the tray icon and the close button, and every menu
// item's action.
void bindMainCommands(App& app);

}  // namespace quillo
