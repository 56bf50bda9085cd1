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
    return languageByNumber(app.config().readConfig("Language"));
}

std::string_view optionsMenu(Language language) {
    return pickByLanguage(language, names::kSimplifiedOptionsMenu, names::kTraditionalOptionsMenu,
                          names::kEnglishOptionsMenu);
}

std::string_view browserMenu(Language language) {
    return pickByLanguage(language, names::kSimplifiedBrowserMenu, names::kTraditionalBrowserMenu,
                          names::kEnglishBrowserMenu);
}

ui::Window& mainWindow(App& app) {
    return *app.windows().find(kMain);
}

void onOptionsButton(App& app) {
    Language language = currentLanguage(app);
    if (language == Language::None) {
        return;
    }
    ui::Window& window = mainWindow(app);
    // Cleared only when a menu is about to open.
    window.setKeepOnTop(false);
    window.popupMenu(optionsMenu(language));
}

void onTrayAction(App& app, int code) {
    ui::Window& window = mainWindow(app);
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

void onCloseButton(App& app) {
    if (app.config().readConfig("Tray") == "1") {
        ui::Window& window = mainWindow(app);
        // The icon first: where the desktop shows no tray, hiding the window
        // then minimises it where it stands instead.
        window.setTrayIcon(app.programDirectory() / "Icon" / "TrayLOGO.ico",
                           gbk("点击本图标显示主程序"));
        window.hide();
        return;
    }
    // "2" quits; so does a missing or unknown value, so that the window can
    // always be closed.
    quitProcedure(app);
}

}  // namespace

void bindMainCommands(App& app) {
    ui::WindowModel& windows = app.windows();
    using ui::EventArgs;
    using ui::EventKind;

    windows.bind(kMain, names::kOptionsButton, EventKind::Clicked,
                 [&app](EventArgs&) { onOptionsButton(app); });
    windows.bind(kMain, "", EventKind::TrayAction,
                 [&app](EventArgs& args) { onTrayAction(app, args.code); });
    windows.bind(kMain, names::kCloseButton, EventKind::Clicked,
                 [&app](EventArgs&) { onCloseButton(app); });
    windows.bind(kMain, names::kSiteBrowser, EventKind::RightButtonDown, [&app](EventArgs&) {
        Language language = currentLanguage(app);
        if (language != Language::None) {
            mainWindow(app).popupMenu(browserMenu(language));
        }
    });

    windows.bindMenuAction(kMain, ui::menu_action::kOpenSettings,
                           [&app] { app.windows().load(ui::kSettingsWindow, true); });
    windows.bindMenuAction(kMain, ui::menu_action::kOpenAbout,
                           [&app] { app.windows().load(ui::kAboutWindow, true); });
    windows.bindMenuAction(kMain, ui::menu_action::kContactCustomerService,
                           [&app] { contactCustomerService(app); });
    windows.bindMenuAction(kMain, ui::menu_action::kLaunchUpdater,
                           [&app] { launchUpdaterFromMenu(app); });
    windows.bindMenuAction(kMain, ui::menu_action::kQuit, [&app] { quitProcedure(app); });

    auto onBrowser = [&app](void (ui::Control::*command)()) {
        return [&app, command] { (mainWindow(app).control(names::kSiteBrowser).*command)(); };
    };
    windows.bindMenuAction(kMain, ui::menu_action::kGoBack, onBrowser(&ui::Control::goBack));
    windows.bindMenuAction(kMain, ui::menu_action::kGoForward, onBrowser(&ui::Control::goForward));
    windows.bindMenuAction(kMain, ui::menu_action::kRefresh, onBrowser(&ui::Control::refresh));
    windows.bindMenuAction(kMain, ui::menu_action::kStop, onBrowser(&ui::Control::stop));
}

}  // namespace quillo
