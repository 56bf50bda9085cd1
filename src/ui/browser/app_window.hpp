#pragma once

#include "core/text.hpp"

namespace quillo {

class App;

// What the column window hands the application window it loads: the
// address to open.
struct AppPage {
    Text address;
};

// The application window: a page that the application centre opened in a
// new window (its AppPage), over a loading view until it has loaded; its right-click menu
// by language, the maximize toggle (APPMaximize, restored 60 pixels down the
// cascade), close and text advertisement 4.
void bindAppWindow(App& app);

}  // namespace quillo
