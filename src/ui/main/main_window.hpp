#pragma once

namespace quillo {

class App;

// Every behaviour of the main window: start-up, frame, menus, tray, close
// button and quitting.
void bindMainWindow(App& app);

}  // namespace quillo
