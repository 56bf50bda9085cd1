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
    // player window opens it when the site asks for a new window.
    Text lastStatusText;
};

// Advertisement switches fetched by one behaviour and read by another.
struct AdvertState {
    Text popUnderSwitch;     // ads/btkg.html, fetched at start-up in server-name mode
    Text exitPopupSwitch;    // ads/ttkg.html, fetched by the quit procedure and the exit pop-up
    Text cornerPopupSwitch;  // ads/ytkg.html, fetched by the corner pop-up's set-up
    // Ticks of the corner pop-up's show timer left before it shows; set when
    // it has an advertisement to show.
    int showCountdown = 0;
};

// Addresses the browser windows hand on: the main browser's new-window
// requests to the player window, the column window's application browser to
// the application window, and the custom columns' addresses from the server.
struct BrowserWindowsState {
    Text playerRequestAddress;  // the main browser's last new-window request
    Text lastAppStatusText;     // last status text of the application browser
    Text appRequestAddress;     // the application browser's last new-window request
    Text customColumn1Address;  // ads/zdylm1dz.html, fetched on every click
    Text customColumn2Address;  // ads/zdylm2dz.html, fetched on every click
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
    BrowserWindowsState browserWindows;
    SettingsState settings;
};

}  // namespace quillo
