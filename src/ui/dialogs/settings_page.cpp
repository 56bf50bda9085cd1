#include "ui/dialogs/settings_page.hpp"

#include <array>
#include <optional>
#include <string_view>

#include "app/app.hpp"
#include "i18n/language.hpp"
#include "ui/definitions/about_window.hpp"
#include "ui/definitions/settings_window.hpp"
#include "ui/dialogs/dialog_skin.hpp"
#include "ui/dialogs/restart.hpp"
#include "ui/dialogs/settings_texts.hpp"

namespace quillo {
namespace {

namespace names = ui::settings_window;

struct LanguageBox {
    std::string_view box;
    Language language;
};

constexpr std::array<LanguageBox, 3> kLanguageBoxes{{
    {names::kSimplifiedBox, Language::Simplified},
    {names::kTraditionalBox, Language::Traditional},
    {names::kEnglishBox, Language::English},
}};

struct RendererBox {
    std::string_view box;
    int renderer;
};

constexpr std::array<RendererBox, 3> kRendererBoxes{{
    {names::kRenderer1Box, 1},
    {names::kRenderer2Box, 2},
    {names::kRenderer3Box, 3},
}};

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
    const Settings& settings = app.settings();
    const std::optional<bool> autoStart = settings.autoStart();
    const Language language = languageByNumber(settings.language());
    const int renderer = settings.renderer();
    const std::optional<bool> screenSaverOff = settings.screenSaverOff();
    const std::optional<bool> closeToTray = settings.closeToTray();

    if (autoStart) {
        window.control(names::kAutostartBox).setChecked(*autoStart);
    }
    for (const LanguageBox& box : kLanguageBoxes) {
        if (language == box.language) {
            window.control(box.box).setChecked(true);
        }
    }
    for (const RendererBox& box : kRendererBoxes) {
        if (renderer == box.renderer) {
            window.control(box.box).setChecked(true);
        }
    }
    if (screenSaverOff) {
        window.control(names::kScreenSaverBox).setChecked(*screenSaverOff);
    }
    if (closeToTray) {
        window.control(names::kTrayBox).setChecked(*closeToTray);
    }
}

void openSettings(App& app, ui::Window& window) {
    loadDialogFrame(app, window);
    const Settings& settings = app.settings();
    const Text language = settings.language();
    Text& opening = app.state().settings.openingLanguage;
    opening = settings.language();
    settings.setOpeningLanguage(opening);
    if (const Language chosen = languageByNumber(language); chosen != Language::None) {
        showLanguage(app, window, chosen);
    }
    showStoredSettings(app, window);
}

// The click has toggled the box already; it is not forced on.
void onLanguageBox(App& app, ui::Window& window, const LanguageBox& clicked) {
    for (const LanguageBox& box : kLanguageBoxes) {
        if (box.box != clicked.box) {
            window.control(box.box).setChecked(false);
        }
    }
    app.settings().setLanguage(languageCode(clicked.language));
}

void onRendererBox(ui::Window& window, const RendererBox& clicked) {
    for (const RendererBox& box : kRendererBoxes) {
        if (box.box != clicked.box) {
            window.control(box.box).setChecked(false);
        }
    }
}

}  // namespace

bool applySettings(App& app, ui::Window& window) {
    const Settings& settings = app.settings();
    Platform& platform = app.platform();
    const Text language = settings.language();

    // Every Apply registers again, so a moved program gets its entry updated.
    if (window.control(names::kAutostartBox).checked()) {
        settings.setAutoStart(true);
        platform.registerAutoStart(autoStartEntryName(app), ownProgramFile(app).string());
    } else {
        settings.setAutoStart(false);
        platform.unregisterAutoStart(autoStartEntryName(app));
    }
    settings.setCloseToTray(window.control(names::kTrayBox).checked());
    for (const RendererBox& box : kRendererBoxes) {
        if (window.control(box.box).checked()) {
            settings.setRenderer(box.renderer);
        }
    }
    if (window.control(names::kScreenSaverBox).checked()) {
        platform.setScreenSaverActive(false);
        settings.setScreenSaverOff(true);
    } else {
        platform.setScreenSaverActive(true);
        settings.setScreenSaverOff(false);
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
    using ui::Window;

    windows.bind(names::kWindow, "", EventKind::Created,
                 [&app](Window& window, EventArgs&) { openSettings(app, window); });
    for (const LanguageBox& box : kLanguageBoxes) {
        windows.bind(names::kWindow, box.box, EventKind::Clicked,
                     [&app, box](Window& window, EventArgs&) { onLanguageBox(app, window, box); });
    }
    for (const RendererBox& box : kRendererBoxes) {
        windows.bind(names::kWindow, box.box, EventKind::Clicked,
                     [box](Window& window, EventArgs&) { onRendererBox(window, box); });
    }
    windows.bind(names::kWindow, names::kApplyButton, EventKind::Clicked,
                 [&app](Window& window, EventArgs&) { applySettings(app, window); });
    windows.bind(names::kWindow, names::kConfirmButton, EventKind::Clicked,
                 [&app](Window& window, EventArgs&) {
                     if (!applySettings(app, window)) {
                         app.windows().destroy(names::kWindow);
                     }
                 });
    windows.bind(names::kWindow, names::kAboutTab, EventKind::Clicked, [&app](Window&, EventArgs&) {
        app.windows().destroy(names::kWindow);
        app.windows().load(ui::about_window::kWindow, true);
    });
}

}  // namespace quillo
