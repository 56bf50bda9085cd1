#pragma once

#include <array>

#include "core/text.hpp"

namespace quillo {

// What the main window's start-up learns and later behaviours read.
struct StartupState {
    Text languageCode;                // key Language as read when the main window was created
    Text startupSwitch;               // ads/ksqd.html; the quit procedure reads it
    Text displayName;                 // the program's display name
    std::array<Text, 5> columnTexts;  // keys Column 1 .. Column 5 of the language table
    // The content area says the service cannot be reached and offers to try
    // again; cleared when the user does.
    bool awaitingRetry = false;
};

// The main window's site browser.
struct MainBrowserState {
    // Last status text (the address of the link under the pointer); the
    // player opener hands it to the player window when the site asks for a
    // new window.
    Text lastStatusText;
};

// Advertisement switches fetched by one behaviour and read by another.
struct AdvertState {
    Text popUnderSwitch;   // ads/btkg.html, fetched at start-up in server-name mode
    Text exitPopupSwitch;  // ads/ttkg.html, fetched by the quit procedure and the exit pop-up
    // Ticks of the corner pop-up's show timer left before it shows; set when
    // it has an advertisement to show.
    int showCountdown = 0;
};

// The column window's application browser.
struct ColumnWindowState {
    // Last status text (the address of the link under the pointer); the
    // application window opens it when the application centre asks for a
    // new window.
    Text lastAppStatusText;
};

// The settings window.
struct SettingsState {
    // Key Language as read when the settings window last opened; Apply
    // restarts the program when the key differs from it. Kept after the
    // window closes, until it opens again.
    Text openingLanguage;
};

// Texts shared by the handlers of all windows for the whole run, grouped by
// the feature that sets them. Created empty.
struct RunState {
    StartupState startup;
    MainBrowserState mainBrowser;
    AdvertState adverts;
    ColumnWindowState columnWindow;
    SettingsState settings;
};

}  // namespace quillo
