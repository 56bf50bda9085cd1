#include "config/config_store.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "child_process.hpp"
#include "core/text.hpp"
#include "support/temp_program_dir.hpp"

namespace quillo {
namespace {

using test::TempProgramDir;

TEST(ConfigStore, ReadsSectionConfigOfConfigIni) {
    TempProgramDir dir;
    const ConfigStore store(dir.path());
    EXPECT_EQ(store.path(), dir.path() / "Config.ini");
    EXPECT_EQ(store.readConfig("Language"), "");

    dir.writeConfig("[Other]\r\nLanguage=3\r\nTray=2\r\n[Config]\r\nLanguage=2.0\r\n");
    EXPECT_EQ(store.readConfig("Language"), "2.0");
    EXPECT_EQ(store.readConfig("Tray"), "");
}

TEST(ConfigStore, FirstWritesCreateTheFile) {
    TempProgramDir dir;
    const ConfigStore store(dir.path());
    for (const char* key : {"APPWindows", "PlayerWindows", "PlayerOpen", "APPOpen", "Maximize",
                            "APPMaximize", "APPCenterMaximize"}) {
        store.writeConfig(key, "1");
    }
    EXPECT_EQ(dir.readConfigFile(),
              "[Config]\r\nAPPWindows=1\r\nPlayerWindows=1\r\nPlayerOpen=1\r\nAPPOpen=1\r\n"
              "Maximize=1\r\nAPPMaximize=1\r\nAPPCenterMaximize=1\r\n");
}

TEST(ConfigStore, WriteIsSeenByTheNextReaderAndKeepsTheRest) {
    TempProgramDir dir;
    dir.writeConfig("[Config]\nLanguage=1\nMaximize=2\n");
    const ConfigStore writer(dir.path());
    const ConfigStore reader(dir.path());
    writer.writeConfig("Maximize", "1");
    writer.writeConfig("Display advertising", "2");
    EXPECT_EQ(reader.readConfig("Maximize"), "1");
    EXPECT_EQ(reader.readConfig("display advertising"), "2");
    EXPECT_EQ(dir.readConfigFile(), "[Config]\nLanguage=1\nMaximize=1\nDisplay advertising=2\n");
}

TEST(ConfigStore, LanguageCodeFromTheServerRoundTrips) {
    TempProgramDir dir;
    const ConfigStore store(dir.path());
    store.writeConfig("Language", gbk("简"));
    EXPECT_EQ(store.readConfig("Language"), gbk("简"));
}

TEST(ConfigStore, FailedWriteIsSilentAndTheOldValueStays) {
    TempProgramDir dir;
    dir.writeConfig("[Config]\r\nTray=1\r\n");
    std::filesystem::permissions(dir.configPath(), std::filesystem::perms(0644));
    std::filesystem::permissions(dir.path(), std::filesystem::perms(0555));
    const std::optional<int> status = test::runInUnprivilegedChild([&dir] {
        const ConfigStore store(dir.path());
        store.writeConfig("Tray", "2");
        return store.readConfig("Tray") == "1" ? 0 : 1;
    });
    ASSERT_TRUE(status.has_value());
    if (*status == test::kCannotDropPrivileges) {
        GTEST_SKIP() << "running as root and cannot switch to an unprivileged user";
    }
    EXPECT_EQ(*status, 0);
    EXPECT_EQ(dir.readConfigFile(), "[Config]\r\nTray=1\r\n");
}

}  // namespace
}  // namespace quillo
