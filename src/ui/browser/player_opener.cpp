#include "ui/browser/player_opener.hpp"

#include "app/app.hpp"
#include "ui/browser/browser_views.hpp"
#include "ui/browser/player_window.hpp"
#include "ui/definitions/column_window.hpp"
#include "ui/definitions/main_window.hpp"
#include "ui/definitions/player_window.hpp"

namespace quillo {
namespace {

bool holdsOpenState(RecordedState state) {
    return state != RecordedState::Other;
}

// The engine's answer, from the two keys only: its own window is refused
// when the player opener will act, that is when both keys hold "1" or "2".
// Otherwise the engine opens the page in a window of its own.
bool playerWillOpen(App& app) {
    const Settings& settings = app.settings();
    return holdsOpenState(settings.openState(OpenStateKey::AppWindows)) &&
           holdsOpenState(settings.openState(OpenStateKey::PlayerOpen));
}

// Both keys are read first and every test uses those values. A key that
// holds neither "1" nor "2" shows nothing (the engine's own window opened).
// An open player window (the window model says so) is closed before the
// column window's key is tested. The column window records itself as
// closed only, so it is closed here only when another program has set its
// key to "2". The player opens only when the engine was refused its window.
void openPlayer(App& app, ui::Window& main, const ui::EventArgs& args) {
    const Settings& settings = app.settings();
    ui::WindowModel& windows = app.windows();
    const RecordedState columnRecord = settings.openState(OpenStateKey::AppWindows);
    const RecordedState playerRecord = settings.openState(OpenStateKey::PlayerOpen);

    if (!holdsOpenState(playerRecord)) {
        return;
    }
    if (windows.isOpen(ui::player_window::kWindow)) {
        windows.destroy(ui::player_window::kWindow);
        settings.setOpen(OpenStateKey::PlayerOpen, false);
    }
    if (columnRecord == RecordedState::Two) {
        windows.destroy(ui::column_window::kWindow);
        settings.setOpen(OpenStateKey::AppWindows, false);
    } else if (columnRecord != RecordedState::One) {
        return;
    }
    if (!args.cancel) {
        return;  // the keys changed since the engine was answered: its window stands
    }
    // The player opens the last status text; the requested address stands
    // in when there was none (a window opened from script or a link
    // followed with the keyboard).
    const Text& statusText = app.state().mainBrowser.lastStatusText;
    PlayerPage page{statusText.empty() ? args.text : statusText};
    // A new player window opens beside the main window; an open one moves there.
    ui::Window& shown =
        windows.loadAt(ui::player_window::kWindow, besidePlace(main), std::move(page));
    placeBeside(shown, main);
}

}  // namespace

void bindPlayerOpener(App& app) {
    app.windows().bindAnswer(ui::main_window::kWindow, ui::main_window::kSiteBrowser,
                             ui::EventKind::NewWindow2,
                             [&app](const ui::EventArgs&) { return playerWillOpen(app); });
    app.windows().bind(
        ui::main_window::kWindow, ui::main_window::kSiteBrowser, ui::EventKind::NewWindow2,
        [&app](ui::Window& main, ui::EventArgs& args) { openPlayer(app, main, args); });
}

}  // namespace quillo
