#include "config/settings.hpp"

#include <array>

#include "core/number.hpp"

namespace quillo {
namespace {

constexpr std::string_view kLanguage = "Language";
constexpr std::string_view kOpeningLanguage = "First";
constexpr std::string_view kTray = "Tray";
constexpr std::string_view kStart = "Start";
constexpr std::string_view kRendering = "Rendering";
constexpr std::string_view kScreen = "Screen";
constexpr std::string_view kPopUnder = "Display advertising";

constexpr std::string_view kOne = "1";
constexpr std::string_view kTwo = "2";
constexpr std::string_view kOn = "1";
constexpr std::string_view kOff = "0";

constexpr std::string_view keyOf(OpenStateKey key) {
    switch (key) {
        case OpenStateKey::PlayerWindows:
            return "PlayerWindows";
        case OpenStateKey::PlayerOpen:
            return "PlayerOpen";
        case OpenStateKey::AppWindows:
            return "APPWindows";
        case OpenStateKey::AppOpen:
            return "APPOpen";
    }
    return {};
}

constexpr std::string_view keyOf(MaximizeKey key) {
    switch (key) {
        case MaximizeKey::Main:
            return "Maximize";
        case MaximizeKey::Column:
            return "APPCenterMaximize";
        case MaximizeKey::App:
            return "APPMaximize";
    }
    return {};
}

RecordedState recorded(const Text& value) {
    if (value == kOne) {
        return RecordedState::One;
    }
    if (value == kTwo) {
        return RecordedState::Two;
    }
    return RecordedState::Other;
}

// 1 true, 0 false (an empty value reads as 0), else nullopt.
std::optional<bool> numberFlag(const Text& value) {
    if (numberEquals(value, 1)) {
        return true;
    }
    if (numberEquals(value, 0)) {
        return false;
    }
    return std::nullopt;
}

}  // namespace

Text Settings::language() const {
    return store_.readConfig(kLanguage);
}

void Settings::setLanguage(std::string_view code) const {
    store_.writeConfig(kLanguage, code);
}

void Settings::setOpeningLanguage(std::string_view code) const {
    store_.writeConfig(kOpeningLanguage, code);
}

std::optional<bool> Settings::closeToTray() const {
    switch (recorded(store_.readConfig(kTray))) {
        case RecordedState::One:
            return true;
        case RecordedState::Two:
            return false;
        case RecordedState::Other:
            break;
    }
    return std::nullopt;
}

void Settings::setCloseToTray(bool toTray) const {
    store_.writeConfig(kTray, toTray ? kOne : kTwo);
}

std::optional<bool> Settings::autoStart() const {
    return numberFlag(store_.readConfig(kStart));
}

void Settings::setAutoStart(bool on) const {
    store_.writeConfig(kStart, on ? kOn : kOff);
}

int Settings::renderer() const {
    const Text value = store_.readConfig(kRendering);
    for (int renderer = 1; renderer <= 3; ++renderer) {
        if (numberEquals(value, renderer)) {
            return renderer;
        }
    }
    return 0;
}

void Settings::setRenderer(int renderer) const {
    static constexpr std::array<std::string_view, 3> kCodes{"1", "2", "3"};
    if (renderer >= 1 && renderer <= 3) {
        store_.writeConfig(kRendering, kCodes[static_cast<std::size_t>(renderer - 1)]);
    }
}

std::optional<bool> Settings::screenSaverOff() const {
    return numberFlag(store_.readConfig(kScreen));
}

void Settings::setScreenSaverOff(bool off) const {
    store_.writeConfig(kScreen, off ? kOn : kOff);
}

void Settings::setPopUnderShown(bool shown) const {
    store_.writeConfig(kPopUnder, shown ? kTwo : kOne);
}

RecordedState Settings::openState(OpenStateKey key) const {
    return recorded(store_.readConfig(keyOf(key)));
}

void Settings::setOpen(OpenStateKey key, bool open) const {
    store_.writeConfig(keyOf(key), open ? kTwo : kOne);
}

RecordedState Settings::maximizeState(MaximizeKey key) const {
    return recorded(store_.readConfig(keyOf(key)));
}

void Settings::setMaximized(MaximizeKey key, bool maximized) const {
    store_.writeConfig(keyOf(key), maximized ? kTwo : kOne);
}

void Settings::resetWindowStates() const {
    static constexpr std::array<std::string_view, 7> kKeys{
        keyOf(OpenStateKey::AppWindows), keyOf(OpenStateKey::PlayerWindows),
        keyOf(OpenStateKey::PlayerOpen), keyOf(OpenStateKey::AppOpen),
        keyOf(MaximizeKey::Main),        keyOf(MaximizeKey::App),
        keyOf(MaximizeKey::Column)};
    for (std::string_view key : kKeys) {
        store_.writeConfig(key, kOne);
    }
}

std::string Settings::builtInFile() {
    return "[Config]\r\n" + std::string(kLanguage) + "=1\r\n" + std::string(kTray) + "=" +
           std::string(kOne) + "\r\n";
}

}  // namespace quillo
