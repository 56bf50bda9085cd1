#pragma once

#include <array>

#include "core/text.hpp"

namespace quillo {

// Texts shared by the handlers of all windows for the whole run. Created
// empty; each field names the handler that sets it.
struct RunState {
    Text languageCode;                // key Language as read at start-up
    Text startupSwitch;               // ads/ksqd.html
    Text displayName;                 // the program's display name
    std::array<Text, 5> columnTexts;  // keys Column 1 .. Column 5 of the language table
    Text customColumn1Switch;         // ads/zdylm1.html
    Text customColumn2Switch;         // ads/zdylm2.html
    Text popUnderSwitch;              // ads/btkg.html (server-name mode only)
    Text trayMode;                    // key Tray, read by the close button
    Text exitPopupSwitch;             // ads/ttkg.html
    Text languageForceSwitch;         // ads/rjyyqz.html
    Text forcedLanguage;              // ads/rjyy.html
    Text appWindowsFlag;              // key APPWindows, read by the player opener
    Text playerOpenFlag;              // key PlayerOpen, read by the player opener
    Text lastStatusText;              // last status text of the main browser
    Text maximizeState;               // key Maximize, read by the maximize button
};

}  // namespace quillo
