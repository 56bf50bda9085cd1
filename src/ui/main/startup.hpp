#pragma once

namespace quillo {

class App;
namespace ui {
class Window;
}

// The main window's created event: the start-up sequence, in its fixed order.
void runStartup(App& app, ui::Window& window);

// The start-up from the loading page and the switch page on, with the
// language code read at creation: what the retry of the unreachable page
// runs again.
void runStartupFromSwitchPage(App& app, ui::Window& window);

// Title, name and column labels from the run state, the custom-column
// switches, the first navigation of the main browser, text advertisement 1
// and the update check. Returns false when the update
// check ended the process.
bool applyTextsAndBrowse(App& app, ui::Window& window);

// Shows or hides the two custom-column labels by their switch pages; any
// other answer leaves a label as designed (visible).
void applyCustomColumnSwitches(App& app, ui::Window& window);

// Binds the start-up to the main window's created event, and the end of the
// loading page to the site browser's first completed document.
void bindStartup(App& app);

}  // namespace quillo
