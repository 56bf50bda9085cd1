// The screen-saver inhibition against a real D-Bus daemon: a private bus
// started for the test, with a stand-in for the desktop's
// org.freedesktop.ScreenSaver service.

#include <dbus/dbus.h>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "platform/linux/screen_saver_inhibitor.hpp"

extern char** environ;

namespace quillo::linux_platform {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

// dbus-daemon on a socket in a temporary directory, ended with the object.
class PrivateBus {
public:
    PrivateBus() {
        std::string pattern = (fs::temp_directory_path() / "quillo-bus-XXXXXX").string();
        directory_ = mkdtemp(pattern.data());
        const fs::path socket = directory_ / "bus";
        address_ = "unix:path=" + socket.string();
        std::vector<std::string> args{"dbus-daemon", "--session", "--nofork", "--nopidfile",
                                      "--address=" + address_};
        std::vector<char*> argv;
        for (std::string& arg : args) {
            argv.push_back(arg.data());
        }
        argv.push_back(nullptr);
        posix_spawn_file_actions_t quiet;
        posix_spawn_file_actions_init(&quiet);
        posix_spawn_file_actions_addopen(&quiet, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
        const int spawned =
            posix_spawnp(&pid_, "dbus-daemon", &quiet, nullptr, argv.data(), environ);
        posix_spawn_file_actions_destroy(&quiet);
        if (spawned != 0) {
            pid_ = -1;
            return;
        }
        // The socket appears before the daemon takes calls: wait until a
        // client can introduce itself.
        for (int i = 0; i < 200 && !(fs::exists(socket) && accepts()); ++i) {
            std::this_thread::sleep_for(25ms);
        }
    }
    ~PrivateBus() {
        if (pid_ > 0) {
            kill(pid_, SIGTERM);
            waitpid(pid_, nullptr, 0);
        }
        std::error_code ignored;
        fs::remove_all(directory_, ignored);
    }
    PrivateBus(const PrivateBus&) = delete;
    PrivateBus& operator=(const PrivateBus&) = delete;

    bool running() const { return pid_ > 0 && fs::exists(directory_ / "bus") && accepts(); }
    const std::string& address() const { return address_; }

private:
    bool accepts() const {
        DBusError error;
        dbus_error_init(&error);
        DBusConnection* connection = dbus_connection_open_private(address_.c_str(), &error);
        bool registered = false;
        if (connection != nullptr) {
            registered = dbus_bus_register(connection, &error);
            dbus_connection_close(connection);
            dbus_connection_unref(connection);
        }
        dbus_error_free(&error);
        return registered;
    }

    fs::path directory_;
    std::string address_;
    pid_t pid_ = -1;
};

// Owns org.freedesktop.ScreenSaver on the bus and answers Inhibit with
// cookies 1, 2, ... and UnInhibit with an empty reply, recording each call.
class FakeScreenSaver {
public:
    explicit FakeScreenSaver(const std::string& address) {
        DBusError error;
        dbus_error_init(&error);
        connection_ = dbus_connection_open_private(address.c_str(), &error);
        if (connection_ != nullptr && dbus_bus_register(connection_, &error) &&
            dbus_bus_request_name(connection_, "org.freedesktop.ScreenSaver",
                                  DBUS_NAME_FLAG_DO_NOT_QUEUE,
                                  &error) == DBUS_REQUEST_NAME_REPLY_PRIMARY_OWNER) {
            serving_ = std::thread([this] { serve(); });
        }
        dbus_error_free(&error);
    }
    ~FakeScreenSaver() {
        stop_ = true;
        if (serving_.joinable()) {
            serving_.join();
        }
        if (connection_ != nullptr) {
            dbus_connection_close(connection_);
            dbus_connection_unref(connection_);
        }
    }
    FakeScreenSaver(const FakeScreenSaver&) = delete;
    FakeScreenSaver& operator=(const FakeScreenSaver&) = delete;

    bool serving() const { return serving_.joinable(); }

    std::vector<std::string> calls() {
        const std::lock_guard lock(mutex_);
        return calls_;
    }

    // The calls once `count` have arrived (or after two seconds).
    std::vector<std::string> awaitCalls(std::size_t count) {
        for (int i = 0; i < 80 && calls().size() < count; ++i) {
            std::this_thread::sleep_for(25ms);
        }
        return calls();
    }

private:
    void record(std::string call) {
        const std::lock_guard lock(mutex_);
        calls_.push_back(std::move(call));
    }

