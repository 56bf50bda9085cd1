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

}  // namespace
}  // namespace quillo
