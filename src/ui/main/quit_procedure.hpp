#pragma once

namespace quillo {

class App;

// Quitting from the menu or the close button. With the start-up switch on,
// the program ends at once. Otherwise the exit pages are asked, always all
// three and in order; the exit pop-up takes over (main window hidden) only
// when the server asks for it; the server's language is stored only when it
// is a valid code; in every other case the program ends.
void quitProcedure(App& app);

}  // namespace quillo
