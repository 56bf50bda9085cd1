#include "ads/pop_under.hpp"

#include <array>
#include <string_view>

#include "ads/period.hpp"
#include "app/app.hpp"
#include "content/pages.hpp"
#include "content/switch_page.hpp"
#include "i18n/language.hpp"
#include "ui/definitions/main_window.hpp"
#include "ui/definitions/menu_actions.hpp"
#include "ui/definitions/pop_under_window.hpp"
#include "ui/frame/skinned_frame.hpp"

namespace quillo {
namespace {

namespace window = ui::pop_under_window;
namespace main_window = ui::main_window;

constexpr std::array<SkinPicture, 6> kSkin{{
    {window::kLogo, skin_file::kLogo},
    {window::kTitleBar, skin_file::kTitleBar},
    {window::kLeftEdge, skin_file::kLeftEdge},
    {window::kRightEdge, skin_file::kRightEdge},
    {window::kBottomEdge, skin_file::kBottomEdge},
    {window::kCloseButton, skin_file::kClose, skin_file::kCloseHover},
}};

const SkinnedFrame& popUnderFrame() {
    static const SkinnedFrame frame{
        .window = window::kWindow, .skin = kSkin, .bottomEdge = window::kBottomEdge};
    return frame;
}

struct Titles {
    std::string_view label;   // after the display name
    std::string_view window;  // after the display name
};

// The Traditional title label has two blanks, its window title one.
Titles titlesIn(Language language) {
    return pickByLanguage(language, Titles{" 背投广告", " 背投广告"},
                          Titles{"  背投廣告", " 背投廣告"},
                          Titles{" Display ADS", " Display ADS"});
}

// Opens beneath the main window where it now stands, so that it is found
// there when the main window moves or goes; with the main window in the
// tray or minimized it keeps its own place. An open pop-under keeps the
// place the user gave it.
ui::Window& openPopUnder(App& app, const ui::Window& main) {
    if (main.visible() && main.state() != ui::WindowState::Minimized) {
        return app.windows().loadAt(window::kWindow, {main.left(), main.top()});
    }
    return app.windows().load(window::kWindow);
}

// The main window's pop-under timer.
void tick(App& app, ui::Window& main, const ui::ControlRef& popUnderTimer) {
    const Text& popUnderSwitch = app.state().adverts.popUnderSwitch;
    ui::Control& timer = main.control(popUnderTimer);
    if (isOn(popUnderSwitch)) {
        // An open pop-under comes to the front again; it is not set up anew.
        openPopUnder(app, main);
        timer.setInterval(periodMilliseconds(app.content().fetchPage(pages::kPopUnderPeriod)));
    }
    if (isOff(popUnderSwitch)) {
        timer.setInterval(0);
    }
}

void setUp(App& app, ui::Window& popUnder) {
    loadFrameSkin(app, popUnder, popUnderFrame());
    app.settings().setPopUnderShown(true);
    const Language language = languageByNumber(app.settings().language());
    popUnder.control(window::kBrowser).navigate(app.content().pageAddress(pages::kPopUnderPage));
    if (language != Language::None) {
        const Titles titles = titlesIn(language);
        const Text& name = app.state().startup.displayName;
        popUnder.control(window::kTitleLabel).setText(name + gbk(titles.label));
        popUnder.setTitle(name + gbk(titles.window));
    }
}

void openMenu(App& app, ui::Window& popUnder) {
    const Language language = languageByNumber(app.settings().language());
    if (language == Language::None) {
        return;
    }
    popUnder.popupMenu(pickByLanguage(language, window::kSimplifiedMenu, window::kTraditionalMenu,
                                      window::kEnglishMenu));
}

}  // namespace

void bindPopUnder(App& app) {
    ui::WindowModel& windows = app.windows();
    windows.bind(main_window::kWindow, main_window::kPopUnderTimer, ui::EventKind::Tick,
                 [&app, timer = windows.resolve(main_window::kWindow, main_window::kPopUnderTimer)](
                     ui::Window& main, ui::EventArgs&) { tick(app, main, timer); });
    windows.bind(window::kWindow, "", ui::EventKind::Created,
                 [&app](ui::Window& popUnder, ui::EventArgs&) { setUp(app, popUnder); });
    windows.bind(window::kWindow, window::kCloseButton, ui::EventKind::Clicked,
                 [&app](ui::Window&, ui::EventArgs&) {
                     app.settings().setPopUnderShown(false);
                     app.windows().destroy(window::kWindow);
                 });
    windows.bind(window::kWindow, window::kBrowser, ui::EventKind::RightButtonDown,
                 [&app](ui::Window& popUnder, ui::EventArgs&) { openMenu(app, popUnder); });

    auto onBrowser = [browser = windows.resolve(window::kWindow, window::kBrowser)](
                         void (ui::Control::*operation)()) {
        return [browser, operation](ui::Window& popUnder) {
            (popUnder.control(browser).*operation)();
        };
    };
    windows.bindMenuAction(window::kWindow, ui::menu_action::kGoBack,
                           onBrowser(&ui::Control::goBack));
    windows.bindMenuAction(window::kWindow, ui::menu_action::kGoForward,
                           onBrowser(&ui::Control::goForward));
    windows.bindMenuAction(window::kWindow, ui::menu_action::kRefresh,
                           onBrowser(&ui::Control::refresh));
    windows.bindMenuAction(window::kWindow, ui::menu_action::kStop, onBrowser(&ui::Control::stop));
}

}  // namespace quillo
