#include "site/site_arguments.hpp"

#include <array>

namespace quillo::site {
namespace {

struct CommandShape {
    std::string_view name;
    std::size_t operands;
    std::string_view synopsis;
    std::string_view description;
};

constexpr std::array kCommands = {
    CommandShape{
        "check", 1, "check DIR",
        "Reports every page of the content tree DIR that the program would\n"
        "read as off, empty or refused: switch pages that are not exactly\n"
        "\xE5\xBC\x80 or \xE5\x85\xB3 in GBK, text pages that are not GBK or hold an HTML or\n"
        "HTTP error page, numbers that are no numbers, addresses the program\n"
        "refuses to open, missing pages and a missing home page (index.html).\n"
        "One line per problem, with the command that fixes it; exit status 1\n"
        "when there is any.\n"},
    CommandShape{
        "set", 3, "set DIR PAGE on|off|TEXT",
        "Writes PAGE (e.g. ads/ksqd.html) of the tree DIR exactly as the\n"
        "program reads it: a switch page as GBK \xE5\xBC\x80 or \xE5\x85\xB3 from on or off, any\n"
        "other page as the GBK form of TEXT, with no line break. A value the\n"
        "program would not take is refused and nothing is written.\n"},
    CommandShape{"init", 1, "init DIR",
                 "Writes every page the program uses, a home page (index.html) and\n"
                 "README.txt into DIR, created if needed; existing files are kept.\n"},
};

const CommandShape* findCommand(std::string_view name) {
    for (const CommandShape& command : kCommands) {
        if (command.name == name) {
            return &command;
        }
    }
    return nullptr;
}

constexpr std::string_view kOptions =
    "\n"
    "Options:\n"
    "  -h, --help     show this help and end\n"
    "  --version      show the version and end\n"
    "  --             end of options: the words after it are operands even\n"
    "                 when they start with '-'\n";

// The invocation as read so far, refused with a message.
Invocation refused(Invocation invocation, std::string message) {
    invocation.action = Invocation::Action::Refuse;
    invocation.message = std::move(message);
    return invocation;
}

}  // namespace

Invocation parseArguments(std::span<const std::string_view> arguments) {
    Invocation invocation;
    bool optionsEnded = false;
    const CommandShape* command = nullptr;
    for (const std::string_view word : arguments) {
        if (!optionsEnded && word == "--") {
            optionsEnded = true;
        } else if (!optionsEnded && word.starts_with('-') && word != "-") {
            if (word == "--help" || word == "-h") {
                invocation.action = Invocation::Action::ShowHelp;
                return invocation;
            }
            if (word == "--version") {
                invocation.action = Invocation::Action::ShowVersion;
                return invocation;
            }
            return refused(invocation, "unknown option '" + std::string(word) + "'");
        } else if (command == nullptr) {
            command = findCommand(word);
            if (command == nullptr) {
                return refused(invocation, "unknown command '" + std::string(word) + "'");
            }
            invocation.command = std::string(word);
        } else {
            invocation.operands.emplace_back(word);
        }
    }
    if (command == nullptr) {
        return refused(invocation, "a command is needed: check, set or init");
    }
    if (invocation.operands.size() != command->operands) {
        return refused(invocation,
                       std::string(command->name) + " takes " +
                           std::string(command->synopsis.substr(command->name.size() + 1)));
    }
    invocation.action = Invocation::Action::Run;
    return invocation;
}

std::string helpText(std::string_view commandName) {
    if (const CommandShape* command = findCommand(commandName)) {
        return "Usage: quillo-site " + std::string(command->synopsis) + "\n\n" +
               std::string(command->description) + std::string(kOptions);
    }
    std::string text = "Usage: quillo-site COMMAND [OPTION]... OPERAND...\n";
    for (const CommandShape& command : kCommands) {
        text += "  or:  quillo-site " + std::string(command.synopsis) + "\n";
    }
    text +=
        "\nKeeps the content tree of the Quillo client right: the small pages\n"
        "under ads/ that switch the program's features and hold its names,\n"
        "texts and addresses, as bytes the program reads the way they were\n"
        "meant.\n\nCommands:\n";
    for (const CommandShape& command : kCommands) {
        text += "\n" + std::string(command.synopsis) + "\n";
        std::string_view description = command.description;
        while (!description.empty()) {
            const std::size_t end = description.find('\n');
            text += "  " + std::string(description.substr(0, end)) + "\n";
            description.remove_prefix(end == std::string_view::npos ? description.size() : end + 1);
        }
    }
    text += std::string(kOptions) +
            "\nExit status: 0 when all is well, 1 when check found problems or a\n"
            "write failed, 2 for a usage error.\n";
    return text;
}

}  // namespace quillo::site
