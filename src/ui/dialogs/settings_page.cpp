#include "ui/dialogs/settings_page.hpp"

#include <array>
#include <string_view>

#include "app/app.hpp"
#include "core/number.hpp"
#include "i18n/language.hpp"
#include "ui/definitions/about_window.hpp"
#include "ui/definitions/settings_window.hpp"
#include "ui/dialogs/dialog_skin.hpp"
#include "ui/dialogs/restart.hpp"
#include "ui/dialogs/settings_texts.hpp"

namespace quillo {
namespace {

namespace names = ui::settings_window;

struct CodedBox {
    std::string_view box;
    std::string_view code;  // written to Config.ini
    int number;             // compared with the stored value as a number
};

constexpr std::array<CodedBox, 3> kLanguageBoxes{{
    {names::kSimplifiedBox, "1", 1},
    {names::kTraditionalBox, "2", 2},
    {names::kEnglishBox, "3", 3},
}};

constexpr std::array<CodedBox, 3> kRendererBoxes{{
    {names::kRenderer1Box, "1", 1},
    {names::kRenderer2Box, "2", 2},
    {names::kRenderer3Box, "3", 3},
}};

ui::Window& settingsWindow(App& app) {
    return *app.windows().find(names::kWindow);
}

std::string_view variant(const settings_texts::Variants& texts, Language language) {
    return pickByLanguage(language, texts[0], texts[1], texts[2]);
}

void showLanguage(App& app, ui::Window& window, Language language) {
    const Text name = app.content().fetchPage(namePage(language));
    window.setTitle(name + gbk(variant(settings_texts::kTitleWord, language)));
    for (const settings_texts::LabelText& label : settings_texts::kLabels) {
        window.control(label.label).setText(gbk(variant(label.text, language)));
    }
    setTabPicture(
        app, window.control(names::kOptionsTab),
        pickByLanguage<std::string_view>(language, "OptionA.gif", "OptionE.gif", "OptionG.gif"));
    setTabPicture(
        app, window.control(names::kAboutTab),
        pickByLanguage<std::string_view>(language, "AboutB.gif", "AboutD.gif", "AboutF.gif"));
    loadDialogButtons(app, window, language);
}

// Boxes whose key holds no recognised value keep their stored state.
void showStoredSettings(App& app, ui::Window& window) {
    ConfigStore& config = app.config();
    const Text start = config.readConfig("Start");
    const Text language = config.readConfig("Language");
    const Text rendering = config.readConfig("Rendering");
    const Text screen = config.readConfig("Screen");
    const Text tray = config.readConfig("Tray");

    // An empty or missing value reads as the number 0.
    if (numberEquals(start, 1)) {
        window.control(names::kAutostartBox).setChecked(true);
    } else if (numberEquals(start, 0)) {
        window.control(names::kAutostartBox).setChecked(false);
    }
    for (const CodedBox& box : kLanguageBoxes) {
        if (numberEquals(language, box.number)) {
            window.control(box.box).setChecked(true);
        }
    }
    for (const CodedBox& box : kRendererBoxes) {
        if (numberEquals(rendering, box.number)) {
            window.control(box.box).setChecked(true);
        }
    }
    if (numberEquals(screen, 0)) {
        window.control(names::kScreenSaverBox).setChecked(false);
    } else if (numberEquals(screen, 1)) {
        window.control(names::kScreenSaverBox).setChecked(true);
    }
    if (tray == "1") {
        window.control(names::kTrayBox).setChecked(true);
    } else if (tray == "2") {
        window.control(names::kTrayBox).setChecked(false);
    }
}

void openSettings(App& app) {
    ui::Window& window = settingsWindow(app);
    loadDialogFrame(app, window);
    ConfigStore& config = app.config();
    const Text language = config.readConfig("Language");
    Text& opening = app.state().settings.openingLanguage;
    opening = config.readConfig("Language");
    config.writeConfig("First", opening);
    if (const Language chosen = languageByNumber(language); chosen != Language::None) {
        showLanguage(app, window, chosen);
    }
    showStoredSettings(app, window);
}

// The click has toggled the box already; it is not forced on.
void onLanguageBox(App& app, const CodedBox& clicked) {
    ui::Window& window = settingsWindow(app);
    for (const CodedBox& box : kLanguageBoxes) {
        if (box.box != clicked.box) {
            window.control(box.box).setChecked(false);
        }
    }
    app.config().writeConfig("Language", clicked.code);
}

void onRendererBox(App& app, const CodedBox& clicked) {
    ui::Window& window = settingsWindow(app);
    for (const CodedBox& box : kRendererBoxes) {
        if (box.box != clicked.box) {
            window.control(box.box).setChecked(false);
        }
    }
}

}  // namespace

bool applySettings(App& app) {
    ui::Window& window = settingsWindow(app);
    ConfigStore& config = app.config();
    Platform& platform = app.platform();
    const Text language = config.readConfig("Language");

    // Every Apply registers again, so a moved program gets its entry updated.
    if (window.control(names::kAutostartBox).checked()) {
        config.writeConfig("Start", "1");
        platform.registerAutoStart(autoStartEntryName(app), ownProgramFile(app).string());
    } else {
        config.writeConfig("Start", "0");
        platform.unregisterAutoStart(autoStartEntryName(app));
    }
    config.writeConfig("Tray", window.control(names::kTrayBox).checked() ? "1" : "2");
    for (const CodedBox& box : kRendererBoxes) {
        if (window.control(box.box).checked()) {
            config.writeConfig("Rendering", box.code);
        }
    }
    if (window.control(names::kScreenSaverBox).checked()) {
        platform.setScreenSaverActive(false);
        config.writeConfig("Screen", "1");
    } else {
        platform.setScreenSaverActive(true);
        config.writeConfig("Screen", "0");
    }
    if (language != app.state().settings.openingLanguage) {
        return restartProgram(app);
    }
    return false;
}

void bindSettingsPage(App& app) {
    ui::WindowModel& windows = app.windows();
    using ui::EventArgs;
    using ui::EventKind;

    windows.bind(names::kWindow, "", EventKind::Created, [&app](EventArgs&) { openSettings(app); });
    for (const CodedBox& box : kLanguageBoxes) {
        windows.bind(names::kWindow, box.box, EventKind::Clicked,
                     [&app, box](EventArgs&) { onLanguageBox(app, box); });
    }
    for (const CodedBox& box : kRendererBoxes) {
        windows.bind(names::kWindow, box.box, EventKind::Clicked,
                     [&app, box](EventArgs&) { onRendererBox(app, box); });
    }
    windows.bind(names::kWindow, names::kApplyButton, EventKind::Clicked,
                 [&app](EventArgs&) { applySettings(app); });
    windows.bind(names::kWindow, names::kConfirmButton, EventKind::Clicked, [&app](EventArgs&) {
        if (!applySettings(app)) {
            app.windows().destroy(names::kWindow);
        }
    });
    windows.bind(names::kWindow, names::kAboutTab, EventKind::Clicked, [&app](EventArgs&) {
        app.windows().destroy(names::kWindow);
        app.windows().load(ui::about_window::kWindow, true);
    });
}

}  // namespace quillo
