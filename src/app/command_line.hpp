#pragma once

#include <span>
#include <string>
#include <string_view>

namespace quillo {

// What the program was asked to do on its command line.
struct CommandLine {
    enum class Action { Run, ShowHelp, ShowVersion, Refuse };
    Action action = Action::Run;
    // --content-server URL: the base address for this run instead of the
    // built-in one; empty when not given.
    std::string contentServer;
    // Why the command line was refused (Action::Refuse).
    std::string message;
};

// Reads the arguments after the program name. Known: --help (-h),
// --version, --content-server URL (also --content-server=URL). The address
// must be an http:// or https:// address with a host that ends with '/';
// anything else, and any unknown argument, is refused with a message.
CommandLine parseCommandLine(std::span<const std::string_view> arguments);

// The text of --help, naming the program as `programName`.
std::string helpText(std::string_view programName);

}  // namespace quillo
