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

#include "site/site_check.hpp"
#include "site/site_writer.hpp"

namespace {

constexpr const char* kUsage =
    "usage: quillo-site check DIR\n"
    "       quillo-site set DIR PAGE on|off|TEXT\n"
    "       quillo-site init DIR\n"
    "\n"
    "check  reports every page of the content tree DIR that the program would\n"
    "       silently read as off, empty or refused, one line per problem with\n"
    "       the fix; exit status 1 when there is any.\n"
    "set    writes PAGE (e.g. ads/ksqd.html) exactly as the program reads it:\n"
    "       switch pages as GBK \xE5\xBC\x80/\xE5\x85\xB3 from on/off, other pages as the GBK "
    "form\n"
    "       of TEXT, with no line break.\n"
    "init   writes every page the program uses, a home page and a README.txt\n"
    "       into DIR; existing files are kept.\n";

int usage() {
    std::fputs(kUsage, stderr);
    return 2;
}

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
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
        std::fputs(kUsage, stdout);
        return 0;
    }
    if (args.size() == 2 && args[0] == "check") {
        return check(std::filesystem::path(args[1]), args[1]);
    }
    if (args.size() == 4 && args[0] == "set") {
        return report(quillo::site::setPage(std::filesystem::path(args[1]), args[2], args[3]));
    }
    if (args.size() == 2 && args[0] == "init") {
        return report(quillo::site::initTree(std::filesystem::path(args[1])));
    }
    return usage();
}
