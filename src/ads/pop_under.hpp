#pragma once

namespace quillo {

class App;

// The pop-under: the main window's pop-under timer opens PopUnderWindow
// while the start-up's switch is on, at the period the server sets; the
// window's set-up, its close button and its browser menu.
void bindPopUnder(App& app);

}  // namespace quillo
