#include "ui/dialogs/about_page.hpp"

#include <string_view>

#include "app/app.hpp"
#include "content/decipher.hpp"
#include "content/pages.hpp"
#include "content/server_addresses.hpp"
#include "core/address_policy.hpp"
#include "i18n/language.hpp"
#include "ui/definitions/about_window.hpp"
#include "ui/definitions/settings_window.hpp"
#include "ui/dialogs/dialog_skin.hpp"
#include "ui/main/customer_service.hpp"

namespace quillo {
namespace {

namespace names = ui::about_window;

// The texts a language shows before or instead of the server's pages.
struct AboutTexts {
    std::string_view versionPrefix;
    std::string_view updaterPrefix;
    std::string_view thanksPage;
    std::string_view siteWord;
    std::string_view contactText;
    std::string_view optionsTab;
    std::string_view aboutTab;
};

constexpr AboutTexts kSimplified{"主程序版本：", "升级程序版本：", pages::kAboutSimplified,
                                 "软件官网 ",    "联系客服",       "OptionB.gif",
                                 "AboutA.gif"};
constexpr AboutTexts kTraditional{"主程序版本：", "升級程序版本：", pages::kAboutTraditional,
                                  "軟件官網 ",    "聯系客服",       "OptionF.gif",
                                  "AboutC.gif"};
// The updater line has no colon and no blank before the number.
constexpr AboutTexts kEnglish{"Player Version:",   "Update Version", pages::kAboutEnglish,
                              "Software Website ", "Contact Us",     "OptionH.gif",
                              "AboutE.gif"};

Text siteLinkAddress() {
    return decipherText(siteLinkCipher());
}

// In the order the labels are filled; the name page is asked twice.
void showLanguage(App& app, ui::Window& window, Language language) {
    const AboutTexts& texts = pickByLanguage(language, kSimplified, kTraditional, kEnglish);
    ContentClient& content = app.content();
    window.control(names::kNameLabel).setText(content.fetchPage(namePage(language)));
    window.control(names::kVersionLabel)
        .setText(gbk(texts.versionPrefix) + content.fetchPage(pages::kProgramVersion));
    window.control(names::kUpdaterVersionLabel)
        .setText(gbk(texts.updaterPrefix) + content.fetchPage(pages::kUpdaterVersion));
    window.control(names::kThanksLabel).setText(content.fetchPage(texts.thanksPage));
    window.control(names::kCopyrightLabel)
        .setText(rightsLine(content.fetchPage(namePage(language))));
    window.control(names::kSiteLink).setText(gbk(texts.siteWord) + siteLinkAddress());
    window.control(names::kLogo).setImage(app.skinFile("AboutLOGO.gif"));
    window.control(names::kCopyrightChannelLink).setText(gbk(texts.contactText));
    setTabPicture(app, window.control(names::kOptionsTab), texts.optionsTab);
    setTabPicture(app, window.control(names::kAboutTab), texts.aboutTab);
    loadDialogButtons(app, window, language);
}

void openAbout(App& app, ui::Window& window) {
    loadDialogFrame(app, window);
    const Language language = languageByNumber(app.settings().language());
    if (language != Language::None) {
        showLanguage(app, window, language);
    }
}

void openSite(App& app) {
    const Text address = siteLinkAddress();
    if (isWebAddress(address)) {
        app.platform().openAddress(address);
    }
}

}  // namespace

Text rightsLine(const Text& name) {
    return gbk("Copyright (C) ") + name + gbk(" 版权所有");
}

void bindAboutPage(App& app) {
    ui::WindowModel& windows = app.windows();
    using ui::EventArgs;
    using ui::EventKind;

    using ui::Window;

    windows.bind(names::kWindow, "", EventKind::Created,
                 [&app](Window& window, EventArgs&) { openAbout(app, window); });
    windows.bind(names::kWindow, names::kSiteLink, EventKind::LeftButtonDown,
                 [&app](Window&, EventArgs&) { openSite(app); });
    windows.bind(names::kWindow, names::kCopyrightChannelLink, EventKind::LeftButtonDown,
                 [&app](Window&, EventArgs&) { contactCustomerService(app); });
    windows.bind(names::kWindow, names::kOptionsTab, EventKind::Clicked,
                 [&app](Window&, EventArgs&) {
                     app.windows().destroy(names::kWindow);
                     app.windows().load(ui::settings_window::kWindow, true);
                 });
}

}  // namespace quillo
