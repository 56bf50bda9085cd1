#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "config/config_store.hpp"
#include "core/text.hpp"

namespace quillo {

// The keys of Config.ini that record a window of the program as open ("2")
// or closed ("1"). Other programs and the next start read them; the
// program's own windows learn which windows are open from the window model.
enum class OpenStateKey {
    PlayerWindows,  // the player window; the column openers check it holds "1" or "2"
    PlayerOpen,     // the player window; the player opener checks it holds "1" or "2"
    AppWindows,     // the column window, as the player opener sees it
    AppOpen,        // the column window, as the column openers see it
};

// The keys that record whether a window's maximize toggle stands at
// maximized ("2") or normal ("1").
enum class MaximizeKey {
    Main,    // the main window
    Column,  // the column window
    App,     // the application window
};

// A recorded window state: "1" or "2" exactly, or anything else (a missing
// key included), which leaves the reader doing nothing.
enum class RecordedState { One, Two, Other };

// The program's settings in section Config of Config.ini, by name: every key
// the program reads or writes, and the values it writes, are named here and
// nowhere else. A thin typed layer over the store: every read goes to the
// file, every write reaches it before the call returns.
class Settings {
public:
    explicit Settings(const ConfigStore& store) : store_(store) {}

    // Language: the interface language's code as stored ("1" Simplified
    // Chinese, "2" Traditional Chinese, "3" English; i18n/language.hpp).
    // The start-up reads it as exact text, every other reader as a number.
    Text language() const;
    void setLanguage(std::string_view code) const;
    // First: the language code the settings window found at its opening.
    void setOpeningLanguage(std::string_view code) const;

    // Tray: whether the main window's close button hides it in the tray ("1")
    // or quits ("2"); nullopt for any other value.
    std::optional<bool> closeToTray() const;
    void setCloseToTray(bool toTray) const;

    // Start: whether the program starts with the session, read as a number
    // (1 true, 0 or empty false); nullopt for any other value.
    std::optional<bool> autoStart() const;
    void setAutoStart(bool on) const;

    // Rendering: the video renderer 1, 2 or 3, read as a number; 0 for any
    // other value.
    int renderer() const;
    // A renderer other than 1, 2 or 3 writes nothing.
    void setRenderer(int renderer) const;

    // Screen: whether the screen saver is kept off while the program runs,
    // read as a number (1 true, 0 or empty false); nullopt for any other
    // value.
    std::optional<bool> screenSaverOff() const;
    void setScreenSaverOff(bool off) const;

    // Display advertising: the pop-under was shown ("2") or closed by the
    // user ("1"). Written only.
    void setPopUnderShown(bool shown) const;

    // The open-state keys.
    RecordedState openState(OpenStateKey key) const;
    void setOpen(OpenStateKey key, bool open) const;

    // The maximize keys ("1" normal, "2" maximized).
    RecordedState maximizeState(MaximizeKey key) const;
    void setMaximized(MaximizeKey key, bool maximized) const;

    // Every open-state and maximize key back to "1", as every start does (a
    // crash may have left one at "2"), in the order the keys came to the
    // file.
    void resetWindowStates() const;

    // The Config.ini a new program directory starts with when the program
    // ships none: Simplified Chinese, close to the tray.
    static std::string builtInFile();

private:
    const ConfigStore& store_;
};

}  // namespace quillo
