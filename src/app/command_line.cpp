#include "app/command_line.hpp"

#include "core/address_policy.hpp"

namespace quillo {
namespace {

constexpr std::string_view kServerOption = "--content-server";

// A base address the client can append page paths to: http:// or https://,
// a host, no blanks or control characters, and its own trailing '/'.
std::string refusalOf(std::string_view address) {
    switch (webAddressFault(address)) {
        case AddressFault::NotWeb:
            return "the content server address must start with http:// or https://";
        case AddressFault::ControlCharacter:
            return "the content server address must not hold control characters";
        case AddressFault::NoHost:
            return "the content server address has no host";
        case AddressFault::Blank:
            return "the content server address must not hold a blank (write %20 for one "
                   "in a path)";
        case AddressFault::None:
            break;
    }
    if (!address.ends_with('/')) {
        return "the content server address must end with '/' (page paths such as "
               "ads/ksqd.html are appended to it as they are)";
    }
    if (address.find_first_of("?#") != std::string_view::npos) {
        return "the content server address must not hold a query or fragment";
    }
    return {};
}

CommandLine refuse(std::string message) {
    CommandLine line;
    line.action = CommandLine::Action::Refuse;
    line.message = std::move(message);
    return line;
}

}  // namespace

CommandLine parseCommandLine(std::span<const std::string_view> arguments) {
    CommandLine line;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string_view argument = arguments[i];
        if (argument == "--help" || argument == "-h") {
            line.action = CommandLine::Action::ShowHelp;
            return line;
        }
        if (argument == "--version") {
            line.action = CommandLine::Action::ShowVersion;
            return line;
        }
        std::string_view address;
        if (argument == kServerOption) {
            if (i + 1 == arguments.size()) {
                return refuse("--content-server needs an address, e.g. https://content.example/");
            }
            address = arguments[++i];
        } else if (argument.starts_with(std::string(kServerOption) + "=")) {
            address = argument.substr(kServerOption.size() + 1);
        } else {
            return refuse("unknown argument '" + std::string(argument) + "'");
        }
        if (std::string why = refusalOf(address); !why.empty()) {
            return refuse(why + ": '" + std::string(address) + "'");
        }
        line.contentServer = address;
    }
    return line;
}

std::string helpText(std::string_view programName) {
    const std::string name(programName);
    return "Usage: " + name + " [--content-server URL]\n" + "  or:  " + name +
           " --help | --version\n"
           "\n"
           "A desktop client for the Quillo film and TV site.\n"
           "\n"
           "  --content-server URL  use the content server at URL for this run instead\n"
           "                        of the address built into the program; http:// or\n"
           "                        https://, a host, no blank, ending with '/'\n"
           "  --help                show this help and end\n"
           "  --version             show the program's version and end\n"
           "\n"
           "An installed program keeps each user's settings in\n"
           "$XDG_CONFIG_HOME/quillo/Config.ini (~/.config/quillo/), created from the\n"
           "shipped defaults; a portable copy keeps its Config.ini beside the program.\n"
           "Warnings go to standard error; QT_LOGGING_RULES=\"quillo.*=true\" shows more.\n";
}

}  // namespace quillo
