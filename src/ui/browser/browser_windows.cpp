#include "ui/browser/browser_windows.hpp"

#include "ui/browser/app_window.hpp"
#include "ui/browser/column_openers.hpp"
#include "ui/browser/column_window.hpp"
#include "ui/browser/player_opener.hpp"
#include "ui/browser/player_window.hpp"

namespace quillo {

void bindBrowserWindows(App& app) {
    bindPlayerOpener(app);
    bindColumnOpeners(app);
    bindPlayerWindow(app);
    bindColumnWindow(app);
    bindAppWindow(app);
}

}  // namespace quillo
