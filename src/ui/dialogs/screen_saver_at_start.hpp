#pragma once

namespace quillo {

class App;

// A screen saver that the settings switched off stays off for as long as
// the program runs: every start (a restart for another language included)
// switches it off again when `Screen` holds the number 1, and does nothing
// for any other value.
void bindScreenSaverAtStart(App& app);

}  // namespace quillo
