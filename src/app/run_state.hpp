#pragma once

#include <array>

#include "core/text.hpp"

namespace quillo {

// What the main window's start-up learns and later behaviours read.
struct StartupState {
    Text startupSwitch;               // ads/ksqd.html; the quit procedure reads it
    Text displayName;                 // the program's display name
    std::array<Text, 5> columnTexts;  // keys Column 1 .. Column 5 of the language table
};

// The main window's site browser.
struct MainBrowserState {
    // Last status text (the address of the link under the pointer); the
    // player window opens it when the site asks for a new window.
    Text lastStatusText;
};

// Advertisement switches fetched by one behaviour and read by another.
struct AdvertState {
    Text popUnderSwitch;   // ads/btkg.html, fetched at start-up in server-name mode
    Text exitPopupSwitch;  // ads/ttkg.html, fetched by the quit procedure
};

// Texts shared by the handlers of all windows for the whole run, grouped by
// the feature that sets them. Created empty.
struct RunState {
    StartupState startup;
    MainBrowserState mainBrowser;
    AdvertState adverts;
};

}  // namespace quillo
