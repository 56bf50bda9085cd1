#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quillo::site {

// What one run of quillo-site was asked to do.
struct Invocation {
    enum class Action { Run, ShowHelp, ShowVersion, Refuse };
    Action action = Action::Refuse;
    std::string command;                // "check", "set", "init"; empty for the tool
    std::vector<std::string> operands;  // DIR [PAGE VALUE], as given
    std::string message;                // why the line was refused
};

// Reads the words after the program name. Words starting with '-' are
// options (--help, -h, --version, for the tool or after a command) until
// "--", after which every word is an operand, so that a directory named
// "--help" is written as `quillo-site init -- --help`. An option is never
// taken for a directory.
Invocation parseArguments(std::span<const std::string_view> arguments);

// The usage of the tool (command empty) or of one command.
std::string helpText(std::string_view command);

}  // namespace quillo::site
