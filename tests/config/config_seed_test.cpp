#include "config/config_seed.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "config/config_store.hpp"
#include "support/temp_program_dir.hpp"

namespace quillo {
namespace {

using test::TempProgramDir;

TEST(ConfigSeed, MissingFileIsCreatedFromTheShippedDefaults) {
    TempProgramDir program;
    TempProgramDir user;
    program.writeConfig("[Config]\r\nLanguage=3\r\nTray=2\r\nStart=0\r\n");

    EXPECT_TRUE(ensureConfigFile(user.path(), program.configPath()));
    EXPECT_EQ(user.readConfigFile(), "[Config]\r\nLanguage=3\r\nTray=2\r\nStart=0\r\n");
    // Only Config.ini is left behind.
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(user.path())) {
        names.push_back(entry.path().filename().string());
    }
    EXPECT_EQ(names, std::vector<std::string>{"Config.ini"});
}

TEST(ConfigSeed, WithoutShippedDefaultsTheProgramStillHasALanguageAndTray) {
    TempProgramDir program;  // the file was deleted from a writable program directory
    EXPECT_TRUE(ensureConfigFile(program.path(), program.configPath()));
    const ConfigStore store(program.path());
    EXPECT_EQ(store.readConfig("Language"), "1");
    EXPECT_EQ(store.readConfig("Tray"), "1");
}

TEST(ConfigSeed, ExistingFileIsNeverRewritten) {
    const std::string cases[] = {
        "",                                 // empty
        "[Config]\r\nTray=2\r\n",           // no Language: the user's own state
        "\xFF\xFE not an ini file at all",  // unreadable as INI
    };
    for (const std::string& content : cases) {
        TempProgramDir program;
        TempProgramDir user;
        program.writeConfig("[Config]\r\nLanguage=1\r\nTray=1\r\n");
        user.writeConfig(content);
        EXPECT_FALSE(ensureConfigFile(user.path(), program.configPath()));
        EXPECT_EQ(user.readConfigFile(), content);
    }
}

}  // namespace
}  // namespace quillo
