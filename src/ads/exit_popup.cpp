#include "ads/exit_popup.hpp"

#include "ads/popup_close_button.hpp"
#include "app/app.hpp"
#include "content/pages.hpp"
#include "content/switch_page.hpp"
#include "ui/definitions/exit_popup_window.hpp"
#include "ui/definitions/window_names.hpp"

namespace quillo {
namespace {

namespace window = ui::exit_popup_window;

// The main window goes first and takes every other window with it; the
// program ends.
void endProgram(App& app) {
    app.windows().destroy(ui::kMainWindow);
    app.windows().destroy(window::kWindow);
}

void setUp(App& app, ui::Window& popup) {
    loadPopupCloseButton(app, popup.control(window::kCloseButton));
    Text& exitPopupSwitch = app.state().adverts.exitPopupSwitch;
    exitPopupSwitch = app.content().fetchPage(pages::kExitPopupSwitch);
    if (isOn(exitPopupSwitch)) {
        popup.control(window::kView).setAddress(app.content().pageAddress(pages::kExitPopupPage));
    }
    if (isOff(exitPopupSwitch)) {
        endProgram(app);
    }
    // Any other answer: an empty view until the lifetime ends the program.
}

}  // namespace

void bindExitPopup(App& app) {
    ui::WindowModel& windows = app.windows();
    windows.bind(window::kWindow, "", ui::EventKind::Created,
                 [&app](ui::Window& popup, ui::EventArgs&) { setUp(app, popup); });
    auto end = [&app](ui::Window&, ui::EventArgs&) { endProgram(app); };
    windows.bind(window::kWindow, window::kLifetimeTimer, ui::EventKind::Tick, end);
    windows.bind(window::kWindow, window::kCloseButton, ui::EventKind::Clicked, end);
}

}  // namespace quillo
