#pragma once

#include <chrono>

namespace quillo {

class App;
namespace ui {
class Window;
}

// The exit pages share this wait: the user is leaving, so a server that is
// slow or does not answer holds the program for no longer than this after
// Quit, whatever the content client's own time-outs.
inline constexpr std::chrono::milliseconds kQuitWait{1500};

// Quitting from the menu or the close button. With the start-up switch on,
// the program ends at once. Otherwise the exit pages are asked, always all
// three and in order within kQuitWait; the exit pop-up takes over (main window hidden) only
// when the server asks for it; the server's language is stored only when it
// is a valid code; in every other case the program ends.
void quitProcedure(App& app, ui::Window& mainWindow);

}  // namespace quillo
