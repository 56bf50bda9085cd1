#include "ui/main/unreachable_page.hpp"

#include "app/app.hpp"
#include "ui/definitions/main_window.hpp"
#include "ui/main/startup.hpp"

namespace quillo {
namespace {

namespace names = ui::main_window;

}  // namespace

std::filesystem::path unreachablePagePath(const std::filesystem::path& programDirectory,
                                          Language language) {
    return programDirectory / "Html" /
           pickByLanguage<std::string_view>(language, "Unreachable.zh-CN.html",
                                            "Unreachable.zh-TW.html", "Unreachable.en.html");
}

Language unreachablePageLanguage(std::string_view languageCode) {
    if (Language language = languageByText(languageCode); language != Language::None) {
        return language;
    }
    if (Language language = languageByNumber(languageCode); language != Language::None) {
        return language;
    }
    return Language::Simplified;
}

void showUnreachablePage(App& app, ui::Window& window) {
    StartupState& state = app.state().startup;
    const Language language = unreachablePageLanguage(state.languageCode);

    Text name = readLanguageTable(app.programDirectory(), language, "Name");
    if (name.empty()) {
        name = window.control(names::kNameLabel).text();
    }
    window.setTitle(name);

    // Over the content area, where the site would be.
    ui::Control& site = window.control(names::kSiteBrowser);
    site.hide();
    ui::Control& page = window.control(names::kLoadingBrowser);
    page.navigate(unreachablePagePath(app.programDirectory(), language).string());
    page.setGeometry(site.geometry());
    page.show();
    state.awaitingRetry = true;
}

void bindUnreachablePage(App& app) {
    // The retry link never leaves the page: refused at once, inside the
    // engine's navigation decision; the start-up runs again from the main
    // loop, as the event's handler.
    app.windows().bindAnswer(names::kWindow, names::kLoadingBrowser, ui::EventKind::BeforeNavigate2,
                             [](const ui::EventArgs& args) { return args.text == kRetryAddress; });
    app.windows().bind(names::kWindow, names::kLoadingBrowser, ui::EventKind::BeforeNavigate2,
                       [&app](ui::Window& window, ui::EventArgs& args) {
                           if (args.text != kRetryAddress) {
                               return;
                           }
                           StartupState& state = app.state().startup;
                           // Once per page shown: a click held while the start-up runs again
                           // finds the page gone (the page itself takes one click only).
                           if (!state.awaitingRetry) {
                               return;
                           }
                           state.awaitingRetry = false;
                           app.content().tryAgain();
                           runStartupFromSwitchPage(app, window);
                       });
}

}  // namespace quillo
