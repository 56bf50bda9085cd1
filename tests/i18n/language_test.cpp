#include "i18n/language.hpp"

#include <gtest/gtest.h>

#include "support/temp_program_dir.hpp"

namespace quillo {
namespace {

struct CodeCase {
    const char* code;
    Language byText;
    Language byNumber;
};

class LanguageCodes : public ::testing::TestWithParam<CodeCase> {};

TEST_P(LanguageCodes, TextTestIsExactAndNumberTestIsNumeric) {
    const CodeCase& c = GetParam();
    EXPECT_EQ(languageByText(c.code), c.byText) << '"' << c.code << '"';
    EXPECT_EQ(languageByNumber(c.code), c.byNumber) << '"' << c.code << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LanguageCodes,
    ::testing::Values(CodeCase{"1", Language::Simplified, Language::Simplified},
                      CodeCase{"2", Language::Traditional, Language::Traditional},
                      CodeCase{"3", Language::English, Language::English},
                      CodeCase{"1.0", Language::None, Language::Simplified},
                      CodeCase{" 1", Language::None, Language::Simplified},
                      CodeCase{"02", Language::None, Language::Traditional},
                      CodeCase{"2.0", Language::None, Language::Traditional},
                      CodeCase{"3.00000001", Language::None, Language::English},
                      CodeCase{"4", Language::None, Language::None},
                      CodeCase{"", Language::None, Language::None},
                      CodeCase{"abc", Language::None, Language::None}));

TEST(LanguageTables, ReadFromTheLanguageFolderAndMissingReadsEmpty) {
    test::TempProgramDir dir;
    dir.writeLanguageTable("English.db", "[Config]\r\nName=Quillo Video\r\nColumn 2=Live TV\r\n");
    EXPECT_EQ(readLanguageTable(dir.path(), Language::English, "Name"), "Quillo Video");
    EXPECT_EQ(readLanguageTable(dir.path(), Language::English, "column 2"), "Live TV");
    EXPECT_EQ(readLanguageTable(dir.path(), Language::English, "Column 3"), "");
    EXPECT_EQ(readLanguageTable(dir.path(), Language::Traditional, "Name"), "");
    EXPECT_EQ(readLanguageTable(dir.path(), Language::None, "Name"), "");
    EXPECT_EQ(namePage(Language::Simplified), "ads/namejt.html");
    EXPECT_EQ(namePage(Language::Traditional), "ads/nameft.html");
    EXPECT_EQ(namePage(Language::English), "ads/nameyy.html");
}

}  // namespace
}  // namespace quillo
