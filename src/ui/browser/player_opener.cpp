#include "ui/browser/player_opener.hpp"

#include "app/app.hpp"
#include "ui/browser/browser_views.hpp"
#include "ui/browser/open_state_keys.hpp"
#include "ui/definitions/column_window.hpp"
#include "ui/definitions/main_window.hpp"
#include "ui/definitions/player_window.hpp"

namespace quillo {
namespace {

namespace keys = open_state;

// Both keys are read first and every test uses those values. A key that
// holds neither "1" nor "2" shows nothing and leaves the engine's own window
// alone; a player window recorded as open is closed before that test.
void openPlayer(App& app, ui::EventArgs& args) {
    ConfigStore& config = app.config();
    const Text columnOpen = config.readConfig(keys::kAppWindows);
    const Text playerOpen = config.readConfig(keys::kPlayerOpen);

    if (playerOpen == keys::kOpen) {
        app.windows().destroy(ui::player_window::kWindow);
        config.writeConfig(keys::kPlayerOpen, keys::kClosed);
    } else if (playerOpen != keys::kClosed) {
        return;
    }
    if (columnOpen == keys::kOpen) {
        app.windows().destroy(ui::column_window::kWindow);
        config.writeConfig(keys::kAppWindows, keys::kClosed);
    } else if (columnOpen != keys::kClosed) {
        return;
    }
    args.cancel = true;
    // The player opens the last status text; the requested address stands
    // in when there was none (a window opened from script or a link
    // followed with the keyboard).
    app.state().browserWindows.playerRequestAddress = args.text;
    const ui::Window& main = *app.windows().find(ui::main_window::kWindow);
    // A new player window opens beside the main window; an open one moves there.
    ui::Window& player = app.windows().loadAt(ui::player_window::kWindow, besidePlace(main));
    placeBeside(player, main);
}

}  // namespace

void bindPlayerOpener(App& app) {
    app.windows().bind(ui::main_window::kWindow, ui::main_window::kSiteBrowser,
                       ui::EventKind::NewWindow2,
                       [&app](ui::EventArgs& args) { openPlayer(app, args); });
}

}  // namespace quillo
