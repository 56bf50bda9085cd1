#include "ui/browser/app_window.hpp"

#include <array>
#include <string_view>

#include "ads/text_ads.hpp"
#include "app/app.hpp"
#include "i18n/language.hpp"
#include "ui/browser/browser_views.hpp"
#include "ui/definitions/app_window.hpp"
#include "ui/definitions/menu_actions.hpp"
#include "ui/frame/skinned_frame.hpp"

namespace quillo {
namespace {

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
        .maximize = MaximizeToggle{.stateKey = MaximizeKey::App,
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
    const Language language = languageByNumber(app.settings().language());
    loadFrameSkin(app, window, appFrame());
    ui::Control& loading = window.control(names::kLoadingView);
    loading.setAddress(loadingPage(app));
    loading.show();
    fillContentArea(loading);

    ui::Control& browser = window.control(names::kBrowser);
    browser.hide();
    if (const AppPage* page = window.argument<AppPage>()) {
        navigateIfBrowsable(browser, page->address);
    }
    evaluateTextAd(app, window, kTextAd);
    setTitle(app, window, language);
}

// The views a completed page swaps, resolved once.
struct AppViews {
    ui::ControlRef loading;
    ui::ControlRef browser;
};

// Only visibility changes: a page that completes while the window is
// maximized keeps the maximized browser.
void showBrowser(ui::Window& window, const AppViews& views) {
    window.control(views.loading).hide();
    window.control(views.browser).show();
}

void popUpMenu(App& app, ui::Window& window) {
    const Language language = languageByNumber(app.settings().language());
    if (language != Language::None) {
        window.popupMenu(pickByLanguage(language, names::kSimplifiedMenu, names::kTraditionalMenu,
                                        names::kEnglishMenu));
    }
}

void close(App& app) {
    app.settings().setMaximized(MaximizeKey::App, false);
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
    using ui::EventArgs;
    using ui::Window;
    bindSkinnedFrame(app, appFrame());
    windows.bind(names::kWindow, "", ui::EventKind::Created,
                 [&app](Window& window, EventArgs&) { create(app, window); });
    const AppViews views{.loading = windows.resolve(names::kWindow, names::kLoadingView),
                         .browser = windows.resolve(names::kWindow, names::kBrowser)};
    windows.bind(names::kWindow, names::kBrowser, ui::EventKind::DocumentComplete,
                 [views](Window& window, EventArgs&) { showBrowser(window, views); });
    windows.bind(names::kWindow, names::kBrowser, ui::EventKind::RightButtonDown,
                 [&app](Window& window, EventArgs&) { popUpMenu(app, window); });
    for (const MenuCommand& item : kMenuCommands) {
        windows.bindMenuAction(names::kWindow, item.action,
                               [browser = views.browser, &item](Window& window) {
                                   (window.control(browser).*item.command)();
                               });
    }
    windows.bind(names::kWindow, names::kCloseButton, ui::EventKind::Clicked,
                 [&app](Window&, EventArgs&) { close(app); });
}

}  // namespace quillo
