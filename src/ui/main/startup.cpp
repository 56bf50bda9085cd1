#include "ui/main/startup.hpp"

#include <array>
#include <string>
#include <string_view>

#include "ads/text_ads.hpp"
#include "app/app.hpp"
#include "content/pages.hpp"
#include "content/switch_page.hpp"
#include "i18n/language.hpp"
#include "ui/definitions/main_window.hpp"
#include "ui/main/main_frame.hpp"
#include "ui/main/unreachable_page.hpp"
#include "ui/main/update_check.hpp"

namespace quillo {
namespace {

namespace names = ui::main_window;
constexpr std::string_view kMain = names::kWindow;

void readColumnTexts(App& app, Language language) {
    for (std::size_t i = 0; i < names::kColumnLabels.size(); ++i) {
        app.state().startup.columnTexts[i] =
            readLanguageTable(app.programDirectory(), language, "Column " + std::to_string(i + 1));
    }
}

void endForWantOfNetwork(App& app) {
    // The window goes first; the notice stands alone, then the program ends.
    app.windows().destroy(kMain);
    app.platform().messageBox(gbk("请链接网络后，重新运行本程序！"), gbk("提示"),
                              MessageIcon::Warning);
}

// The loading page covers the content area from the moment the window
// shows until the site has loaded (see bindStartup); it is a local file, so
// it goes ahead of the start-up's requests to the server.
// The content area is where the site browser is: the design's place at
// start, the whole client area when a retry finds the window maximized.
void showLoadingPage(App& app, ui::Window& window) {
    ui::Control& site = window.control(names::kSiteBrowser);
    site.hide();
    ui::Control& loading = window.control(names::kLoadingBrowser);
    loading.navigate((app.programDirectory() / "Html" / "Loading.html").string());
    loading.setGeometry(site.geometry());
    loading.show();
}

// A start-up that stops without sending the site browser anywhere leaves
// the window as designed: the site browser in its place, blank, and no
// loading page that would never give way.
void takeDownLoadingPage(ui::Window& window) {
    window.control(names::kLoadingBrowser).hide();
    window.control(names::kSiteBrowser).show();
}

}  // namespace

void applyCustomColumnSwitches(App& app, ui::Window& window) {
    const Text column1Switch = app.content().fetchPage(pages::kCustomColumn1Switch);
    const Text column2Switch = app.content().fetchPage(pages::kCustomColumn2Switch);
    auto apply = [&window](const Text& body, std::string_view label) {
        if (isOn(body)) {
            window.control(label).show();
        } else if (isOff(body)) {
            window.control(label).hide();
        }
    };
    apply(column1Switch, names::kColumn4Label);
    apply(column2Switch, names::kColumn5Label);
}

bool applyTextsAndBrowse(App& app, ui::Window& window) {
    StartupState& state = app.state().startup;

    window.setTitle(state.displayName);
    window.control(names::kNameLabel).setText(state.displayName);
    for (std::size_t i = 0; i < names::kColumnLabels.size(); ++i) {
        window.control(names::kColumnLabels[i]).setText(state.columnTexts[i]);
    }

    applyCustomColumnSwitches(app, window);

    ui::Control& browser = window.control(names::kSiteBrowser);
    browser.setSilent(true);
    browser.navigate(app.content().baseAddress());

    evaluateTextAd(app, window, 1);
    return !checkForUpdate(app);
}

void runStartup(App& app, ui::Window& window) {
    StartupState& state = app.state().startup;

    loadFrameSkin(app, window, mainFrame());
    state.languageCode = app.settings().language();
    // Every start heals window-state keys that a crash may have left at "2".
    app.settings().resetWindowStates();

    if (!app.platform().networkConnected()) {
        endForWantOfNetwork(app);
        return;
    }
    runStartupFromSwitchPage(app, window);
}

void runStartupFromSwitchPage(App& app, ui::Window& window) {
    StartupState& state = app.state().startup;
    showLoadingPage(app, window);
    state.startupSwitch = app.content().fetchPage(pages::kStartupSwitch);
    const Language language = languageByText(state.languageCode);

    if (isOn(state.startupSwitch)) {
        // Local-name mode: everything from the language table.
        if (language == Language::None) {
            takeDownLoadingPage(window);
            return;
        }
        state.displayName = readLanguageTable(app.programDirectory(), language, "Name");
        readColumnTexts(app, language);
        applyTextsAndBrowse(app, window);
        return;
    }

    if (isOff(state.startupSwitch)) {
        // Server-name mode: the display name from the server, the rest as
        // above, then the pop-under switch and the corner pop-up.
        if (language == Language::None) {
            takeDownLoadingPage(window);
            return;
        }
        state.displayName = app.content().fetchPage(namePage(language));
        readColumnTexts(app, language);
        if (!applyTextsAndBrowse(app, window)) {
            return;
        }
        app.state().adverts.popUnderSwitch = app.content().fetchPage(pages::kPopUnderSwitch);
        app.windows().load(ui::kCornerPopupWindow);
        return;
    }
    // Any other answer (the server unreachable, an error page, a switch page
    // that is neither on nor off): nothing more is asked; the window keeps
    // its design-time texts and says in its content area that the service
    // cannot be reached, with a link that runs this again.
    showUnreachablePage(app, window);
}

void bindStartup(App& app) {
    ui::WindowModel& windows = app.windows();
    windows.bind(kMain, "", ui::EventKind::Created,
                 [&app](ui::Window& window, ui::EventArgs&) { runStartup(app, window); });
    // The site has loaded (or a frame of it, or a later page): the loading
    // page gives way to the site.
    windows.bind(
        kMain, names::kSiteBrowser, ui::EventKind::DocumentComplete,
        [loading = windows.resolve(kMain, names::kLoadingBrowser),
         site = windows.resolve(kMain, names::kSiteBrowser)](ui::Window& window, ui::EventArgs&) {
            window.control(loading).hide();
            window.control(site).show();
        });
}

}  // namespace quillo
