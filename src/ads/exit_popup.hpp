#pragma once

namespace quillo {

class App;

// The exit pop-up that the quit procedure opens with the main window
// hidden: its set-up asks the server again whether to show, and the program
// ends through the main window's destruction when the server says off, when
// its lifetime runs out or by its close button.
void bindExitPopup(App& app);

}  // namespace quillo
