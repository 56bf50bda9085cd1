// A stand-in program for the restart hand-over tests.
//
//   successor_stub old <dir> <program>   starts <program> as its successor
//                                        with the arguments "new" and <dir>,
//                                        writes <dir>/started (1 or 0); when
//                                        it did not start, whether its open
//                                        descriptors changed; when it did
//                                        start, lives 300 ms
//                                        longer, leaves <dir>/predecessor-ended
//                                        and ends
//   successor_stub new <dir>             waits for its predecessor, then
//                                        writes <dir>/record
//
// Files are written under a temporary name and renamed into place, so a
// reader never sees them half-written.

#include <fcntl.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>

#include "platform/linux/successor_process.hpp"

namespace {

namespace fs = std::filesystem;
using quillo::linux_platform::kPredecessorVariable;

void writeFile(const fs::path& path, const std::string& text) {
    const fs::path temporary = path.string() + ".tmp";
    std::ofstream(temporary, std::ios::binary) << text;
    fs::rename(temporary, path);
}

// Descriptors above the standard streams that are open now.
std::string openDescriptors() {
    std::string list;
    for (int fd = 3; fd < 256; ++fd) {
        if (fcntl(fd, F_GETFD) != -1) {
            list += std::to_string(fd) + " ";
        }
    }
    return list;
}

int oldProcess(const fs::path& dir, const std::string& program) {
    const std::string before = openDescriptors();
    const bool started = quillo::linux_platform::startSuccessor(program, {"new", dir.string()});
    writeFile(dir / "started", started ? "1" : "0");
    if (!started) {
        writeFile(dir / "descriptors", before == openDescriptors() ? "unchanged" : "changed");
        return 0;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    writeFile(dir / "predecessor-ended", "");
    return 0;
}

int newProcess(const fs::path& dir) {
    const bool told = std::getenv(kPredecessorVariable) != nullptr;
    const std::string inherited = openDescriptors();
    quillo::linux_platform::awaitPredecessor(std::chrono::seconds(5));
    std::ostringstream record;
    record << "told=" << told << "\n"
           << "inherited=" << inherited << "\n"
           << "predecessor-ended=" << fs::exists(dir / "predecessor-ended") << "\n"
           << "variable-after=" << (std::getenv(kPredecessorVariable) != nullptr) << "\n"
           << "left-open=" << openDescriptors() << "\n";
    for (const std::string& argument : quillo::linux_platform::ownArguments()) {
        record << "argument=" << argument << "\n";
    }
    writeFile(dir / "record", record.str());
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "old" && argc == 4) {
        return oldProcess(argv[2], argv[3]);
    }
    if (mode == "new" && argc == 3) {
        return newProcess(argv[2]);
    }
    return 2;
}
