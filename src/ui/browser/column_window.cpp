#include "ui/browser/column_window.hpp"

#include <array>
#include <string_view>

#include "ads/text_ads.hpp"
#include "app/app.hpp"
#include "i18n/language.hpp"
#include "ui/browser/app_window.hpp"
#include "ui/browser/browser_views.hpp"
#include "ui/definitions/app_window.hpp"
#include "ui/definitions/column_window.hpp"
#include "ui/definitions/menu_actions.hpp"
#include "ui/frame/skinned_frame.hpp"

namespace quillo {
namespace {

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
        .maximize = MaximizeToggle{.stateKey = MaximizeKey::Column,
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
    evaluateTextAd(app, window, kTextAd);
}

// The views a completed page swaps, resolved once.
struct ColumnViews {
    ui::ControlRef loading;
    ui::ControlRef column;
    ui::ControlRef app;
};

// The application centre page has completed and is on show.
bool showsAppBrowser(ui::Window& window, const ColumnViews& views) {
    return window.control(views.app).visible() && !window.control(views.loading).visible();
}

// Whichever browser completed a page last is shown, at the normal size
// even while the window is maximized. The blank page that clears the column
// browser for the application centre usually completes first; when it
// completes after the application centre's page, it leaves that page on show.
void showColumnBrowser(ui::Window& window, const ColumnViews& views) {
    ui::Control& browser = window.control(views.column);
    if (browser.address() == kBlankPage && showsAppBrowser(window, views)) {
        return;
    }
    window.control(views.loading).hide();
    fillContentArea(browser);
    browser.show();
    window.control(views.app).hide();
}

void showAppBrowser(ui::Window& window, const ColumnViews& views) {
    window.control(views.loading).hide();
    window.control(views.column).hide();
    ui::Control& browser = window.control(views.app);
    fillContentArea(browser);
    browser.show();
}

// The application window opens the application browser's last status text
// (the requested address when there was none), 30 pixels beside this
// window; the engine's own window is always refused. An application
// window that is already open is moved back to its place and shows the new
// address.
void openAppWindow(App& app, ui::Window& column, const ui::EventArgs& args) {
    const Text& statusText = app.state().columnWindow.lastAppStatusText;
    const Text address = statusText.empty() ? args.text : statusText;
    const bool wasOpen = app.windows().isOpen(ui::app_window::kWindow);
    ui::Window& appWindow = app.windows().loadAt(
        ui::app_window::kWindow,
        {column.left() + kAppWindowOffset, column.top() + kAppWindowOffset}, AppPage{address});
    appWindow.setLeft(column.left() + kAppWindowOffset);
    appWindow.setTop(column.top() + kAppWindowOffset);
    if (wasOpen) {
        navigateIfBrowsable(appWindow.control(ui::app_window::kBrowser), address);
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
    const Language language = languageByNumber(app.settings().language());
    if (language != Language::None) {
        window.popupMenu(
            pickByLanguage(language, menus.simplified, menus.traditional, menus.english));
    }
}

void close(App& app) {
    app.settings().setOpen(OpenStateKey::AppWindows, false);
    app.settings().setMaximized(MaximizeKey::Column, false);
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
    using ui::EventArgs;
    using ui::Window;
    bindSkinnedFrame(app, columnFrame());
    windows.bind(names::kWindow, "", ui::EventKind::Created,
                 [&app](Window& column, EventArgs&) { create(app, column); });
    const ColumnViews views{.loading = windows.resolve(names::kWindow, names::kLoadingView),
                            .column = windows.resolve(names::kWindow, names::kColumnBrowser),
                            .app = windows.resolve(names::kWindow, names::kAppBrowser)};
    windows.bind(names::kWindow, names::kColumnBrowser, ui::EventKind::DocumentComplete,
                 [views](Window& column, EventArgs&) { showColumnBrowser(column, views); });
    windows.bind(names::kWindow, names::kAppBrowser, ui::EventKind::DocumentComplete,
                 [views](Window& column, EventArgs&) { showAppBrowser(column, views); });
    windows.bind(names::kWindow, names::kAppBrowser, ui::EventKind::StatusTextChange,
                 [&app](Window&, EventArgs& args) {
                     app.state().columnWindow.lastAppStatusText = args.text;
                 });
    windows.bindAnswer(names::kWindow, names::kAppBrowser, ui::EventKind::NewWindow2,
                       [](const EventArgs&) { return true; });
    windows.bind(names::kWindow, names::kAppBrowser, ui::EventKind::NewWindow2,
                 [&app](Window& column, EventArgs& args) { openAppWindow(app, column, args); });
    for (const BrowserMenus& menus : kMenus) {
        windows.bind(names::kWindow, menus.browser, ui::EventKind::RightButtonDown,
                     [&app, &menus](Window& column, EventArgs&) { popUpMenu(app, column, menus); });
    }
    for (const MenuCommand& item : kMenuCommands) {
        windows.bindMenuAction(names::kWindow, item.action,
                               [browser = windows.resolve(names::kWindow, item.browser), &item](
                                   Window& column) { (column.control(browser).*item.command)(); });
    }
    windows.bind(names::kWindow, names::kCloseButton, ui::EventKind::Clicked,
                 [&app](Window&, EventArgs&) { close(app); });
}

}  // namespace quillo
