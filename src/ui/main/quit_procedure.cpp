#include "ui/main/quit_procedure.hpp"

#include <chrono>
#include <string_view>

#include "app/app.hpp"
#include "content/pages.hpp"
#include "content/switch_page.hpp"
#include "i18n/language.hpp"
#include "ui/definitions/main_window.hpp"
#include "ui/definitions/window_names.hpp"

namespace quillo {

void quitProcedure(App& app, ui::Window& mainWindow) {
    ui::WindowModel& windows = app.windows();
    constexpr std::string_view kMain = ui::main_window::kWindow;

    if (isOn(app.state().startup.startupSwitch)) {
        windows.destroy(kMain);
        return;
    }

    // Each request may take what is left of the shared wait; one that finds
    // none left fails at once.
    const auto deadline = std::chrono::steady_clock::now() + kQuitWait;
    auto fetch = [&app, deadline](std::string_view path) {
        const auto left = std::chrono::ceil<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        return app.content().fetchPage(path, left);
    };
    Text& exitPopupSwitch = app.state().adverts.exitPopupSwitch;
    exitPopupSwitch = fetch(pages::kExitPopupSwitch);
    const Text languageForceSwitch = fetch(pages::kLanguageForceSwitch);
    const Text forcedLanguage = fetch(pages::kForcedLanguage);

    // Only a real language code is stored: an empty body from a failed fetch
    // or a stray page would leave every later start without a language.
    if (isOn(languageForceSwitch) && languageByText(forcedLanguage) != Language::None) {
        app.settings().setLanguage(forcedLanguage);
    }

    // A user who picks Quit is never ignored: the program ends unless the
    // exit pop-up is asked for, and the pop-up ends it in turn.
    if (isOn(exitPopupSwitch)) {
        mainWindow.hide();
        windows.load(ui::kExitPopupWindow);
        return;
    }
    windows.destroy(kMain);
}

}  // namespace quillo
