#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <unistd.h>

#include <filesystem>
#include <set>
#include <string>

#include "config/ini_file.hpp"
#include "support/temp_program_dir.hpp"

namespace quillo {
namespace {

using test::TempProgramDir;
namespace fs = std::filesystem;

std::set<std::string> namesIn(const fs::path& directory) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(directory)) {
        names.insert(entry.path().filename().string());
    }
    return names;
}

const std::string kStale = ".Config.ini.tmp-0123456789abcdef";

// Only regular files of exactly the writer's naming go; lookalikes, other
// files' siblings, directories and links of that name stay.
TEST(StaleSiblings, OnlyLeftoversOfOurOwnNamingAreRemoved) {
    TempProgramDir dir;
    dir.writeConfig("[Config]\r\nTray=1\r\n");
    dir.writeFile(kStale, "[Config]\r\nTray=");
    dir.writeFile(".Config.ini.tmp-fedcba9876543210", "");
    const std::set<std::string> kept = {
        "Config.ini",
        ".Config.ini.tmp-0123456789ABCDEF",   // upper-case digits
        ".Config.ini.tmp-0123456789abcde",    // too short
        ".Config.ini.tmp-0123456789abcdef0",  // too long
        ".Config.ini.tmp-0123456789abcdeg",   // not hexadecimal
        ".Config.ini.tmp-0123456789abcdef~",  // an editor's backup
        "Config.ini.tmp-0123456789abcdef",    // no leading dot
        ".config.ini.tmp-0123456789abcdef",   // other spelling
        ".Other.ini.tmp-0123456789abcdef",    // another file's sibling
        ".Config.ini.tmp-",
        "notes.txt",
    };
    for (const std::string& name : kept) {
        if (name != "Config.ini") {
            dir.writeFile(name, "keep");
        }
    }
    const std::string directoryNamed = ".Config.ini.tmp-00000000000000aa";
    fs::create_directory(dir.path() / directoryNamed);
    const std::string linkNamed = ".Config.ini.tmp-00000000000000bb";
    fs::create_symlink("notes.txt", dir.path() / linkNamed);

    IniFile(dir.configPath()).removeStaleTemporaries();

    std::set<std::string> expected = kept;
    expected.insert(directoryNamed);
    expected.insert(linkNamed);
    EXPECT_EQ(namesIn(dir.path()), expected);
    EXPECT_EQ(dir.readConfigFile(), "[Config]\r\nTray=1\r\n");
    EXPECT_EQ(dir.readFile("notes.txt"), "keep");
}

TEST(StaleSiblings, ASiblingAWriteHoldsIsKept) {
    TempProgramDir dir;
    dir.writeFile(kStale, "");
    // A write in progress holds its sibling locked.
    const int fd = ::open((dir.path() / kStale).c_str(), O_RDWR | O_CLOEXEC);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::flock(fd, LOCK_EX), 0);
    IniFile(dir.configPath()).removeStaleTemporaries();
    EXPECT_TRUE(fs::exists(dir.path() / kStale));

    ::close(fd);
    IniFile(dir.configPath()).removeStaleTemporaries();
    EXPECT_FALSE(fs::exists(dir.path() / kStale));
}

TEST(StaleSiblings, ThroughASymbolicLinkTheTargetsSiblingsGo) {
    TempProgramDir dir;
    dir.writeFile("data/real.ini", "[Config]\n");
    fs::create_symlink("data/real.ini", dir.configPath());
    dir.writeFile("data/.real.ini.tmp-0123456789abcdef", "");
    IniFile(dir.configPath()).removeStaleTemporaries();
    EXPECT_EQ(namesIn(dir.path() / "data"), std::set<std::string>{"real.ini"});
}

}  // namespace
}  // namespace quillo
