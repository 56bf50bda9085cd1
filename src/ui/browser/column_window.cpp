#include "ui/browser/column_window.hpp"

#include <array>
#include <string_view>

#include "ads/text_ads.hpp"
#include "app/app.hpp"
#include "i18n/language.hpp"
#include "ui/browser/browser_views.hpp"
#include "ui/browser/open_state_keys.hpp"
#include "ui/definitions/app_window.hpp"
#include "ui/definitions/column_window.hpp"
#include "ui/definitions/menu_actions.hpp"
#include "ui/frame/skinned_frame.hpp"

namespace quillo {
namespace {

namespace keys = open_state;
namespace names = ui::column_window;
namespace action = ui::menu_action;

constexpr int kTextAd = 3;
constexpr int kRestoreOffset = 30;  // down the cascade from the main window
constexpr int kAppWindowOffset = 30;

constexpr std::array<SkinPicture, 9> kSkin =
    standardFrameSkin(names::kBottomEdge, names::kMaximizeButton);
constexpr std::array<std::string_view, 2> kBrowsers{names::kColumnBrowser, names::kAppBrowser};

const SkinnedFrame& columnFrame() {
    static const SkinnedFrame frame{
        .window = names::kWindow,
        .skin = kSkin,
        .bottomEdge = names::kBottomEdge,
        .minimizeButton = names::kMinimizeButton,
        .maximizeButton = names::kMaximizeButton,
        .maximize = MaximizeToggle{.stateKey = keys::kColumnMaximized,
                                   .restoreOffset = kRestoreOffset,
                                   .browsers = kBrowsers},
    };
    return frame;
}

// Writes no open-state key: the openers work either way.
void create(App& app, ui::Window& window) {
    loadFrameSkin(app, window, columnFrame());
    ui::Control& loading = window.control(names::kLoadingView);
    loading.setAddress(loadingPage(app));
    loading.show();
    fillContentArea(loading);
    // The application browser keeps its stored place until a page completes.
    window.control(names::kColumnBrowser).hide();
    evaluateTextAd(app, kTextAd);
}

// The application centre page has completed and is on show.
bool showsAppBrowser(ui::Window& window) {
    return window.control(names::kAppBrowser).visible() &&
           !window.control(names::kLoadingView).visible();
}

// Whichever browser completed a page last is shown, at the normal size
// even while the window is maximized. The blank page that clears the column
// browser for the application centre usually completes first; when it
// completes after the application centre's page, it leaves that page on show.
void showColumnBrowser(ui::Window& window) {
    if (window.control(names::kColumnBrowser).address() == kBlankPage && showsAppBrowser(window)) {
        return;
    }
    window.control(names::kLoadingView).hide();
    ui::Control& browser = window.control(names::kColumnBrowser);
    fillContentArea(browser);
    browser.show();
    window.control(names::kAppBrowser).hide();
}

void showAppBrowser(ui::Window& window) {
    window.control(names::kLoadingView).hide();
    window.control(names::kColumnBrowser).hide();
    ui::Control& browser = window.control(names::kAppBrowser);
    fillContentArea(browser);
    browser.show();
}

// The application window opens the application browser's last status text
// (the requested address when there was none), 30 pixels beside this
// window; the engine's own window is always refused. An application
// window that is already open is moved back to its place and shows the new
// address.
void openAppWindow(App& app, ui::Window& column, const ui::EventArgs& args) {
    BrowserWindowsState& state = app.state().browserWindows;
    state.appRequestAddress = args.text;
    const bool wasOpen = app.windows().isOpen(ui::app_window::kWindow);
    ui::Window& appWindow =
        app.windows().loadAt(ui::app_window::kWindow,
                             {column.left() + kAppWindowOffset, column.top() + kAppWindowOffset});
    appWindow.setLeft(column.left() + kAppWindowOffset);
    appWindow.setTop(column.top() + kAppWindowOffset);
    if (wasOpen) {
        ui::Control& browser = appWindow.control(ui::app_window::kBrowser);
        navigateIfBrowsable(browser, state.lastAppStatusText.empty() ? state.appRequestAddress
                                                                     : state.lastAppStatusText);
    }
}

struct BrowserMenus {
    std::string_view browser;
    std::string_view simplified;
    std::string_view traditional;
    std::string_view english;
};

constexpr std::array<BrowserMenus, 2> kMenus{{
    {names::kColumnBrowser, names::kSimplifiedMenu, names::kTraditionalMenu, names::kEnglishMenu},
    {names::kAppBrowser, names::kSimplifiedAppMenu, names::kTraditionalAppMenu,
     names::kEnglishAppMenu},
}};

void popUpMenu(App& app, ui::Window& window, const BrowserMenus& menus) {
    const Language language = languageByNumber(app.config().readConfig("Language"));
    if (language != Language::None) {
        window.popupMenu(
            pickByLanguage(language, menus.simplified, menus.traditional, menus.english));
    }
}

void close(App& app) {
    app.config().writeConfig(keys::kAppWindows, keys::kClosed);
    app.config().writeConfig(keys::kColumnMaximized, keys::kClosed);
    app.windows().destroy(names::kWindow);
}

struct MenuCommand {
    std::string_view action;
    std::string_view browser;
    void (ui::Control::*command)();
};

constexpr std::array<MenuCommand, 8> kMenuCommands{{
    {action::kGoBack, names::kColumnBrowser, &ui::Control::goBack},
    {action::kGoForward, names::kColumnBrowser, &ui::Control::goForward},
    {action::kRefresh, names::kColumnBrowser, &ui::Control::refresh},
    {action::kStop, names::kColumnBrowser, &ui::Control::stop},
    {action::kAppGoBack, names::kAppBrowser, &ui::Control::goBack},
    {action::kAppGoForward, names::kAppBrowser, &ui::Control::goForward},
    {action::kAppRefresh, names::kAppBrowser, &ui::Control::refresh},
    {action::kAppStop, names::kAppBrowser, &ui::Control::stop},
}};

}  // namespace

void bindColumnWindow(App& app) {
    ui::WindowModel& windows = app.windows();
    auto column = [&app]() -> ui::Window& { return *app.windows().find(names::kWindow); };
    bindSkinnedFrame(app, columnFrame());
    windows.bind(names::kWindow, "", ui::EventKind::Created,
                 [&app, column](ui::EventArgs&) { create(app, column()); });
    windows.bind(names::kWindow, names::kColumnBrowser, ui::EventKind::DocumentComplete,
                 [column](ui::EventArgs&) { showColumnBrowser(column()); });
    windows.bind(names::kWindow, names::kAppBrowser, ui::EventKind::DocumentComplete,
                 [column](ui::EventArgs&) { showAppBrowser(column()); });
    windows.bind(
        names::kWindow, names::kAppBrowser, ui::EventKind::StatusTextChange,
        [&app](ui::EventArgs& args) { app.state().browserWindows.lastAppStatusText = args.text; });
    windows.bindAnswer(names::kWindow, names::kAppBrowser, ui::EventKind::NewWindow2,
                       [](const ui::EventArgs&) { return true; });
    windows.bind(names::kWindow, names::kAppBrowser, ui::EventKind::NewWindow2,
                 [&app, column](ui::EventArgs& args) { openAppWindow(app, column(), args); });
    for (const BrowserMenus& menus : kMenus) {
        windows.bind(names::kWindow, menus.browser, ui::EventKind::RightButtonDown,
                     [&app, column, &menus](ui::EventArgs&) { popUpMenu(app, column(), menus); });
    }
    for (const MenuCommand& item : kMenuCommands) {
        windows.bindMenuAction(names::kWindow, item.action, [column, &item] {
            (column().control(item.browser).*item.command)();
        });
    }
    windows.bind(names::kWindow, names::kCloseButton, ui::EventKind::Clicked,
                 [&app](ui::EventArgs&) { close(app); });
}

}  // namespace quillo
