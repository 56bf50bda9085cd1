#include "core/text.hpp"

#include <gtest/gtest.h>

namespace quillo {
namespace {

TEST(Text, SwitchWordsHaveTheirGbkBytes) {
    EXPECT_EQ(gbk("开"), "\xBF\xAA");
    EXPECT_EQ(gbk("关"), "\xB9\xD8");
    EXPECT_EQ(gbk("提示"), "\xCC\xE1\xCA\xBE");
    EXPECT_EQ(gbk("Quit"), "Quit");
}

TEST(Text, EndsAtTheFirstZeroByte) {
    EXPECT_EQ(textFromBytes(std::string_view("ab\0cd", 5)), "ab");
    EXPECT_EQ(textFromBytes(std::string_view("\0x", 2)), "");
    EXPECT_EQ(textFromBytes("abc"), "abc");
}

TEST(Text, DecodesGbkForDisplay) {
    EXPECT_EQ(utf8FromGbk(gbk("请链接网络后，重新运行本程序！")), "请链接网络后，重新运行本程序！");
    // A byte that starts no GBK character shows as a replacement mark and
    // the rest of the text survives.
    EXPECT_EQ(utf8FromGbk("a\xFF"
                          "b"),
              "a\xEF\xBF\xBD"
              "b");
    EXPECT_EQ(utf8FromGbk("a\x81"), "a\xEF\xBF\xBD");
    EXPECT_EQ(utf8FromGbk(std::string_view("x\0y", 3)), "x");
}

}  // namespace
}  // namespace quillo
