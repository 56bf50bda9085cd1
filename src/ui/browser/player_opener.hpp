#pragma once

namespace quillo {

class App;

// A link of the main window's site browser that asks for a new window opens
// the player window instead, beside the main window; at most one player
// window is open.
void bindPlayerOpener(App& app);

}  // namespace quillo
