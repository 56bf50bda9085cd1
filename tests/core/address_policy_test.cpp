#include "core/address_policy.hpp"

#include <gtest/gtest.h>

namespace quillo {
namespace {

struct AddressCase {
    const char* address;
    bool web;
    bool chat;
};

class AddressPolicy : public ::testing::TestWithParam<AddressCase> {};

TEST_P(AddressPolicy, OpensOnlyWebAndChatAddresses) {
    const AddressCase& c = GetParam();
    EXPECT_EQ(isWebAddress(c.address), c.web) << c.address;
    EXPECT_EQ(isChatAddress(c.address), c.chat) << c.address;
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

}  // namespace
}  // namespace quillo
