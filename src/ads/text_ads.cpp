#include "ads/text_ads.hpp"

#include <array>
#include <string_view>

#include "app/app.hpp"
#include "content/pages.hpp"
#include "content/switch_page.hpp"
#include "core/address_policy.hpp"
#include "ui/definitions/app_window.hpp"
#include "ui/definitions/column_window.hpp"
#include "ui/definitions/main_window.hpp"
#include "ui/definitions/player_window.hpp"

namespace quillo {
namespace {

struct TextAdPlace {
    std::string_view window;
    std::string_view label;
};

constexpr std::array<TextAdPlace, kTextAdCount> kPlaces{{
    {ui::main_window::kWindow, ui::main_window::kTextAdvert},
    {ui::player_window::kWindow, ui::player_window::kTextAdvert},
    {ui::column_window::kWindow, ui::column_window::kTextAdvert},
    {ui::app_window::kWindow, ui::app_window::kTextAdvert},
}};

void openTextAd(App& app, int n) {
    Text address = app.content().fetchPage(pages::kTextAdAddress[n - 1]);
    if (isWebAddress(address)) {
        app.platform().openAddress(address);
    }
}

}  // namespace

void evaluateTextAd(App& app, ui::Window& window, int n) {
    if (!window.alive()) {
        return;  // closed meanwhile: nothing is asked
    }
    ui::Control& label = window.control(kPlaces[n - 1].label);
    // The switch page is asked twice and each answer counts by itself: a
    // server that says on, then off, shows and fills the line, then hides it.
    if (isOn(app.content().fetchPage(pages::kTextAdSwitch[n - 1]))) {
        label.show();
        label.setText(app.content().fetchPage(pages::kTextAdText[n - 1]));
    }
    if (isOff(app.content().fetchPage(pages::kTextAdSwitch[n - 1]))) {
        label.hide();
    }
}

void bindTextAds(App& app) {
    for (int n = 1; n <= kTextAdCount; ++n) {
        const TextAdPlace& place = kPlaces[n - 1];
        app.windows().bind(place.window, place.label, ui::EventKind::LeftButtonDown,
                           [&app, n](ui::Window&, ui::EventArgs&) { openTextAd(app, n); });
    }
}

}  // namespace quillo
