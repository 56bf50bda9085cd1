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
    AdvertState& adverts = app.state().adverts;
    adverts.cornerPopupSwitch = app.content().fetchPage(pages::kCornerPopupSwitch);
    if (isOn(adverts.cornerPopupSwitch)) {
        // The page loads while the pop-up waits hidden.
        popup.control(window::kView).setAddress(app.content().pageAddress(pages::kCornerPopupPage));
        adverts.showCountdown = kShowAfterTicks;
    }
    if (isOff(adverts.cornerPopupSwitch)) {
        app.windows().destroy(window::kWindow);
    }
    // Any other answer: hidden until the lifetime ends. The countdown then
    // passes zero going down and never shows the pop-up.
}

void showTick(App& app) {
    ui::Window* popup = app.windows().find(window::kWindow);
    if (popup == nullptr) {
        return;
    }
    int& countdown = app.state().adverts.showCountdown;
    --countdown;
    if (countdown != 0) {
        return;
    }
    // The desktop less its panels, so that no panel covers the pop-up; on a
    // desktop smaller than the pop-up its top-left corner stays on it.
    const ScreenArea desktop = app.platform().availableArea();
    ui::Rect place = popup->geometry();
    place.left = std::max(desktop.left, desktop.right() - kFromRight);
    place.top = std::max(desktop.top, desktop.bottom() - kFromBottom);
    popup->setGeometry(place);
    popup->show();
    popup->control(window::kShowTimer).setInterval(0);
}

}  // namespace

void bindCornerPopup(App& app) {
    ui::WindowModel& windows = app.windows();
    windows.bind(window::kWindow, "", ui::EventKind::Created,
                 [&app](ui::EventArgs&) { setUp(app, *app.windows().find(window::kWindow)); });
    windows.bind(window::kWindow, window::kShowTimer, ui::EventKind::Tick,
                 [&app](ui::EventArgs&) { showTick(app); });
    auto close = [&app](ui::EventArgs&) { app.windows().destroy(window::kWindow); };
    windows.bind(window::kWindow, window::kLifetimeTimer, ui::EventKind::Tick, close);
    windows.bind(window::kWindow, window::kCloseButton, ui::EventKind::Clicked, close);
}

}  // namespace quillo
