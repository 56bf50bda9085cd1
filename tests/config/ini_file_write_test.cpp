#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>
#include <vector>

#include "config/ini_file.hpp"
#include "core/text.hpp"
#include "support/temp_program_dir.hpp"

namespace quillo {
namespace {

using test::TempProgramDir;
using namespace std::string_literals;

// Names in the directory other than Config.ini: leftovers of a write.
std::vector<std::string> strayFiles(const std::filesystem::path& directory) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(directory)) {
        if (entry.path().filename() != "Config.ini") {
            names.push_back(entry.path().filename().string());
        }
    }
    return names;
}

struct WriteCase {
    const char* name;
    std::string before;
    std::string key;
    std::string value;
    std::string after;
};

void PrintTo(const WriteCase& c, std::ostream* os) {
    *os << c.name;
}

class IniFileWrite : public ::testing::TestWithParam<WriteCase> {};

// What a reader gives back for a written value: the text up to its first
// zero byte, without the blanks around it.
std::string readBack(const std::string& value) {
    std::string text = textFromBytes(value);
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// Each case writes into section "Config" and compares the whole file. Writing
// the same value again changes nothing more.
TEST_P(IniFileWrite, ChangesOnlyThatKey) {
    const WriteCase& c = GetParam();
    TempProgramDir dir;
    dir.writeConfig(c.before);
    const IniFile file(dir.configPath());
    ASSERT_TRUE(file.write("Config", c.key, c.value));
    EXPECT_EQ(dir.readConfigFile(), c.after);
    EXPECT_EQ(file.read("Config", c.key), readBack(c.value));
    EXPECT_TRUE(strayFiles(dir.path()).empty());

    for (int again = 0; again < 2; ++again) {
        ASSERT_TRUE(file.write("Config", c.key, c.value));
    }
    EXPECT_EQ(dir.readConfigFile(), c.after);
}

const WriteCase kWriteCases[] = {
    {"ReplacesInPlaceKeepingEverythingElse",
     "; Quillo settings\r\n[Other]\r\nTray=9\r\n\r\n[Config]\r\nLanguage=1\r\nTray=1\r\n# "
     "end\r\n\r\n[Last]\r\nX=y\r\n",
     "Tray", "2",
     "; Quillo settings\r\n[Other]\r\nTray=9\r\n\r\n[Config]\r\nLanguage=1\r\nTray=2\r\n# "
     "end\r\n\r\n[Last]\r\nX=y\r\n"},
    {"KeepsKeySpellingAndSpacing", "[config]\n  TRAY = 1  \nStart=0\n", "Tray", "2",
     "[config]\n  TRAY = 2\nStart=0\n"},
    {"KeyWithInnerBlank", "[Config]\r\nDisplay advertising=1\r\n", "display Advertising", "2",
     "[Config]\r\nDisplay advertising=2\r\n"},
    {"BlanksAroundRequestedKeyAreIgnored", "[Config]\nTray=1\n", "  Tray\t", "2",
     "[Config]\nTray=2\n"},
    {"LongerAndShorterValues", "[Config]\nA=1\nB=2\n", "A", "a much longer value",
     "[Config]\nA=a much longer value\nB=2\n"},
    {"EmptyValue", "[Config]\nA=1\nB=2\n", "A", "", "[Config]\nA=\nB=2\n"},
    {"ReplacesLastLineWithoutNewline", "[Config]\nTray=1", "Tray", "2", "[Config]\nTray=2"},
    {"FirstOfDuplicateKeys", "[Config]\nTray=1\nTray=2\n", "Tray", "3",
     "[Config]\nTray=3\nTray=2\n"},
    {"DuplicateKeyInRepeatedSection", "[Config]\nA=1\n[Other]\n[Config]\nTray=1\n", "Tray", "2",
     "[Config]\nA=1\n[Other]\n[Config]\nTray=2\n"},
    {"AddsKeyAfterLastKeyOfSection", "[Config]\r\nA=1\r\n; note\r\n\r\n[Next]\r\nB=2\r\n", "Tray",
     "1", "[Config]\r\nA=1\r\nTray=1\r\n; note\r\n\r\n[Next]\r\nB=2\r\n"},
    {"AddsKeyBeforeTrailingBlankLines", "[Config]\nA=1\n\n\n", "Tray", "1",
     "[Config]\nA=1\nTray=1\n\n\n"},
    {"AddsKeyToEmptySection", "[Config]\n\n[Next]\nB=2\n", "Tray", "1",
     "[Config]\nTray=1\n\n[Next]\nB=2\n"},
    {"AddsKeyAfterUnterminatedLastLine", "[Config]\r\nA=1", "Tray", "1",
     "[Config]\r\nA=1\r\nTray=1\r\n"},
    {"AddsKeyToFirstOfRepeatedSections", "[Config]\nA=1\n[Other]\n[Config]\nB=2\n", "Tray", "1",
     "[Config]\nA=1\nTray=1\n[Other]\n[Config]\nB=2\n"},
    {"KeyBeforeAnySectionIsNotTaken", "Tray=1\n[Config]\nA=2\n", "Tray", "2",
     "Tray=1\n[Config]\nA=2\nTray=2\n"},
    {"CommentedKeyIsNotTaken", "[Config]\n;Tray=1\n", "Tray", "2", "[Config]\nTray=2\n;Tray=1\n"},
    {"AddsSectionAtEnd", "[Other]\r\nA=1\r\n", "Tray", "1",
     "[Other]\r\nA=1\r\n[Config]\r\nTray=1\r\n"},
    {"AddsSectionAfterUnterminatedLastLine", "[Other]\nA=1", "Tray", "1",
     "[Other]\nA=1\n[Config]\nTray=1\n"},
    {"EmptyFileGetsCrlf", "", "Tray", "1", "[Config]\r\nTray=1\r\n"},
    {"FileWithoutLineEndGetsCrlf", "; x", "Tray", "1", "; x\r\n[Config]\r\nTray=1\r\n"},
    {"LfFileStaysLf", "[Config]\nA=1\n", "Tray", "1", "[Config]\nA=1\nTray=1\n"},
    {"MixedEndingsFollowTheFirstLine", "[Config]\r\nA=1\nB=2\n", "Tray", "1",
     "[Config]\r\nA=1\nB=2\nTray=1\r\n"},
    {"GbkValue", "[Config]\r\nName=x\r\n", "Name", gbk("中文"),
     "[Config]\r\nName=" + gbk("中文") + "\r\n"},
    {"RawDoubleByteValue", "[Config]\r\nName=x\r\n", "Name", "\x81\x40\xFE\xFE\x81\x7E",
     "[Config]\r\nName=\x81\x40\xFE\xFE\x81\x7E\r\n"},
    {"GbkKeyAndOtherGbkLinesKept", gbk("; 设置\r\n[Config]\r\n名称=旧\r\n"), gbk("名称"), gbk("新"),
     gbk("; 设置\r\n[Config]\r\n名称=新\r\n")},
    // A value's own leading blanks take the place of the stored ones: they
    // are written once, not added to what the line held.
    {"ValueWithLeadingBlankReplacesTheStoredBlanks", "[Config]\nName=\tQuillo\n", "Name",
     "\tQuillo", "[Config]\nName=\tQuillo\n"},
    {"ValueWithLeadingBlanksOverPlainValue", "[Config]\nName = Quillo\n", "Name", "  Q",
     "[Config]\nName =  Q\n"},
    {"PlainValueKeepsTheStoredSpacing", "[Config]\nName= \tQuillo\n", "Name", "Q",
     "[Config]\nName= \tQ\n"},
    // A bare CR is part of a line; giving an unterminated last line its
    // ending keeps every byte of it, and its value.
    {"AddsKeyAfterLastLineEndingInTwoCr", "[Config]\nName=X\r\r", "Tray", "1",
     "[Config]\nName=X\r\r\nTray=1\n"},
    {"AddsKeyAfterLastLineEndingInCr", "[Config]\nName=X\r", "Tray", "1",
     "[Config]\nName=X\r\nTray=1\n"},
    {"AddsSectionAfterLastLineEndingInTwoCr", "[Other]\r\nName=X\r\r", "Tray", "1",
     "[Other]\r\nName=X\r\r\n[Config]\r\nTray=1\r\n"},
    {"ValueCutAtZeroByte", "[Config]\nTray=1\n", "Tray", "2\0rest"s, "[Config]\nTray=2\n"},
};

INSTANTIATE_TEST_SUITE_P(Cases, IniFileWrite, ::testing::ValuesIn(kWriteCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(IniFileWriteFile, FirstWriteCreatesTheFileWithCrlf) {
    TempProgramDir dir;
    const IniFile file(dir.configPath());
    ASSERT_TRUE(file.write("Config", "APPWindows", "1"));
    ASSERT_TRUE(file.write("Config", "PlayerWindows", "1"));
    ASSERT_TRUE(file.write("Other", "Key", "v"));
    EXPECT_EQ(dir.readConfigFile(),
              "[Config]\r\nAPPWindows=1\r\nPlayerWindows=1\r\n[Other]\r\nKey=v\r\n");
    EXPECT_TRUE(strayFiles(dir.path()).empty());
}

TEST(IniFileWriteFile, GbkBytesRoundTripExactly) {
    TempProgramDir dir;
    const IniFile file(dir.configPath());
    // Every lead byte, each followed by trail bytes that look like ASCII
    // letters or brackets and by the ends of the trail range.
    std::string value;
    for (int lead = 0x81; lead <= 0xFE; ++lead) {
        for (const int trail : {0x40, 0x41, 0x5B, 0x5D, 0x61, 0x7E, 0x80, 0xFE}) {
            value += static_cast<char>(lead);
            value += static_cast<char>(trail);
        }
    }
    ASSERT_TRUE(file.write("Config", "Name", value));
    EXPECT_EQ(file.read("Config", "Name"), value);
    ASSERT_TRUE(file.write("Config", "Other", gbk("中文")));
    EXPECT_EQ(file.read("Config", "Name"), value);
    EXPECT_EQ(file.read("Config", "Other"), "\xD6\xD0\xCE\xC4");
}

TEST(IniFileWriteFile, KeepsThePermissionBits) {
    TempProgramDir dir;
    dir.writeConfig("[Config]\nTray=1\n");
    std::filesystem::permissions(dir.configPath(), std::filesystem::perms(0640));
    ASSERT_TRUE(IniFile(dir.configPath()).write("Config", "Tray", "2"));
    EXPECT_EQ(std::filesystem::status(dir.configPath()).permissions(),
              std::filesystem::perms(0640));
}

TEST(IniFileWriteFile, WritesThroughASymbolicLink) {
    TempProgramDir dir;
    dir.writeFile("real.ini", "[Config]\nTray=1\n");
    std::filesystem::create_symlink("real.ini", dir.configPath());
    ASSERT_TRUE(IniFile(dir.configPath()).write("Config", "Tray", "2"));
    EXPECT_TRUE(std::filesystem::is_symlink(dir.configPath()));
    EXPECT_EQ(dir.readFile("real.ini"), "[Config]\nTray=2\n");
}

// Writes that would break the file's structure are refused and change
// nothing, whether the file exists or not.
struct RejectedCase {
    const char* name;
    std::string section;
    std::string key;
    std::string value;
};

void PrintTo(const RejectedCase& c, std::ostream* os) {
    *os << c.name;
}

class IniFileRejectedWrite : public ::testing::TestWithParam<RejectedCase> {};

TEST_P(IniFileRejectedWrite, LeavesTheFileAlone) {
    const RejectedCase& c = GetParam();
    TempProgramDir dir;
    const IniFile file(dir.configPath());
    EXPECT_FALSE(file.write(c.section, c.key, c.value));
    EXPECT_FALSE(std::filesystem::exists(dir.configPath()));

    const std::string before = "[Config]\r\nTray=1\r\n";
    dir.writeConfig(before);
    EXPECT_FALSE(file.write(c.section, c.key, c.value));
    EXPECT_EQ(dir.readConfigFile(), before);
    EXPECT_TRUE(strayFiles(dir.path()).empty());
}

const RejectedCase kRejectedCases[] = {
    {"EmptyKey", "Config", "", "1"},
    {"BlankKey", "Config", " \t", "1"},
    {"KeyWithEquals", "Config", "Tray=2", "1"},
    {"KeyWithBracket", "Config", "[Evil]", "1"},
    {"KeyWithLf", "Config", "Tr\nay", "1"},
    {"KeyWithCr", "Config", "Tr\ray", "1"},
    {"KeyWithZeroByte", "Config", "Tr\0ay"s, "1"},
    {"KeyStartingWithSemicolon", "Config", ";Tray", "1"},
    {"KeyStartingWithHash", "Config", "#Tray", "1"},
    {"EmptySection", "", "Tray", "1"},
    {"SectionWithOpeningBracket", "Con[fig", "Tray", "1"},
    {"SectionWithClosingBracket", "Con]fig", "Tray", "1"},
    {"SectionWithLf", "Con\nfig", "Tray", "1"},
    {"SectionWithCr", "Con\rfig", "Tray", "1"},
    {"ValueWithLf", "Config", "Tray", "1\n[Evil]"},
    {"ValueWithCrLf", "Config", "Tray", "1\r\nStart=1"},
    {"ValueWithCr", "Config", "Tray", "1\r"},
};

INSTANTIATE_TEST_SUITE_P(Cases, IniFileRejectedWrite, ::testing::ValuesIn(kRejectedCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace quillo
