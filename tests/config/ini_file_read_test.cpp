#include <gtest/gtest.h>

#include <string>

#include "config/ini_file.hpp"
#include "core/text.hpp"
#include "support/temp_program_dir.hpp"

namespace quillo {
namespace {

using test::TempProgramDir;
using namespace std::string_literals;

struct ReadCase {
    const char* name;
    std::string content;
    std::string section;
    std::string key;
    std::string expected;
};

void PrintTo(const ReadCase& c, std::ostream* os) {
    *os << c.name;
}

class IniFileRead : public ::testing::TestWithParam<ReadCase> {};

TEST_P(IniFileRead, FindsTheValue) {
    const ReadCase& c = GetParam();
    TempProgramDir dir;
    dir.writeConfig(c.content);
    EXPECT_EQ(IniFile(dir.configPath()).read(c.section, c.key), c.expected);
}

const ReadCase kReadCases[] = {
    {"Plain", "[Config]\r\nLanguage=1\r\n", "Config", "Language", "1"},
    {"SectionAndKeyIgnoreCase", "[config]\r\nlanguage=2\r\n", "CONFIG", "LaNgUaGe", "2"},
    {"BlanksAroundNamesAndValue", "  [ Config ]\t\r\n \t Tray \t=\t 1 \t\r\n", "Config", "Tray",
     "1"},
    {"BlanksAroundRequestedNames", "[Config]\nTray=1\n", " Config\t", " Tray ", "1"},
    {"KeyWithInnerBlank", "[Config]\nDisplay advertising=2\nColumn 1=Films\n", "Config", "Column 1",
     "Films"},
    {"KeyWithInnerBlankIgnoresCase", "[Config]\nDisplay advertising=2\n", "Config",
     "display ADVERTISING", "2"},
    {"InnerBlanksMustMatch", "[Config]\nColumn  1=Films\n", "Config", "Column 1", ""},
    {"InnerBlanksInsideValueKept", "[Config]\nName= Film  and  TV \n", "Config", "Name",
     "Film  and  TV"},
    {"MissingSection", "[Other]\nLanguage=1\n", "Config", "Language", ""},
    {"MissingKey", "[Config]\nTray=1\n", "Config", "Language", ""},
    {"KeyOfAnotherSection", "[Config]\nA=1\n[Other]\nLanguage=3\n", "Config", "Language", ""},
    {"KeyBeforeAnySection", "Language=1\n[Config]\nTray=1\n", "Config", "Language", ""},
    {"FirstOfDuplicateKeysWins", "[Config]\nTray=first\nTray=second\n", "Config", "Tray", "first"},
    {"RepeatedSectionsAreSearchedInOrder", "[Config]\nA=1\n[Other]\nB=9\n[config]\nB=2\nA=3\n",
     "Config", "B", "2"},
    {"RepeatedSectionFirstKeyWins", "[Config]\nA=1\n[Other]\n[config]\nA=3\n", "Config", "A", "1"},
    {"CommentsAreNotKeys", "; Tray=1\n[Config]\n# Tray=2\n  ;Tray=3\n", "Config", "Tray", ""},
    {"CommentLinesBetweenKeys", "[Config]\n; the tray\nTray=4\n", "Config", "Tray", "4"},
    {"LastLineWithoutNewline", "[Config]\r\nTray=2", "Config", "Tray", "2"},
    {"ValueEndsAtLineEnd", "[Config]\r\nTray=1\r\nStart=0\r\n", "Config", "Tray", "1"},
    {"LfValueEndsAtLineEnd", "[Config]\nTray=1\nStart=0\n", "Config", "Tray", "1"},
    {"ValueHoldsEquals", "[Config]\nAddress=a=b=c\n", "Config", "Address", "a=b=c"},
    {"EmptyValue", "[Config]\nTray=\n", "Config", "Tray", ""},
    {"ValueCutAtZeroByte", "[Config]\nTray=ab\0cd\n"s, "Config", "Tray", "ab"},
    {"HeaderWithTrailingComment", "[Config] ; main settings\nTray=1\n", "Config", "Tray", "1"},
    {"LineWithoutEqualsIsNoKey", "[Config]\nTray\nStart=1\n", "Config", "Tray", ""},
    {"GbkNamesAndValue", gbk("[配置]\r\n名称=中文影视\r\n"), gbk("配置"), gbk("名称"),
     gbk("中文影视")},
    // 0x81 0x41 and 0x81 0x61 are two different GBK characters whose second
    // bytes happen to be 'A' and 'a': no case folding inside a character.
    {"GbkTrailBytesAreNotCaseFolded", "[Config]\n\x81\x61=lower\n", "Config", "\x81\x41", ""},
    {"GbkTrailBytesMatchExactly", "[Config]\n\x81\x61=lower\n", "Config", "\x81\x61", "lower"},
    {"AsciiAfterGbkIgnoresCase", "[Config]\n\x81\x61Key=v\n", "Config", "\x81\x61KEY", "v"},
};

INSTANTIATE_TEST_SUITE_P(Cases, IniFileRead, ::testing::ValuesIn(kReadCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(IniFileReadFile, MissingOrUnreadableFileReadsEmpty) {
    TempProgramDir dir;
    EXPECT_EQ(IniFile(dir.configPath()).read("Config", "Language"), "");
    EXPECT_EQ(IniFile(dir.path() / "no" / "such" / "Config.ini").read("Config", "Language"), "");
    // A directory where the file should be.
    dir.writeFile("Config.ini/inner", "[Config]\nLanguage=1\n");
    EXPECT_EQ(IniFile(dir.configPath()).read("Config", "Language"), "");
}

TEST(IniFileReadFile, EveryReadGoesToTheFile) {
    TempProgramDir dir;
    const IniFile file(dir.configPath());
    dir.writeConfig("[Config]\nTray=1\n");
    EXPECT_EQ(file.read("Config", "Tray"), "1");
    dir.writeConfig("[Config]\nTray=2\n");
    EXPECT_EQ(file.read("Config", "Tray"), "2");
    std::filesystem::remove(dir.configPath());
    EXPECT_EQ(file.read("Config", "Tray"), "");
}

TEST(IniFileReadFile, LanguageTableIsReadLikeConfig) {
    TempProgramDir dir;
    dir.writeLanguageTable("Chinese Simplified.db",
                           gbk("[Config]\r\nName=影视\r\nColumn 1=电影\r\nColumn 5=动漫"));
    const IniFile table(dir.path() / "Language" / "Chinese Simplified.db");
    EXPECT_EQ(table.read("Config", "Name"), gbk("影视"));
    EXPECT_EQ(table.read("Config", "Column 1"), gbk("电影"));
    EXPECT_EQ(table.read("Config", "Column 5"), gbk("动漫"));
    EXPECT_EQ(table.read("Config", "Column 2"), "");
}

}  // namespace
}  // namespace quillo