    void serve() {
        while (!stop_) {
            dbus_connection_read_write(connection_, 20);
            while (DBusMessage* message = dbus_connection_pop_message(connection_)) {
                answer(message);
                dbus_message_unref(message);
            }
        }
    }

    void answer(DBusMessage* message) {
        const char* interface = "org.freedesktop.ScreenSaver";
        DBusMessage* reply = nullptr;
        if (dbus_message_is_method_call(message, interface, "Inhibit")) {
            const char* application = "";
            const char* reason = "";
            dbus_message_get_args(message, nullptr, DBUS_TYPE_STRING, &application,
                                  DBUS_TYPE_STRING, &reason, DBUS_TYPE_INVALID);
            const dbus_uint32_t cookie = ++lastCookie_;
            record(std::string("Inhibit ") + application + " / " + reason + " -> " +
                   std::to_string(cookie));
            reply = dbus_message_new_method_return(message);
            dbus_message_append_args(reply, DBUS_TYPE_UINT32, &cookie, DBUS_TYPE_INVALID);
        } else if (dbus_message_is_method_call(message, interface, "UnInhibit")) {
            dbus_uint32_t cookie = 0;
            dbus_message_get_args(message, nullptr, DBUS_TYPE_UINT32, &cookie, DBUS_TYPE_INVALID);
            record("UnInhibit " + std::to_string(cookie));
            reply = dbus_message_new_method_return(message);
        }
        if (reply != nullptr) {
            dbus_connection_send(connection_, reply, nullptr);
            dbus_connection_flush(connection_);
            dbus_message_unref(reply);
        }
    }

    DBusConnection* connection_ = nullptr;
    std::thread serving_;
    std::atomic<bool> stop_ = false;
    std::mutex mutex_;
    std::vector<std::string> calls_;
    dbus_uint32_t lastCookie_ = 0;
};

class ScreenSaverBus : public ::testing::Test {
protected:
    void SetUp() override {
        if (!bus_.running()) {
            GTEST_SKIP() << "dbus-daemon is not available";
        }
    }
    PrivateBus bus_;
};

TEST_F(ScreenSaverBus, InhibitsOnceAndReleasesWhenTheSaverMayRunAgain) {
    FakeScreenSaver service(bus_.address());
    ASSERT_TRUE(service.serving());
    ScreenSaverInhibitor inhibitor(bus_.address());

    inhibitor.setActive(false);
    inhibitor.setActive(false);  // every Apply asks again; one inhibition is held
    EXPECT_TRUE(inhibitor.inhibited());
    EXPECT_EQ(service.awaitCalls(1),
              std::vector<std::string>{"Inhibit Quillo / Playing video -> 1"});

    inhibitor.setActive(true);
    inhibitor.setActive(true);
    EXPECT_FALSE(inhibitor.inhibited());
    EXPECT_EQ(service.awaitCalls(2),
              (std::vector<std::string>{"Inhibit Quillo / Playing video -> 1", "UnInhibit 1"}));

    inhibitor.setActive(false);
    EXPECT_EQ(service.awaitCalls(3).back(), "Inhibit Quillo / Playing video -> 2");
}

TEST_F(ScreenSaverBus, InhibitionEndsWithTheProgram) {
    FakeScreenSaver service(bus_.address());
    ASSERT_TRUE(service.serving());
    {
        ScreenSaverInhibitor inhibitor(bus_.address());
        inhibitor.setActive(false);
    }
    EXPECT_EQ(service.awaitCalls(2),
              (std::vector<std::string>{"Inhibit Quillo / Playing video -> 1", "UnInhibit 1"}));
}

TEST_F(ScreenSaverBus, WithoutTheServiceNothingHappensAndNothingWaits) {
    ScreenSaverInhibitor inhibitor(bus_.address());
    const auto started = std::chrono::steady_clock::now();
    inhibitor.setActive(false);
    inhibitor.setActive(true);
    EXPECT_FALSE(inhibitor.inhibited());
    EXPECT_LT(std::chrono::steady_clock::now() - started, 1s);
}

}  // namespace
}  // namespace quillo::linux_platform
