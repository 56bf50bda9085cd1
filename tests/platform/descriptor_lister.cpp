// Stands in for a program the platform starts (xdg-open, the updater, the
// program itself): writes the numbers of its open descriptors and what they
// lead to, one per line, into the file named by QUILLO_DESCRIPTOR_REPORT, via
// a sibling renamed into place when complete.

#include <dirent.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

int main() {
    const char* report = std::getenv("QUILLO_DESCRIPTOR_REPORT");
    if (report == nullptr) {
        return 2;
    }
    std::string lines;
    DIR* fds = ::opendir("/proc/self/fd");
    if (fds == nullptr) {
        return 3;
    }
    const int own = ::dirfd(fds);
    while (const dirent* entry = ::readdir(fds)) {
        const std::string name = entry->d_name;
        if (name == "." || name == ".." || std::stoi(name) == own) {
            continue;
        }
        char target[512] = {};
        const ssize_t length =
            ::readlink(("/proc/self/fd/" + name).c_str(), target, sizeof target - 1);
        lines += name + " " + std::string(target, length > 0 ? length : 0) + "\n";
    }
    ::closedir(fds);

    const std::string partial = std::string(report) + ".partial";
    std::FILE* out = std::fopen(partial.c_str(), "w");
    if (out == nullptr) {
        return 4;
    }
    std::fputs(lines.c_str(), out);
    std::fclose(out);
    return std::rename(partial.c_str(), report) == 0 ? 0 : 5;
}
