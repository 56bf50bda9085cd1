#include "app/command_line.hpp"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace quillo {
namespace {

using Action = CommandLine::Action;
using ::testing::HasSubstr;

CommandLine parse(std::vector<std::string_view> arguments) {
    return parseCommandLine(arguments);
}

TEST(CommandLine, AcceptedForms) {
    struct Case {
        std::vector<std::string_view> arguments;
        Action action;
        std::string server;
    };
    const Case cases[] = {
        {{}, Action::Run, ""},
        {{"--help"}, Action::ShowHelp, ""},
        {{"-h"}, Action::ShowHelp, ""},
        {{"--version"}, Action::ShowVersion, ""},
        {{"--content-server", "http://127.0.0.1:4711/"}, Action::Run, "http://127.0.0.1:4711/"},
        {{"--content-server=https://content.example/site/"},
         Action::Run,
         "https://content.example/site/"},
        {{"--content-server", "HTTPS://content.example/"}, Action::Run, "HTTPS://content.example/"},
        // Help wins over anything after it.
        {{"--help", "--bogus"}, Action::ShowHelp, ""},
    };
    for (const Case& c : cases) {
        const CommandLine line = parse(c.arguments);
        EXPECT_EQ(line.action, c.action) << line.message;
        EXPECT_EQ(line.contentServer, c.server);
    }
}

TEST(CommandLine, RefusedWithAMessage) {
    struct Case {
        std::vector<std::string_view> arguments;
        std::string message;
    };
    const Case cases[] = {
        {{"--content-server", "http://127.0.0.1:4711"}, "must end with '/'"},
        {{"--content-server", "http://content.example/ads"}, "must end with '/'"},
        {{"--content-server", "ftp://content.example/"}, "http:// or https://"},
        {{"--content-server", "file:///srv/site/"}, "http:// or https://"},
        {{"--content-server", "content.example/"}, "http:// or https://"},
        {{"--content-server", "http:///"}, "no host"},
        {{"--content-server", "https://exa mple/"}, "must not hold a blank"},
        {{"--content-server", "https://example/a b/"}, "must not hold a blank"},
        {{"--content-server", "http://a.example/\n/"}, "control characters"},
        {{"--content-server", "http://a.example/?x=/"}, "query"},
        {{"--content-server"}, "needs an address"},
        {{"--bogus"}, "unknown argument '--bogus'"},
        {{"http://127.0.0.1/"}, "unknown argument"},
    };
    for (const Case& c : cases) {
        const CommandLine line = parse(c.arguments);
        EXPECT_EQ(line.action, Action::Refuse) << c.message;
        EXPECT_THAT(line.message, HasSubstr(c.message));
        EXPECT_TRUE(line.contentServer.empty());
    }
}

TEST(CommandLine, HelpNamesEveryOption) {
    const std::string help = helpText("quillo");
    for (const char* option : {"--content-server URL", "--help", "--version"}) {
        EXPECT_THAT(help, HasSubstr(option));
    }
}

}  // namespace
}  // namespace quillo
