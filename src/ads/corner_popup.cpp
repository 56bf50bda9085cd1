#include "ads/corner_popup.hpp"

#include <algorithm>

#include "ads/popup_close_button.hpp"
#include "app/app.hpp"
#include "content/pages.hpp"
#include "content/switch_page.hpp"
#include "ui/definitions/corner_popup_window.hpp"

namespace quillo {
namespace {

namespace window = ui::corner_popup_window;

// Ticks of the show timer before the pop-up shows.
constexpr int kShowAfterTicks = 5;
// The pop-up stands this far from the right and bottom edges of the desktop,
// four pixels inside its corner.
constexpr int kFromRight = 300;
constexpr int kFromBottom = 250;

void setUp(App& app, ui::Window& popup) {
    loadPopupCloseButton(app, popup.control(window::kCloseButton));
    const Text cornerPopupSwitch = app.content().fetchPage(pages::kCornerPopupSwitch);
    if (isOn(cornerPopupSwitch)) {
        // The page loads while the pop-up waits hidden.
        popup.control(window::kView).setAddress(app.content().pageAddress(pages::kCornerPopupPage));
        app.state().adverts.showCountdown = kShowAfterTicks;
    }
    if (isOff(cornerPopupSwitch)) {
        app.windows().destroy(window::kWindow);
    }
    // Any other answer: hidden until the lifetime ends. The countdown then
    // passes zero going down and never shows the pop-up.
}

void showTick(App& app, ui::Window& popup, const ui::ControlRef& showTimer) {
    int& countdown = app.state().adverts.showCountdown;
    --countdown;
    if (countdown != 0) {
        return;
    }
    // The desktop less its panels, so that no panel covers the pop-up; on a
    // desktop smaller than the pop-up its top-left corner stays on it.
    const ScreenArea desktop = app.platform().availableArea();
    ui::Rect place = popup.geometry();
    place.left = std::max(desktop.left, desktop.right() - kFromRight);
    place.top = std::max(desktop.top, desktop.bottom() - kFromBottom);
    popup.setGeometry(place);
    popup.show();
    popup.control(showTimer).setInterval(0);
}

}  // namespace

void bindCornerPopup(App& app) {
    ui::WindowModel& windows = app.windows();
    windows.bind(window::kWindow, "", ui::EventKind::Created,
                 [&app](ui::Window& popup, ui::EventArgs&) { setUp(app, popup); });
    windows.bind(window::kWindow, window::kShowTimer, ui::EventKind::Tick,
                 [&app, showTimer = windows.resolve(window::kWindow, window::kShowTimer)](
                     ui::Window& popup, ui::EventArgs&) { showTick(app, popup, showTimer); });
    auto close = [&app](ui::Window&, ui::EventArgs&) { app.windows().destroy(window::kWindow); };
    windows.bind(window::kWindow, window::kLifetimeTimer, ui::EventKind::Tick, close);
    windows.bind(window::kWindow, window::kCloseButton, ui::EventKind::Clicked, close);
}

}  // namespace quillo
