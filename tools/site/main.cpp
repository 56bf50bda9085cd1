// quillo-site: the content-server operator's tool.
//
//   quillo-site check DIR                 every page the program would misread
//   quillo-site set DIR PAGE on|off|TEXT  writes one page as the program reads it
//   quillo-site init DIR                  writes a complete starter tree
//
// Exit status: 0 when all is well, 1 when check found problems or a write
// failed, 2 for a usage error.

#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "core/version.hpp"
#include "site/site_arguments.hpp"
#include "site/site_check.hpp"
#include "site/site_writer.hpp"

namespace {

int check(const std::filesystem::path& root, std::string_view name) {
    std::error_code error;
    if (!std::filesystem::is_directory(root, error)) {
        std::fprintf(stderr, "quillo-site: %s is not a directory\n", root.c_str());
        return 2;
    }
    const std::vector<quillo::site::Problem> problems = quillo::site::checkTree(root, name);
    for (const quillo::site::Problem& problem : problems) {
        std::printf("%s\n", quillo::site::formatProblem(problem).c_str());
    }
    if (!problems.empty()) {
        std::fprintf(stderr, "quillo-site: %zu problem(s) in %s\n", problems.size(), root.c_str());
        return 1;
    }
    std::printf("%s: every page reads as intended\n", root.c_str());
    return 0;
}

int report(const quillo::site::WriteResult& result) {
    std::fprintf(result.ok ? stdout : stderr, "%s%s\n",
                 result.ok ? "" : "quillo-site: ", result.message.c_str());
    return result.ok ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    using Action = quillo::site::Invocation::Action;
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    const quillo::site::Invocation run = quillo::site::parseArguments(args);
    const std::vector<std::string>& operands = run.operands;
    switch (run.action) {
        case Action::ShowHelp:
            std::fputs(quillo::site::helpText(run.command).c_str(), stdout);
            return 0;
        case Action::ShowVersion:
            std::printf("quillo-site %.*s\n", static_cast<int>(quillo::version::kVersion.size()),
                        quillo::version::kVersion.data());
            return 0;
        case Action::Refuse:
            std::fprintf(stderr, "quillo-site: %s\nTry 'quillo-site %s%s--help'.\n",
                         run.message.c_str(), run.command.c_str(), run.command.empty() ? "" : " ");
            return 2;
        case Action::Run:
            break;
    }
    if (run.command == "check") {
        return check(std::filesystem::path(operands[0]), operands[0]);
    }
    if (run.command == "set") {
        return report(
            quillo::site::setPage(std::filesystem::path(operands[0]), operands[1], operands[2]));
    }
    return report(quillo::site::initTree(std::filesystem::path(operands[0])));
}
