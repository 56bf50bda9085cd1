#pragma once

namespace quillo {

class App;

// The column labels 2 to 5 of the main window's title bar open the column
// window beside the main window on live TV, the application centre or one of
// the two custom columns; at most one column window is open, and an open
// player window is closed first.
void bindColumnOpeners(App& app);

}  // namespace quillo
