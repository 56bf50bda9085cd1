#include "config/settings.hpp"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>

#include "config/config_store.hpp"
#include "support/temp_program_dir.hpp"

namespace quillo {
namespace {

using test::TempProgramDir;

struct WriteCase {
    const char* name;
    std::function<void(const Settings&)> write;
    const char* key;
    const char* value;
};

class SettingsWrite : public ::testing::TestWithParam<WriteCase> {};

// Each setter writes its key under the exact name other programs read, and
// nothing else.
TEST_P(SettingsWrite, LandsUnderItsKeyWithItsValue) {
    const WriteCase& c = GetParam();
    TempProgramDir dir;
    const ConfigStore store(dir.path());
    c.write(Settings(store));
    EXPECT_EQ(dir.readConfigFile(), std::string("[Config]\r\n") + c.key + "=" + c.value + "\r\n");
}

INSTANTIATE_TEST_SUITE_P(
    Keys, SettingsWrite,
    ::testing::Values(
        WriteCase{"Language", [](const Settings& s) { s.setLanguage("3"); }, "Language", "3"},
        WriteCase{"First", [](const Settings& s) { s.setOpeningLanguage("2"); }, "First", "2"},
        WriteCase{"TrayOn", [](const Settings& s) { s.setCloseToTray(true); }, "Tray", "1"},
        WriteCase{"TrayOff", [](const Settings& s) { s.setCloseToTray(false); }, "Tray", "2"},
        WriteCase{"StartOn", [](const Settings& s) { s.setAutoStart(true); }, "Start", "1"},
        WriteCase{"StartOff", [](const Settings& s) { s.setAutoStart(false); }, "Start", "0"},
        WriteCase{"Rendering", [](const Settings& s) { s.setRenderer(2); }, "Rendering", "2"},
        WriteCase{"ScreenOn", [](const Settings& s) { s.setScreenSaverOff(true); }, "Screen", "1"},
        WriteCase{"ScreenOff", [](const Settings& s) { s.setScreenSaverOff(false); }, "Screen",
                  "0"},
        WriteCase{"PopUnderShown", [](const Settings& s) { s.setPopUnderShown(true); },
                  "Display advertising", "2"},
        WriteCase{"PopUnderClosed", [](const Settings& s) { s.setPopUnderShown(false); },
                  "Display advertising", "1"},
        WriteCase{"PlayerWindows",
                  [](const Settings& s) { s.setOpen(OpenStateKey::PlayerWindows, true); },
                  "PlayerWindows", "2"},
        WriteCase{"PlayerOpen",
                  [](const Settings& s) { s.setOpen(OpenStateKey::PlayerOpen, false); },
                  "PlayerOpen", "1"},
        WriteCase{"AppWindows",
                  [](const Settings& s) { s.setOpen(OpenStateKey::AppWindows, true); },
                  "APPWindows", "2"},
        WriteCase{"AppOpen", [](const Settings& s) { s.setOpen(OpenStateKey::AppOpen, false); },
                  "APPOpen", "1"},
        WriteCase{"Maximize", [](const Settings& s) { s.setMaximized(MaximizeKey::Main, true); },
                  "Maximize", "2"},
        WriteCase{"AppCenterMaximize",
                  [](const Settings& s) { s.setMaximized(MaximizeKey::Column, false); },
                  "APPCenterMaximize", "1"},
        WriteCase{"AppMaximize", [](const Settings& s) { s.setMaximized(MaximizeKey::App, true); },
                  "APPMaximize", "2"}),
    [](const ::testing::TestParamInfo<WriteCase>& info) { return std::string(info.param.name); });

// The readers: exact text for the tray and the window states, a number for
// the switches and the renderer (an empty value reads as 0).
TEST(Settings, ReadsEachKeyAsItsReadersDo) {
    TempProgramDir dir;
    const ConfigStore store(dir.path());
    const Settings settings(store);
    auto set = [&store](const char* key, const char* value) { store.writeConfig(key, value); };

    set("Language", "2.0");
    EXPECT_EQ(settings.language(), "2.0");

    EXPECT_EQ(settings.closeToTray(), std::nullopt);
    set("Tray", "1");
    EXPECT_EQ(settings.closeToTray(), true);
    set("Tray", "2");
    EXPECT_EQ(settings.closeToTray(), false);
    set("Tray", "1.0");
    EXPECT_EQ(settings.closeToTray(), std::nullopt);

    EXPECT_EQ(settings.autoStart(), false);
    set("Start", "1.0");
    EXPECT_EQ(settings.autoStart(), true);
    set("Start", "2");
    EXPECT_EQ(settings.autoStart(), std::nullopt);
    EXPECT_EQ(settings.screenSaverOff(), false);
    set("Screen", " 1");
    EXPECT_EQ(settings.screenSaverOff(), true);
    set("Screen", "-1");
    EXPECT_EQ(settings.screenSaverOff(), std::nullopt);

    EXPECT_EQ(settings.renderer(), 0);
    set("Rendering", "3");
    EXPECT_EQ(settings.renderer(), 3);
    set("Rendering", "2.0");
    EXPECT_EQ(settings.renderer(), 2);
    set("Rendering", "4");
    EXPECT_EQ(settings.renderer(), 0);

    EXPECT_EQ(settings.openState(OpenStateKey::PlayerOpen), RecordedState::Other);
    set("PlayerOpen", "2");
    EXPECT_EQ(settings.openState(OpenStateKey::PlayerOpen), RecordedState::Two);
    set("PlayerWindows", "1");
    EXPECT_EQ(settings.openState(OpenStateKey::PlayerWindows), RecordedState::One);
    set("APPWindows", "2.0");
    EXPECT_EQ(settings.openState(OpenStateKey::AppWindows), RecordedState::Other);
    set("APPOpen", "2");
    EXPECT_EQ(settings.openState(OpenStateKey::AppOpen), RecordedState::Two);
    set("Maximize", "2");
    EXPECT_EQ(settings.maximizeState(MaximizeKey::Main), RecordedState::Two);
    set("APPCenterMaximize", "1");
    EXPECT_EQ(settings.maximizeState(MaximizeKey::Column), RecordedState::One);
    set("APPMaximize", "3");
    EXPECT_EQ(settings.maximizeState(MaximizeKey::App), RecordedState::Other);
}

TEST(Settings, EveryStartResetsTheWindowStatesInTheFilesOrder) {
    TempProgramDir dir;
    const ConfigStore store(dir.path());
    Settings(store).resetWindowStates();
    EXPECT_EQ(dir.readConfigFile(),
              "[Config]\r\nAPPWindows=1\r\nPlayerWindows=1\r\nPlayerOpen=1\r\nAPPOpen=1\r\n"
              "Maximize=1\r\nAPPMaximize=1\r\nAPPCenterMaximize=1\r\n");
    EXPECT_EQ(Settings::builtInFile(), "[Config]\r\nLanguage=1\r\nTray=1\r\n");
}

}  // namespace
}  // namespace quillo
