#include "app/startup.hpp"

#include <array>
#include <string>
#include <string_view>

#include "ads/text_ads.hpp"
#include "app/app.hpp"
#include "app/update_check.hpp"
#include "content/pages.hpp"
#include "content/switch_page.hpp"
#include "i18n/language.hpp"
#include "ui/definitions/window_names.hpp"
#include "ui/main/main_frame.hpp"

namespace quillo {
namespace {

constexpr std::string_view kMain = ui::kMainWindow;

// Every start heals window-state keys that a crash may have left at "2".
constexpr std::array<std::string_view, 7> kWindowStateKeys{
    "APPWindows", "PlayerWindows", "PlayerOpen",       "APPOpen",
    "Maximize",   "APPMaximize",   "APPCenterMaximize"};

constexpr std::array<std::string_view, 5> kColumnLabels{"栏目1标签", "栏目2标签", "栏目3标签",
                                                        "栏目4标签", "栏目5标签"};

void readColumnTexts(App& app, Language language) {
    for (std::size_t i = 0; i < kColumnLabels.size(); ++i) {
        app.state().columnTexts[i] =
            readLanguageTable(app.programDirectory(), language, "Column " + std::to_string(i + 1));
    }
}

void endForWantOfNetwork(App& app) {
    // The window goes first; the notice stands alone, then the program ends.
    app.windows().destroy(kMain);
    app.platform().messageBox(gbk("请链接网络后，重新运行本程序！"), gbk("提示"),
                              MessageIcon::Warning);
}

}  // namespace

void applyCustomColumnSwitches(App& app) {
    RunState& state = app.state();
    state.customColumn1Switch = app.content().fetchPage(pages::kCustomColumn1Switch);
    state.customColumn2Switch = app.content().fetchPage(pages::kCustomColumn2Switch);
    ui::Window& window = *app.windows().find(kMain);
    auto apply = [&window](const Text& body, std::string_view label) {
        if (isOn(body)) {
            window.control(label).show();
        } else if (isOff(body)) {
            window.control(label).hide();
        }
    };
    apply(state.customColumn1Switch, "栏目4标签");
    apply(state.customColumn2Switch, "栏目5标签");
}

bool applyTextsAndBrowse(App& app) {
    RunState& state = app.state();
    ui::Window& window = *app.windows().find(kMain);

    window.setTitle(state.displayName);
    window.control("软件名称标签").setText(state.displayName);
    for (std::size_t i = 0; i < kColumnLabels.size(); ++i) {
        window.control(kColumnLabels[i]).setText(state.columnTexts[i]);
    }

    applyCustomColumnSwitches(app);

    // The loading page covers the content area until the site has loaded.
    window.control("WebBrowser1").hide();
    ui::Control& loading = window.control("WebBrowser2");
    loading.navigate((app.programDirectory() / "Html" / "Loading.html").string());
    loading.move(0, 28, 984, 596);

    ui::Control& browser = window.control("WebBrowser1");
    browser.setSilent(true);
    browser.navigate(app.content().baseAddress());

    evaluateTextAd(app, 1);
    return !checkForUpdate(app);
}

void runStartup(App& app) {
    RunState& state = app.state();
    ui::Window& window = *app.windows().find(kMain);

    loadMainWindowSkin(app, window);
    state.languageCode = app.config().readConfig("Language");
    for (std::string_view key : kWindowStateKeys) {
        app.config().writeConfig(key, "1");
    }

    if (!app.platform().networkConnected()) {
        endForWantOfNetwork(app);
        return;
    }

    state.startupSwitch = app.content().fetchPage(pages::kStartupSwitch);
    Language language = languageByText(state.languageCode);

    if (isOn(state.startupSwitch)) {
        // Local-name mode: everything from the language table.
        if (language == Language::None) {
            return;
        }
        state.displayName = readLanguageTable(app.programDirectory(), language, "Name");
        readColumnTexts(app, language);
        applyTextsAndBrowse(app);
        return;
    }

    if (isOff(state.startupSwitch)) {
        // Server-name mode: the display name from the server, the rest as
        // above, then the pop-under switch and the corner pop-up.
        if (language == Language::None) {
            return;
        }
        state.displayName = app.content().fetchPage(namePage(language));
        readColumnTexts(app, language);
        if (!applyTextsAndBrowse(app)) {
            return;
        }
        state.popUnderSwitch = app.content().fetchPage(pages::kPopUnderSwitch);
        app.windows().load(ui::kCornerPopupWindow);
    }
    // Any other answer (the server unreachable included): the window keeps
    // its design-time texts and blank browsers.
}

}  // namespace quillo
