#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <filesystem>
#include <string>
#include <vector>

#include "child_process.hpp"
#include "config/ini_file.hpp"
#include "support/temp_program_dir.hpp"

namespace quillo {
namespace {

using test::TempProgramDir;
namespace fs = std::filesystem;

std::vector<std::string> directoryNames(const fs::path& directory) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(directory)) {
        names.push_back(entry.path().filename().string());
    }
    return names;
}

const std::string kOld = "; kept\r\n[Config]\r\nTray=1\r\n";

TEST(IniFileFailedWrite, ReadOnlyDirectoryKeepsTheOldFile) {
    TempProgramDir dir;
    dir.writeConfig(kOld);
    fs::permissions(dir.configPath(), fs::perms(0644));
    fs::permissions(dir.path(), fs::perms(0555));

    // A child switches away from root first: root would write anyway.
    const std::optional<int> status = test::runInUnprivilegedChild([&dir] {
        const IniFile file(dir.configPath());
        const bool written = file.write("Config", "Tray", "2") || file.write("Config", "New", "1");
        const bool oldValueRead = file.read("Config", "Tray") == "1";
        return (!written && oldValueRead) ? 0 : 1;
    });
    ASSERT_TRUE(status.has_value());
    if (*status == test::kCannotDropPrivileges) {
        GTEST_SKIP() << "running as root and cannot switch to an unprivileged user";
    }
    EXPECT_EQ(*status, 0) << "the write succeeded or the old value was not read back";
    EXPECT_EQ(dir.readConfigFile(), kOld);
    EXPECT_EQ(directoryNames(dir.path()), std::vector<std::string>{"Config.ini"});
}

TEST(IniFileFailedWrite, FailureWhileWritingLeavesNoSibling) {
    TempProgramDir dir;
    dir.writeConfig(kOld);
    // The sibling is created, then writing it fails for the file size limit.
    const std::optional<int> status = test::runInChild([&dir] {
        const rlimit limit{16, 16};
        std::signal(SIGXFSZ, SIG_IGN);
        if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) {
            return 2;
        }
        return IniFile(dir.configPath()).write("Config", "Tray", std::string(100, 'x')) ? 1 : 0;
    });
    ASSERT_EQ(status, 0);
    EXPECT_EQ(dir.readConfigFile(), kOld);
    EXPECT_EQ(directoryNames(dir.path()), std::vector<std::string>{"Config.ini"});
}

TEST(IniFileFailedWrite, ParentThatIsAFileFails) {
    TempProgramDir dir;
    dir.writeFile("plain", "not a directory");
    EXPECT_FALSE(IniFile(dir.path() / "plain" / "Config.ini").write("Config", "Tray", "1"));
    EXPECT_EQ(dir.readFile("plain"), "not a directory");
    EXPECT_EQ(directoryNames(dir.path()), std::vector<std::string>{"plain"});
}

TEST(IniFileFailedWrite, MissingDirectoryFails) {
    TempProgramDir dir;
    EXPECT_FALSE(IniFile(dir.path() / "missing" / "Config.ini").write("Config", "Tray", "1"));
    EXPECT_FALSE(fs::exists(dir.path() / "missing"));
}

TEST(IniFileFailedWrite, UnreadableFileIsNotReplaced) {
    TempProgramDir dir;
    // A directory stands where the file should be: it cannot be read, so a
    // write must not replace it with a file holding only the new key.
    dir.writeFile("Config.ini/inner", "x");
    EXPECT_FALSE(IniFile(dir.configPath()).write("Config", "Tray", "1"));
    EXPECT_TRUE(fs::is_directory(dir.configPath()));
    EXPECT_EQ(directoryNames(dir.path()), std::vector<std::string>{"Config.ini"});
}

}  // namespace
}  // namespace quillo
