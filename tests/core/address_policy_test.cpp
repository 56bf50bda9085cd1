#include "core/address_policy.hpp"

#include <gtest/gtest.h>

#include <string>

#include "core/text.hpp"

namespace quillo {
namespace {

struct AddressCase {
    std::string address;  // GBK bytes
    bool web;
    bool chat;
};

void PrintTo(const AddressCase& c, std::ostream* os) {
    *os << '"' << utf8FromGbk(c.address) << '"';
}

class AddressPolicy : public ::testing::TestWithParam<AddressCase> {};

TEST_P(AddressPolicy, OpensOnlyWebAndChatAddresses) {
    const AddressCase& c = GetParam();
    EXPECT_EQ(isWebAddress(c.address), c.web);
    EXPECT_EQ(isChatAddress(c.address), c.chat);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AddressPolicy,
    ::testing::Values(AddressCase{"http://example.com/a", true, false},
                      AddressCase{"https://example.com/", true, false},
                      AddressCase{"HTTP://EXAMPLE.COM", true, false},
                      AddressCase{"hTtPs://x", true, false}, AddressCase{"http://", false, false},
                      AddressCase{"", false, false},
                      AddressCase{"file:///etc/passwd", false, false},
                      AddressCase{"javascript:alert(1)", false, false},
                      AddressCase{"/usr/bin/xterm", false, false},
                      AddressCase{"C:\\Windows\\system32\\calc.exe", false, false},
                      AddressCase{"ftp://example.com", false, false},
                      AddressCase{" http://example.com", false, false},
                      AddressCase{"http://example.com/\r\n", false, false},
                      AddressCase{"tencent://message/?uin=10001&Site=x&Menu=yes", false, true},
                      AddressCase{"tencent://message/?uin=1\n", false, false},
                      AddressCase{"tencent://other", false, false}));

struct BrowsableCase {
    const char* address;
    bool browsable;
};

class BrowsablePolicy : public ::testing::TestWithParam<BrowsableCase> {};

TEST_P(BrowsablePolicy, NavigatesOnlyWebAddressesAndTheBlankPage) {
    EXPECT_EQ(isBrowsableAddress(GetParam().address), GetParam().browsable) << GetParam().address;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BrowsablePolicy,
    ::testing::Values(BrowsableCase{"http://127.0.0.1:8917/games.html", true},
                      BrowsableCase{"HTTPS://example.com/", true},
                      BrowsableCase{"about:blank", true}, BrowsableCase{"about:blank ", false},
                      BrowsableCase{"ABOUT:BLANK", false}, BrowsableCase{"about:config", false},
                      BrowsableCase{"", false}, BrowsableCase{"file:///etc/passwd", false},
                      BrowsableCase{"javascript:alert(1)", false},
                      BrowsableCase{"/home/user/.ssh/id_rsa", false},
                      BrowsableCase{"http://x/\n", false}));

// Texts are GBK: their bytes 0x80 to 0x9F are halves of characters, not C1
// controls. The controls that count are the characters the address shows
// once decoded, its percent escapes read as UTF-8 included: C1 controls and
// the bidirectional controls that make an address look like another.
INSTANTIATE_TEST_SUITE_P(
    DecodedControls, AddressPolicy,
    ::testing::Values(
        AddressCase{"http://example.com/" + gbk("影音") + "?q=" + gbk("丂亅"), true, false},
        AddressCase{"http://example.com/\x81\x85\x81\x9F", true, false},
        AddressCase{"tencent://message/?uin=1&Site=" + gbk("影音") + "&Menu=yes", false, true},
        AddressCase{"http://example.com/%E2%80%AEgpj.exe", false, false},
        AddressCase{"http://example.com/%e2%80%ae", false, false},
        AddressCase{"http://example.com/%E2%80%AA", false, false},
        AddressCase{"http://example.com/%E2%80%8F", false, false},
        AddressCase{"http://example.com/%E2%81%A6x%E2%81%A9", false, false},
        AddressCase{"http://example.com/%D8%9C", false, false},
        AddressCase{"http://example.com/%C2%85", false, false},
        AddressCase{"http://example.com/%C2%9F", false, false},
        AddressCase{"tencent://message/?uin=1&Site=%E2%80%AE&Menu=yes", false, false},
        // Near neighbours that are ordinary characters.
        AddressCase{"http://example.com/%C2%A0%E2%80%AF%E2%80%8B", true, false},
        AddressCase{"http://example.com/%E2%80", true, false},
        AddressCase{"http://example.com/100%25", true, false}));

// Each refusal names its first fault, so that the command line and the
// operator's tool can say what to change.
TEST(AddressPolicy, NamesTheFault) {
    struct Case {
        const char* address;
        AddressFault fault;
    };
    const Case cases[] = {
        {"https://example.com/a%20b?q=1#x", AddressFault::None},
        {"http://127.0.0.1:8917/", AddressFault::None},
        {"ftp://example.com/", AddressFault::NotWeb},
        {" http://example.com/", AddressFault::NotWeb},
        {"http://example.com/\t", AddressFault::ControlCharacter},
        {"http://ex ample/\n", AddressFault::ControlCharacter},
        {"http://", AddressFault::NoHost},
        {"https:///path", AddressFault::NoHost},
        {"http://?q", AddressFault::NoHost},
        {"http://ex ample/", AddressFault::Blank},
        {"https://example.com/a b", AddressFault::Blank},
        {"http://example.com/ ", AddressFault::Blank},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(webAddressFault(c.address), c.fault) << c.address;
        EXPECT_EQ(isWebAddress(c.address), c.fault == AddressFault::None) << c.address;
    }
}

}  // namespace
}  // namespace quillo
