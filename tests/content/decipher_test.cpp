#include "content/decipher.hpp"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "content/server_addresses.hpp"

namespace quillo {
namespace {

struct HexCase {
    std::string_view digits;
    int value;
};

class HexPairValueTest : public ::testing::TestWithParam<HexCase> {};

TEST_P(HexPairValueTest, ReadsDigitsMostSignificantFirst) {
    EXPECT_EQ(hexPairValue(GetParam().digits), GetParam().value) << GetParam().digits;
}

INSTANTIATE_TEST_SUITE_P(Pairs, HexPairValueTest,
                         ::testing::Values(HexCase{"4a", 74}, HexCase{"4A", 74}, HexCase{"FF", 255},
                                           HexCase{"ff", 255}, HexCase{"3f", 63}, HexCase{"3F", 63},
                                           HexCase{"00", 0}, HexCase{"0", 0}, HexCase{"a0", 160},
                                           HexCase{"09", 9}));

INSTANTIATE_TEST_SUITE_P(NotHex, HexPairValueTest,
                         ::testing::Values(HexCase{"", 0}, HexCase{"g1", 1}, HexCase{"1z", 16},
                                           HexCase{"zz", 0}, HexCase{"\xBF\xAA", 0},
                                           HexCase{"123", 0x123}));

std::string hexOf(std::string_view bytes) {
    static constexpr std::string_view kDigits = "0123456789ABCDEF";
    std::string hex;
    for (const char c : bytes) {
        const auto value = static_cast<unsigned char>(c);
        hex.push_back(kDigits[value >> 4]);
        hex.push_back(kDigits[value & 0x0F]);
    }
    return hex;
}

bool isUpperHex(std::string_view text) {
    return text.find_first_not_of("0123456789ABCDEF") == std::string_view::npos;
}

struct StoredAddress {
    const char* name;
    std::string_view (*cipher)();
    std::string_view plain;
};

class StoredAddressTest : public ::testing::TestWithParam<StoredAddress> {};

TEST_P(StoredAddressTest, DeciphersToTheConfiguredAddress) {
    const std::string_view cipher = GetParam().cipher();
    EXPECT_EQ(decipherText(cipher), GetParam().plain);
}

TEST_P(StoredAddressTest, IsStoredOnlyAsUpperCaseHexOfTheEncipheredBytes) {
    const std::string_view cipher = GetParam().cipher();
    EXPECT_TRUE(isUpperHex(cipher)) << cipher;
    EXPECT_EQ(cipher.size(), 2 * GetParam().plain.size());
    EXPECT_NE(cipher, hexOf(GetParam().plain)) << "stored without enciphering";
}

INSTANTIATE_TEST_SUITE_P(BuildTime, StoredAddressTest,
                         ::testing::Values(StoredAddress{"ServerAddress", &serverAddressCipher,
                                                         QUILLO_EXPECTED_SERVER_ADDRESS},
                                           StoredAddress{"SiteLink", &siteLinkCipher,
                                                         QUILLO_EXPECTED_SITE_LINK}),
                         [](const auto& info) { return std::string(info.param.name); });

class RoundTripTest : public ::testing::TestWithParam<std::string> {};

TEST_P(RoundTripTest, EncipherThenDecipherGivesTheText) {
    const std::string cipher = encipherText(GetParam());
    EXPECT_TRUE(isUpperHex(cipher));
    EXPECT_EQ(decipherText(cipher), GetParam());
}

TEST_P(RoundTripTest, LowerCaseDigitsGiveTheSameText) {
    std::string cipher = encipherText(GetParam());
    for (char& c : cipher) {
        if (c >= 'A' && c <= 'F') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    EXPECT_EQ(decipherText(cipher), GetParam());
}

TEST_P(RoundTripTest, AnOddLastDigitIsIgnored) {
    const std::string cipher = encipherText(GetParam());
    EXPECT_EQ(decipherText(cipher + "7"), GetParam());
    EXPECT_EQ(decipherText(cipher + "z"), GetParam());
}

INSTANTIATE_TEST_SUITE_P(Texts, RoundTripTest,
                         ::testing::Values("http://127.0.0.1:8917/", "https://example.test/site/",
                                           "a", std::string(1000, 'q'),
                                           gbk("http://影视.测试/广告/")));

TEST(DecipherTextTest, EmptyCipherGivesEmptyText) {
    EXPECT_EQ(decipherText(""), "");
}

TEST(DecipherTextTest, OneDigitGivesEmptyText) {
    EXPECT_EQ(decipherText("A"), "");
}

TEST(DecipherTextTest, ZeroByteInThePlainTextEndsTheText) {
    const std::string cipher = encipherText(std::string("abc\0def", 7));
    ASSERT_EQ(cipher.size(), 14U);
    EXPECT_EQ(decipherText(cipher), "abc");
}

TEST(DecipherTextTest, ZeroCipherBytesStillReachTheDecryption) {
    // A plain byte equal to the key stream's first byte enciphers to 00; the
    // decryption must still see that byte for the text to come back.
    const std::string keyStream = decipherText(std::string(8, '0'));
    ASSERT_FALSE(keyStream.empty()) << "first key stream byte is zero; pick another position";
    const std::string plain = keyStream.substr(0, 1) + "tail";
    const std::string cipher = encipherText(plain);
    ASSERT_EQ(cipher.substr(0, 2), "00");
    EXPECT_EQ(decipherText(cipher), plain);
}

class GarbageCipherTest : public ::testing::TestWithParam<std::string> {};

TEST_P(GarbageCipherTest, GivesSomeTextNoLongerThanTheBytes) {
    const std::string text = decipherText(GetParam());
    EXPECT_LE(text.size(), GetParam().size() / 2);
    EXPECT_EQ(text.find('\0'), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Inputs, GarbageCipherTest,
                         ::testing::Values("zz", "not hex at all!", "\xFF\xFE\xFD", "1",
                                           std::string("00\0"
                                                       "0AB",
                                                       6),
                                           "GGGGGGGGGGGGGGGG", gbk("开关开关"),
                                           std::string(100000, 'F'), std::string(33, '7')));

}  // namespace
}  // namespace quillo
