#include "platform/linux/successor_process.hpp"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "support/temp_program_dir.hpp"

namespace quillo::linux_platform {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

std::optional<std::string> awaitFile(const fs::path& path) {
    for (int i = 0; i < 400; ++i) {
        if (fs::exists(path)) {
            std::ifstream in(path, std::ios::binary);
            return std::string{std::istreambuf_iterator<char>(in),
                               std::istreambuf_iterator<char>()};
        }
        std::this_thread::sleep_for(25ms);
    }
    return std::nullopt;
}

// Runs the stub's old process: it starts `program` as its successor.
void runOldProcess(const fs::path& dir, const std::string& program) {
    const std::string command =
        std::string("'") + QUILLO_SUCCESSOR_STUB + "' old '" + dir.string() + "' '" + program + "'";
    ASSERT_EQ(std::system(command.c_str()), 0);
}

TEST(Restart, SuccessorStartsAtOnceAndBeginsWhenItsPredecessorHasEnded) {
    test::TempProgramDir dir;
    runOldProcess(dir.path(), QUILLO_SUCCESSOR_STUB);
    EXPECT_EQ(awaitFile(dir.path() / "started"), "1");

    const std::optional<std::string> record = awaitFile(dir.path() / "record");
    ASSERT_TRUE(record);
    EXPECT_EQ(*record,
              "told=1\n"
              "inherited=3 \n"         // the hand-over pipe and nothing else
              "predecessor-ended=1\n"  // it waited for the old process
              "variable-after=0\n"     // later programs do not see the hand-over
              "left-open=\n"           // and the pipe is closed
              "argument=new\n"
              "argument=" +
                  dir.path().string() + "\n");
}

TEST(Restart, ProgramThatCannotStartLeavesNothingBehind) {
    test::TempProgramDir dir;
    runOldProcess(dir.path(), "/nonexistent/quillo");
    EXPECT_EQ(awaitFile(dir.path() / "started"), "0");
    EXPECT_EQ(awaitFile(dir.path() / "descriptors"), "unchanged");
    EXPECT_FALSE(fs::exists(dir.path() / "record"));
}

// Sets the hand-over variable for one test; removes it afterwards.
class HandOverVariable {
public:
    explicit HandOverVariable(const std::string& value) {
        setenv(kPredecessorVariable, value.c_str(), 1);
    }
    ~HandOverVariable() { unsetenv(kPredecessorVariable); }
    HandOverVariable(const HandOverVariable&) = delete;
    HandOverVariable& operator=(const HandOverVariable&) = delete;
};

TEST(Restart, WaitingEndsAtTheLimitWhileThePredecessorLives) {
    int fds[2];
    ASSERT_EQ(pipe(fds), 0);
    const HandOverVariable variable(std::to_string(fds[0]));

    const auto started = std::chrono::steady_clock::now();
    awaitPredecessor(200ms);
    const auto waited = std::chrono::steady_clock::now() - started;

    EXPECT_GE(waited, 200ms);
    EXPECT_LT(waited, 5s);
    EXPECT_EQ(std::getenv(kPredecessorVariable), nullptr);
    EXPECT_EQ(fcntl(fds[0], F_GETFD), -1) << "the read end should be closed";
    close(fds[1]);
}

TEST(Restart, WaitingEndsAtOnceWhenThePredecessorHasGone) {
    int fds[2];
    ASSERT_EQ(pipe(fds), 0);
    close(fds[1]);
    const HandOverVariable variable(std::to_string(fds[0]));

    const auto started = std::chrono::steady_clock::now();
    awaitPredecessor(5s);
    EXPECT_LT(std::chrono::steady_clock::now() - started, 1s);
    EXPECT_EQ(fcntl(fds[0], F_GETFD), -1);
}

TEST(Restart, ValueThatNamesNoPipeIsIgnored) {
    test::TempProgramDir dir;
    const int file = open((dir.path() / "plain").c_str(), O_CREAT | O_RDWR, 0600);
    ASSERT_GE(file, 0);
    for (const std::string& value :
         std::vector<std::string>{"abc", "", "-1", "3x", std::to_string(file)}) {
        const HandOverVariable variable(value);
        const auto started = std::chrono::steady_clock::now();
        awaitPredecessor(5s);
        EXPECT_LT(std::chrono::steady_clock::now() - started, 1s) << value;
        EXPECT_EQ(std::getenv(kPredecessorVariable), nullptr) << value;
    }
    EXPECT_NE(fcntl(file, F_GETFD), -1) << "a descriptor that is no pipe is left alone";
    close(file);
}

}  // namespace
}  // namespace quillo::linux_platform
