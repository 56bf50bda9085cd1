#include "platform/linux/config_location.hpp"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>

namespace quillo::linux_platform {
namespace {

namespace fs = std::filesystem;

// Sets an environment variable for the life of the object.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) {
            old_ = old;
        }
        value ? setenv(name, value, 1) : unsetenv(name);
    }
    ~ScopedEnv() { old_ ? setenv(name_, old_->c_str(), 1) : unsetenv(name_); }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    const char* name_;
    std::optional<std::string> old_;
};

class ConfigLocationTest : public ::testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/quillo-location-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        root_ = pattern;
    }
    void TearDown() override { fs::remove_all(root_); }
    fs::path root_;
};

TEST_F(ConfigLocationTest, WritableProgramDirectoryKeepsItsOwnConfig) {
    EXPECT_FALSE(isInstalledProgramDirectory(root_));
    EXPECT_EQ(configDirectory(root_), root_);
}

// An installed program directory is writable for root; the marker the install
// step writes keeps the settings per user all the same.
TEST_F(ConfigLocationTest, InstalledProgramDirectoryUsesTheUserDirectoryEvenWhenWritable) {
    const fs::path program = root_ / "lib" / "quillo";
    fs::create_directories(program);
    std::ofstream(program / kInstallationMarker) << "installed\n";
    ASSERT_EQ(access(program.c_str(), W_OK), 0);
    const ScopedEnv xdg("XDG_CONFIG_HOME", (root_ / "xdg").c_str());
    EXPECT_TRUE(isInstalledProgramDirectory(program));
    EXPECT_EQ(configDirectory(program), root_ / "xdg" / "quillo");
    EXPECT_TRUE(fs::is_directory(root_ / "xdg" / "quillo"));
    EXPECT_EQ(std::distance(fs::directory_iterator(program), fs::directory_iterator()), 1);
}

TEST_F(ConfigLocationTest, UserDirectoryFollowsXdgConfigHome) {
    {
        const ScopedEnv xdg("XDG_CONFIG_HOME", (root_ / "xdg").c_str());
        EXPECT_EQ(userConfigDirectory(), root_ / "xdg" / "quillo");
        EXPECT_TRUE(fs::is_directory(root_ / "xdg" / "quillo"));
    }
    // Unset or relative: the home directory's .config.
    const ScopedEnv home("HOME", root_.c_str());
    for (const char* xdg : {static_cast<const char*>(nullptr), "relative/dir"}) {
        const ScopedEnv unset("XDG_CONFIG_HOME", xdg);
        EXPECT_EQ(userConfigDirectory(), root_ / ".config" / "quillo");
    }
}

TEST_F(ConfigLocationTest, ReadOnlyProgramDirectoryUsesTheUserDirectory) {
    if (geteuid() == 0) {
        GTEST_SKIP() << "every directory is writable for root";
    }
    const fs::path program = root_ / "program";
    fs::create_directory(program);
    fs::permissions(program, fs::perms::owner_read | fs::perms::owner_exec);
    const ScopedEnv xdg("XDG_CONFIG_HOME", (root_ / "xdg").c_str());
    EXPECT_EQ(configDirectory(program), root_ / "xdg" / "quillo");
    fs::permissions(program, fs::perms::owner_all);
}

TEST_F(ConfigLocationTest, InstanceSocketNamesTheSettingsFile) {
    const ScopedEnv runtime("XDG_RUNTIME_DIR", root_.c_str());
    const fs::path a = instanceSocketPath("/opt/a/Config.ini");
    EXPECT_EQ(a.parent_path(), root_);
    EXPECT_EQ(instanceSocketPath("/opt/a/../a/Config.ini"), a);
    EXPECT_NE(instanceSocketPath("/opt/b/Config.ini"), a);
    // Short enough for a local socket address (108 bytes).
    EXPECT_LT(a.string().size(), 100U);
}

}  // namespace
}  // namespace quillo::linux_platform
