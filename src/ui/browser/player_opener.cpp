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

bool isOpenState(const Text& value) {
    return value == keys::kOpen || value == keys::kClosed;
}

// The engine's answer, from the two keys only: its own window is refused
// when the player opener will act, that is when both keys hold "1" or "2".
// Otherwise the engine opens the page in a window of its own.
bool playerWillOpen(App& app) {
    ConfigStore& config = app.config();
    return isOpenState(config.readConfig(keys::kAppWindows)) &&
           isOpenState(config.readConfig(keys::kPlayerOpen));
}

// Both keys are read first and every test uses those values. A key that
// holds neither "1" nor "2" shows nothing (the engine's own window opened);
// a player window recorded as open is closed before that test. The player
// opens only when the engine was refused its window.
void openPlayer(App& app, const ui::EventArgs& args) {
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
    if (!args.cancel) {
        return;  // the keys changed since the engine was answered: its window stands
    }
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
    app.windows().bindAnswer(ui::main_window::kWindow, ui::main_window::kSiteBrowser,
                             ui::EventKind::NewWindow2,
                             [&app](const ui::EventArgs&) { return playerWillOpen(app); });
    app.windows().bind(ui::main_window::kWindow, ui::main_window::kSiteBrowser,
                       ui::EventKind::NewWindow2,
                       [&app](ui::EventArgs& args) { openPlayer(app, args); });
}

}  // namespace quillo
