#include "ui/main/main_commands.hpp"

#include <optional>
#include <string_view>

#include "app/app.hpp"
#include "i18n/language.hpp"
#include "ui/definitions/main_window.hpp"
#include "ui/definitions/menu_actions.hpp"
#include "ui/main/customer_service.hpp"
#include "ui/main/quit_procedure.hpp"
#include "ui/main/update_check.hpp"

namespace quillo {
namespace {

namespace names = ui::main_window;
constexpr std::string_view kMain = names::kWindow;

// The language is read afresh at every opening, so a change made in the
// settings window shows in the next menu.
Language currentLanguage(App& app) {
    return languageByNumber(app.settings().language());
}

std::string_view optionsMenu(Language language) {
    return pickByLanguage(language, names::kSimplifiedOptionsMenu, names::kTraditionalOptionsMenu,
                          names::kEnglishOptionsMenu);
}

std::string_view browserMenu(Language language) {
    return pickByLanguage(language, names::kSimplifiedBrowserMenu, names::kTraditionalBrowserMenu,
                          names::kEnglishBrowserMenu);
}

void onOptionsButton(App& app, ui::Window& window) {
    Language language = currentLanguage(app);
    if (language == Language::None) {
        return;
    }
    // Cleared only when a menu is about to open.
    window.setKeepOnTop(false);
    window.popupMenu(optionsMenu(language));
}

// A click on the tray icon, and a later start of the program handing over,
// bring the window back and activate it every time.
void onTrayAction(App& app, ui::Window& window, int code) {
    if (code == 1 || code == 2) {
        window.show();
        window.activate();
    } else if (code == 3) {
        Language language = currentLanguage(app);
        if (language != Language::None) {
            window.popupMenu(optionsMenu(language), app.windows().backend().pointerPosition());
        }
    }
}

void onCloseButton(App& app, ui::Window& window) {
    if (app.settings().closeToTray().value_or(false)) {
        // The icon first: where the desktop shows no tray, hiding the window
        // then minimises it where it stands instead.
        window.setTrayIcon(app.programDirectory() / "Icon" / "TrayLOGO.ico",
                           gbk("点击本图标显示主程序"));
        window.hide();
        return;
    }
    // Quitting is the choice; so is a missing or unknown value, so that the
    // window can always be closed.
    quitProcedure(app, window);
}

}  // namespace

void bindMainCommands(App& app) {
    ui::WindowModel& windows = app.windows();
    using ui::EventArgs;
    using ui::EventKind;
    using ui::Window;

    windows.bind(kMain, names::kOptionsButton, EventKind::Clicked,
                 [&app](Window& window, EventArgs&) { onOptionsButton(app, window); });
    windows.bind(kMain, "", EventKind::TrayAction,
                 [&app](Window& window, EventArgs& args) { onTrayAction(app, window, args.code); });
    windows.bind(kMain, names::kCloseButton, EventKind::Clicked,
                 [&app](Window& window, EventArgs&) { onCloseButton(app, window); });
    windows.bind(kMain, names::kSiteBrowser, EventKind::RightButtonDown,
                 [&app](Window& window, EventArgs&) {
                     Language language = currentLanguage(app);
                     if (language != Language::None) {
                         window.popupMenu(browserMenu(language));
                     }
                 });

    windows.bindMenuAction(kMain, ui::menu_action::kOpenSettings,
                           [&app](Window&) { app.windows().load(ui::kSettingsWindow, true); });
    windows.bindMenuAction(kMain, ui::menu_action::kOpenAbout,
                           [&app](Window&) { app.windows().load(ui::kAboutWindow, true); });
    windows.bindMenuAction(kMain, ui::menu_action::kContactCustomerService,
                           [&app](Window&) { contactCustomerService(app); });
    windows.bindMenuAction(kMain, ui::menu_action::kLaunchUpdater,
                           [&app](Window&) { launchUpdaterFromMenu(app); });
    windows.bindMenuAction(kMain, ui::menu_action::kQuit,
                           [&app](Window& window) { quitProcedure(app, window); });

    auto onBrowser =
        [site = windows.resolve(kMain, names::kSiteBrowser)](void (ui::Control::*command)()) {
            return [site, command](Window& window) { (window.control(site).*command)(); };
        };
    windows.bindMenuAction(kMain, ui::menu_action::kGoBack, onBrowser(&ui::Control::goBack));
    windows.bindMenuAction(kMain, ui::menu_action::kGoForward, onBrowser(&ui::Control::goForward));
    windows.bindMenuAction(kMain, ui::menu_action::kRefresh, onBrowser(&ui::Control::refresh));
    windows.bindMenuAction(kMain, ui::menu_action::kStop, onBrowser(&ui::Control::stop));
}

}  // namespace quillo
