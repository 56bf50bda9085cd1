// Runs the demo content server program and stops it with a signal.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "content/content_client.hpp"
#include "support/content_server_fixture.hpp"

namespace quillo {
namespace {

namespace fs = std::filesystem;

// The program, started with its standard output on a pipe. Killed and reaped
// on destruction if the test did not stop it.
class ServerProcess {
public:
    explicit ServerProcess(const fs::path& root) {
        int fds[2];
        if (pipe(fds) != 0) {
            return;
        }
        readEnd_ = fds[0];
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, fds[1], STDOUT_FILENO);
        posix_spawn_file_actions_addclose(&actions, fds[0]);
        const std::string program = QUILLO_CONTENT_SERVER_PROGRAM;
        const std::string rootText = root.string();
        std::vector<char*> argv{const_cast<char*>(program.c_str()),
                                const_cast<char*>(rootText.c_str()), const_cast<char*>("--port"),
                                const_cast<char*>("0"), nullptr};
        if (posix_spawn(&pid_, program.c_str(), &actions, nullptr, argv.data(), environ) != 0) {
            pid_ = -1;
        }
        posix_spawn_file_actions_destroy(&actions);
        close(fds[1]);
    }
    ~ServerProcess() {
        if (pid_ > 0) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
        }
        if (readEnd_ >= 0) {
            close(readEnd_);
        }
    }
    ServerProcess(const ServerProcess&) = delete;
    ServerProcess& operator=(const ServerProcess&) = delete;

    bool started() const { return pid_ > 0; }

    // Reads the output up to and including the next line break.
    std::optional<std::string> readLine() {
        std::string line;
        char c = 0;
        while (read(readEnd_, &c, 1) == 1) {
            if (c == '\n') {
                return line;
            }
            line.push_back(c);
        }
        return std::nullopt;
    }

    // Sends the signal and waits for the exit; the exit status, or -1 when
    // the program did not exit normally.
    int stopWith(int signal) {
        kill(pid_, signal);
        int status = 0;
        waitpid(pid_, &status, 0);
        pid_ = -1;
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

private:
    pid_t pid_ = -1;
    int readEnd_ = -1;
};

class ContentServerProgramTest : public ::testing::TestWithParam<int> {
protected:
    void SetUp() override {
        root_ = fs::temp_directory_path() / ("quillo-program-site-" + std::to_string(getpid()) +
                                             "-" + std::to_string(GetParam()));
        fs::create_directories(root_ / "ads");
        std::ofstream(root_ / "ads" / "ksqd.html", std::ios::binary) << "\xBF\xAA";
    }
    void TearDown() override { fs::remove_all(root_); }

    fs::path root_;
};

TEST_P(ContentServerProgramTest, ServesLogsAndStopsCleanlyOnSignal) {
    ServerProcess process(root_);
    ASSERT_TRUE(process.started());
    const std::optional<std::string> banner = process.readLine();
    ASSERT_TRUE(banner.has_value());
    const std::size_t at = banner->rfind("127.0.0.1:");
    ASSERT_NE(at, std::string::npos) << *banner;
    const std::string base = banner->substr(banner->find("http://"));

    {
        ContentClient client(test::ContentServerFixture::cipherFor(base));
        EXPECT_EQ(client.fetchPage("ads/ksqd.html"), "\xBF\xAA");
        EXPECT_EQ(client.fetchPage("ads/none.html"), "");
    }
    EXPECT_EQ(process.readLine(), "GET /ads/ksqd.html 200");
    EXPECT_EQ(process.readLine(), "GET /ads/none.html 404");
    EXPECT_EQ(process.stopWith(GetParam()), 0);
}

INSTANTIATE_TEST_SUITE_P(Signals, ContentServerProgramTest, ::testing::Values(SIGTERM, SIGINT),
                         [](const auto& info) {
                             return std::string(info.param == SIGTERM ? "Term" : "Int");
                         });

}  // namespace
}  // namespace quillo
