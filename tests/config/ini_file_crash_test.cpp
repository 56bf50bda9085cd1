#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <random>
#include <string>
#include <thread>

#include "config/ini_file.hpp"
#include "support/temp_program_dir.hpp"

namespace quillo {
namespace {

using test::TempProgramDir;
namespace fs = std::filesystem;

constexpr int kRounds = 150;

// A writer killed at a random moment, over and over: after every kill the
// file is whole and holds one of the two values, and at most the one sibling
// of the interrupted write is left over, which the start-up clean-up removes.
// The kill comes only once the writer has finished its first write (it says
// so through a pipe), so on a loaded machine, where the writer may wait long
// for the processor, every round still kills a writer at work.
TEST(IniFileCrash, KilledWriterLeavesTheOldOrTheNewFile) {
    const std::string oldValue = "old";
    const std::string newValue = "new value, longer than the old one";
    const auto fileWith = [](const std::string& value) {
        return "; settings\r\n[Config]\r\nTray=1\r\nKey=" + value +
               "\r\nStart=0\r\n\r\n[Other]\r\nX=y\r\n";
    };
    const std::string oldFile = fileWith(oldValue);
    const std::string newFile = fileWith(newValue);

    TempProgramDir dir;
    dir.writeConfig(oldFile);
    const IniFile file(dir.configPath());

    const unsigned seed = std::random_device{}();
    SCOPED_TRACE("seed " + std::to_string(seed));
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> delayMicroseconds(0, 4000);

    const pid_t parent = ::getpid();
    int changes = 0;
    int leftovers = 0;
    std::string previous = oldFile;
    for (int round = 0; round < kRounds; ++round) {
        // The writer starts with the value the file does not hold.
        const bool startWithNew = previous == oldFile;
        int working[2];
        ASSERT_EQ(::pipe2(working, O_CLOEXEC), 0);
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            ::prctl(PR_SET_PDEATHSIG, SIGKILL);
            if (::getppid() != parent) {
                ::_exit(1);
            }
            ::close(working[0]);
            file.write("Config", "Key", startWithNew ? newValue : oldValue);
            const char done = 1;
            if (::write(working[1], &done, 1) != 1) {
                ::_exit(1);
            }
            for (bool writeNew = !startWithNew;; writeNew = !writeNew) {
                file.write("Config", "Key", writeNew ? newValue : oldValue);
            }
        }
        ::close(working[1]);
        char done = 0;
        const ssize_t got = ::read(working[0], &done, 1);
        ::close(working[0]);
        ASSERT_EQ(got, 1) << "the writer ended before its first write was done";
        std::this_thread::sleep_for(std::chrono::microseconds(delayMicroseconds(random)));
        ::kill(child, SIGKILL);
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);

        const std::string content = dir.readConfigFile();
        ASSERT_TRUE(content == oldFile || content == newFile) << "round " << round << ":\n"
                                                              << content;
        const std::string value = file.read("Config", "Key");
        ASSERT_TRUE(value == oldValue || value == newValue) << value;
        changes += content != previous ? 1 : 0;
        previous = content;

        int siblings = 0;
        for (const auto& entry : fs::directory_iterator(dir.path())) {
            siblings += entry.path().filename() != "Config.ini" ? 1 : 0;
        }
        ASSERT_LE(siblings, 1) << "round " << round;
        // What the killed write left is cleared away at the next start.
        file.removeStaleTemporaries();
        ASSERT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1)
            << "round " << round;
        leftovers += siblings;
    }
    // Some kills hit a write between creating and renaming its sibling, and
    // some after an odd number of whole writes.
    EXPECT_GT(leftovers, 0);
    EXPECT_GT(changes, 0);
}

}  // namespace
}  // namespace quillo
