#include "ui/main/quit_procedure.hpp"

#include "app/app.hpp"
#include "content/pages.hpp"
#include "content/switch_page.hpp"
#include "i18n/language.hpp"
#include "ui/definitions/main_window.hpp"
#include "ui/definitions/window_names.hpp"

namespace quillo {

void quitProcedure(App& app) {
    ui::WindowModel& windows = app.windows();
    constexpr std::string_view kMain = ui::main_window::kWindow;

    if (isOn(app.state().startup.startupSwitch)) {
        windows.destroy(kMain);
        return;
    }

    ContentClient& content = app.content();
    Text& exitPopupSwitch = app.state().adverts.exitPopupSwitch;
    exitPopupSwitch = content.fetchPage(pages::kExitPopupSwitch);
    const Text languageForceSwitch = content.fetchPage(pages::kLanguageForceSwitch);
    const Text forcedLanguage = content.fetchPage(pages::kForcedLanguage);

    // Only a real language code is stored: an empty body from a failed fetch
    // or a stray page would leave every later start without a language.
    if (isOn(languageForceSwitch) && languageByText(forcedLanguage) != Language::None) {
        app.config().writeConfig("Language", forcedLanguage);
    }

    // A user who picks Quit is never ignored: the program ends unless the
    // exit pop-up is asked for, and the pop-up ends it in turn.
    if (isOn(exitPopupSwitch)) {
        windows.find(kMain)->hide();
        windows.load(ui::kExitPopupWindow);
        return;
    }
    windows.destroy(kMain);
}

}  // namespace quillo
