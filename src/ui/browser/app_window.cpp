#include "ui/browser/app_window.hpp"

#include <array>
#include <string_view>

#include "ads/text_ads.hpp"
#include "app/app.hpp"
#include "i18n/language.hpp"
#include "ui/browser/browser_views.hpp"
#include "ui/browser/open_state_keys.hpp"
#include "ui/definitions/app_window.hpp"
#include "ui/definitions/menu_actions.hpp"
#include "ui/frame/skinned_frame.hpp"

namespace quillo {
namespace {

namespace keys = open_state;
namespace names = ui::app_window;
namespace action = ui::menu_action;

constexpr int kTextAd = 4;
constexpr int kRestoreOffset = 60;  // below the column window in the cascade

constexpr std::array<SkinPicture, 9> kSkin =
    standardFrameSkin(names::kBottomEdge, names::kMaximizeButton);
constexpr std::array<std::string_view, 1> kBrowsers{names::kBrowser};

const SkinnedFrame& appFrame() {
    static const SkinnedFrame frame{
        .window = names::kWindow,
        .skin = kSkin,
        .bottomEdge = names::kBottomEdge,
        .minimizeButton = names::kMinimizeButton,
        .maximizeButton = names::kMaximizeButton,
        .maximize = MaximizeToggle{.stateKey = keys::kAppMaximized,
                                   .restoreOffset = kRestoreOffset,
                                   .browsers = kBrowsers},
    };
    return frame;
}

// The display name followed directly by the window's name in the language;
// any other code keeps the stored title.
void setTitle(App& app, ui::Window& window, Language language) {
    if (language == Language::None) {
        return;
    }
    const Text title =
        app.state().startup.displayName +
        gbk(pickByLanguage(language, std::string_view("APP应用窗口"),
                           std::string_view("APP應用窗口"), std::string_view("APP Windows")));
    window.setTitle(title);
    window.control(names::kTitleLabel).setText(title);
}

void create(App& app, ui::Window& window) {
    const Language language = languageByNumber(app.config().readConfig("Language"));
    loadFrameSkin(app, window, appFrame());
    ui::Control& loading = window.control(names::kLoadingView);
    loading.setAddress(loadingPage(app));
    loading.show();
    fillContentArea(loading);

    ui::Control& browser = window.control(names::kBrowser);
    browser.hide();
    const BrowserWindowsState& state = app.state().browserWindows;
    navigateIfBrowsable(browser, state.lastAppStatusText.empty() ? state.appRequestAddress
                                                                 : state.lastAppStatusText);
    evaluateTextAd(app, kTextAd);
    setTitle(app, window, language);
}

// Only visibility changes: a page that completes while the window is
// maximized keeps the maximized browser.
void showBrowser(ui::Window& window) {
    window.control(names::kLoadingView).hide();
    window.control(names::kBrowser).show();
}

void popUpMenu(App& app, ui::Window& window) {
    const Language language = languageByNumber(app.config().readConfig("Language"));
    if (language != Language::None) {
        window.popupMenu(pickByLanguage(language, names::kSimplifiedMenu, names::kTraditionalMenu,
                                        names::kEnglishMenu));
    }
}

void close(App& app) {
    app.config().writeConfig(keys::kAppMaximized, keys::kClosed);
    app.windows().destroy(names::kWindow);
}

struct MenuCommand {
    std::string_view action;
    void (ui::Control::*command)();
};

constexpr std::array<MenuCommand, 4> kMenuCommands{{
    {action::kGoBack, &ui::Control::goBack},
    {action::kGoForward, &ui::Control::goForward},
    {action::kRefresh, &ui::Control::refresh},
    {action::kStop, &ui::Control::stop},
}};

}  // namespace

void bindAppWindow(App& app) {
    ui::WindowModel& windows = app.windows();
    auto appWindow = [&app]() -> ui::Window& { return *app.windows().find(names::kWindow); };
    bindSkinnedFrame(app, appFrame());
    windows.bind(names::kWindow, "", ui::EventKind::Created,
                 [&app, appWindow](ui::EventArgs&) { create(app, appWindow()); });
    windows.bind(names::kWindow, names::kBrowser, ui::EventKind::DocumentComplete,
                 [appWindow](ui::EventArgs&) { showBrowser(appWindow()); });
    windows.bind(names::kWindow, names::kBrowser, ui::EventKind::RightButtonDown,
                 [&app, appWindow](ui::EventArgs&) { popUpMenu(app, appWindow()); });
    for (const MenuCommand& item : kMenuCommands) {
        windows.bindMenuAction(names::kWindow, item.action, [appWindow, &item] {
            (appWindow().control(names::kBrowser).*item.command)();
        });
    }
    windows.bind(names::kWindow, names::kCloseButton, ui::EventKind::Clicked,
                 [&app](ui::EventArgs&) { close(app); });
}

}  // namespace quillo
