#include "site/page_catalog.hpp"

#include <array>
#include <string>

#include "content/pages.hpp"

namespace quillo::site {
namespace {

using enum PageKind;

const std::array kCatalog = {
    PageEntry{pages::kStartupSwitch, Switch,
              "on: names from the language tables; off: names from the name pages, "
              "pop-under, corner and exit pop-ups"},
    PageEntry{kHomePage, Navigated,
              "home page: the site the main window opens at the base address"},
    PageEntry{pages::kNameSimplified, Name, "display name, Simplified Chinese"},
    PageEntry{pages::kNameTraditional, Name, "display name, Traditional Chinese"},
    PageEntry{pages::kNameEnglish, Name, "display name, English"},
    PageEntry{pages::kCustomColumn1Switch, Switch, "custom column 1 label shown / hidden"},
    PageEntry{pages::kCustomColumn2Switch, Switch, "custom column 2 label shown / hidden"},
    PageEntry{pages::kCustomColumn1Address, Address, "page opened for custom column 1"},
    PageEntry{pages::kCustomColumn2Address, Address, "page opened for custom column 2"},
    PageEntry{pages::kTvPage, Navigated, "TV page of column 2"},
    PageEntry{pages::kAppPage, Navigated, "application page of column 3"},
    PageEntry{pages::kTextAdSwitch[0], Switch, "text advertisement 1 (main window) shown / hidden"},
    PageEntry{pages::kTextAdSwitch[1], Switch, "text advertisement 2 (player) shown / hidden"},
    PageEntry{pages::kTextAdSwitch[2], Switch,
              "text advertisement 3 (column window) shown / hidden"},
    PageEntry{pages::kTextAdSwitch[3], Switch,
              "text advertisement 4 (application window) shown / hidden"},
    PageEntry{pages::kTextAdText[0], Text, "text of advertisement 1"},
    PageEntry{pages::kTextAdText[1], Text, "text of advertisement 2"},
    PageEntry{pages::kTextAdText[2], Text, "text of advertisement 3"},
    PageEntry{pages::kTextAdText[3], Text, "text of advertisement 4"},
    PageEntry{pages::kTextAdAddress[0], Address, "address opened by advertisement 1"},
    PageEntry{pages::kTextAdAddress[1], Address, "address opened by advertisement 2"},
    PageEntry{pages::kTextAdAddress[2], Address, "address opened by advertisement 3"},
    PageEntry{pages::kTextAdAddress[3], Address, "address opened by advertisement 4"},
    PageEntry{pages::kForcedUpdateSwitch, Switch, "on: check whether this version is outdated"},
    PageEntry{pages::kOwnVersionSwitch, Switch, "on: this version is outdated, the updater runs"},
    PageEntry{pages::kPopUnderSwitch, Switch, "pop-under window on / off"},
    PageEntry{pages::kPopUnderPeriod, Number, "pop-under period in seconds"},
    PageEntry{pages::kPopUnderPage, Navigated, "pop-under content"},
    PageEntry{pages::kCornerPopupSwitch, Switch, "corner pop-up on / off"},
    PageEntry{pages::kCornerPopupPage, Navigated, "corner pop-up content"},
    PageEntry{pages::kExitPopupSwitch, Switch, "exit pop-up on / off"},
    PageEntry{pages::kExitPopupPage, Navigated, "exit pop-up content"},
    PageEntry{pages::kLanguageForceSwitch, Switch,
              "on: store the language of ads/rjyy.html when quitting"},
    PageEntry{pages::kForcedLanguage, Language, "language code stored when quitting (1, 2 or 3)"},
    PageEntry{pages::kCustomerServiceNumber, Digits, "customer-service chat number"},
    PageEntry{pages::kProgramVersion, Text, "version text of the program (About window)"},
    PageEntry{pages::kUpdaterVersion, Text, "version text of the updater (About window)"},
    PageEntry{pages::kAboutSimplified, Text, "about text, Simplified Chinese"},
    PageEntry{pages::kAboutTraditional, Text, "about text, Traditional Chinese"},
    PageEntry{pages::kAboutEnglish, Text, "about text, English"},
};

}  // namespace

std::span<const PageEntry> pageCatalog() {
    return kCatalog;
}

const PageEntry* findPage(std::string_view path) {
    for (const PageEntry& entry : kCatalog) {
        if (entry.path == path || entry.path == std::string("ads/") + std::string(path)) {
            return &entry;
        }
    }
    return nullptr;
}

}  // namespace quillo::site
