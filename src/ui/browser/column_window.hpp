#pragma once

namespace quillo {

class App;

// The column window: a general browser (live TV, custom columns) and the
// application-centre browser, whichever completed a page last shown over a
// loading view; right-click menus by language, the maximize toggle
// (APPCenterMaximize, restored 30 pixels down the cascade), close, text
// advertisement 3, and the application window for the application centre's
// new-window links.
void bindColumnWindow(App& app);

}  // namespace quillo
