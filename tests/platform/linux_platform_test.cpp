#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "core/text.hpp"
#include "platform/display_services.hpp"
#include "platform/linux/autostart_entry.hpp"
#include "platform/linux/desktop_uri.hpp"
#include "platform/linux/linux_platform.hpp"
#include "platform/linux/network_state.hpp"
#include "platform/linux/screen_saver_inhibitor.hpp"
#include "support/temp_program_dir.hpp"

namespace quillo {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

class NoDisplay final : public DisplayServices {
public:
    void messageBox(const Text&, const Text&, MessageIcon) override {}
    ScreenSize screenSize() override { return {}; }
    ScreenArea availableArea() override { return {}; }
};

std::string readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeExecutable(const fs::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
    fs::permissions(path, fs::perms::owner_all);
}

// Waits until the file exists and is complete (its writer renames it into place).
std::optional<std::string> awaitFile(const fs::path& path) {
    for (int i = 0; i < 200; ++i) {
        if (fs::exists(path)) {
            return readFile(path);
        }
        std::this_thread::sleep_for(25ms);
    }
    return std::nullopt;
}

// Sets an environment variable for one test and restores it afterwards.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const std::string& value) : name_(name) {
        if (const char* old = std::getenv(name)) {
            old_ = old;
        }
        setenv(name, value.c_str(), 1);
    }
    ~ScopedEnv() {
        if (old_) {
            setenv(name_, old_->c_str(), 1);
        } else {
            unsetenv(name_);
        }
    }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    const char* name_;
    std::optional<std::string> old_;
};

// ---------------------------------------------------------------- autostart

struct QuoteCase {
    const char* argument;
    const char* execValue;
};

class ExecQuoting : public ::testing::TestWithParam<QuoteCase> {};

TEST_P(ExecQuoting, QuotesOneArgumentForTheExecKey) {
    EXPECT_EQ(linux_platform::quoteExecArgument(GetParam().argument), GetParam().execValue);
}

INSTANTIATE_TEST_SUITE_P(
    DesktopEntrySpec, ExecQuoting,
    ::testing::Values(QuoteCase{"/opt/quillo/quillo", "/opt/quillo/quillo"},
                      QuoteCase{"/opt/my apps/quillo", "\"/opt/my apps/quillo\""},
                      QuoteCase{"/opt/a$b/quillo", "\"/opt/a\\\\$b/quillo\""},
                      QuoteCase{"/opt/a\\b/quillo", "\"/opt/a\\\\\\\\b/quillo\""},
                      QuoteCase{"/opt/\"q\"/quillo", "\"/opt/\\\\\"q\\\\\"/quillo\""},
                      QuoteCase{"/opt/100%/quillo", "/opt/100%%/quillo"}, QuoteCase{"", "\"\""}));

TEST(AutostartEntry, HoldsTypeNameExecAndEnabledFlag) {
    const std::string text =
        linux_platform::autostartEntryText(gbk("Quillo影音"), "/opt/my apps/quillo");
    EXPECT_EQ(text,
              "[Desktop Entry]\n"
              "Type=Application\n"
              "Name=Quillo影音\n"
              "Exec=\"/opt/my apps/quillo\"\n"
              "Terminal=false\n"
              "X-GNOME-Autostart-enabled=true\n"
              "X-Quillo-Autostart=true\n");
}

TEST(AutostartEntry, LineBreaksCannotAddKeys) {
    const std::string text =
        linux_platform::autostartEntryText("Quillo\nExec=evil", "/opt/q\nHidden=true");
    EXPECT_EQ(text.find("\nExec=evil"), std::string::npos);
    EXPECT_EQ(text.find("\nHidden=true"), std::string::npos);
}

TEST(AutostartEntry, PlatformWritesAndRemovesEntryUnderXdgConfigHome) {
    test::TempProgramDir config;
    const ScopedEnv xdg("XDG_CONFIG_HOME", config.path().string());
    NoDisplay display;
    LinuxPlatform platform(display);

    platform.registerAutoStart(gbk("Quillo影音"), "/opt/quillo/quillo");
    const fs::path entry = config.path() / "autostart" / "Quillo影音.desktop";
    ASSERT_TRUE(fs::exists(entry));
    EXPECT_EQ(readFile(entry),
              linux_platform::autostartEntryText(gbk("Quillo影音"), "/opt/quillo/quillo"));
    // Registering again replaces the entry; nothing else is left behind.
    platform.registerAutoStart(gbk("Quillo影音"), "/usr/bin/quillo");
    EXPECT_NE(readFile(entry).find("Exec=/usr/bin/quillo\n"), std::string::npos);
    EXPECT_EQ(std::distance(fs::directory_iterator(config.path() / "autostart"),
                            fs::directory_iterator()),
              1);

    platform.unregisterAutoStart(gbk("Quillo影音"));
    EXPECT_FALSE(fs::exists(entry));
    platform.unregisterAutoStart(gbk("Quillo影音"));  // missing: nothing happens
}

TEST(AutostartEntry, AnotherProgramsEntryOfTheSameNameIsLeftAlone) {
    test::TempProgramDir config;
    const fs::path directory = config.path() / "autostart";
    fs::create_directories(directory);
    const fs::path entry = directory / "quillo.desktop";
    const std::string foreign = "[Desktop Entry]\nType=Application\nExec=/usr/bin/other\n";
    std::ofstream(entry, std::ios::binary) << foreign;

    EXPECT_FALSE(linux_platform::writeAutostartEntry(directory, "quillo", "/opt/quillo/quillo"));
    EXPECT_FALSE(linux_platform::removeAutostartEntry(directory, "quillo"));
    EXPECT_EQ(readFile(entry), foreign);
    EXPECT_EQ(std::distance(fs::directory_iterator(directory), fs::directory_iterator()), 1);
}

TEST(AutostartEntry, DirectoryFallsBackToHomeConfig) {
    const ScopedEnv xdg("XDG_CONFIG_HOME", "");
    const ScopedEnv home("HOME", "/home/someone");
    EXPECT_EQ(linux_platform::autostartDirectory(), fs::path("/home/someone/.config/autostart"));
}

TEST(AutostartEntry, FileNameCannotLeaveTheDirectory) {
    EXPECT_EQ(linux_platform::autostartFileName("../x"), ".._x.desktop");
    EXPECT_EQ(linux_platform::autostartFileName(".."), "_...desktop");
}

// ------------------------------------------------------------------ network

struct RouteCase {
    const char* name;
    const char* table;
    bool hasDefault;
};

class Ipv4Routes : public ::testing::TestWithParam<RouteCase> {};

TEST_P(Ipv4Routes, FindsAnUsableDefaultRoute) {
    EXPECT_EQ(linux_platform::ipv4TableHasDefaultRoute(GetParam().table), GetParam().hasDefault);
}

constexpr const char* kIpv4Header =
    "Iface\tDestination\tGateway \tFlags\tRefCnt\tUse\tMetric\tMask\t\tMTU\tWindow\tIRTT\n";

INSTANTIATE_TEST_SUITE_P(
    ProcNetRoute, Ipv4Routes,
    ::testing::Values(RouteCase{"HeaderOnly", kIpv4Header, false}, RouteCase{"Empty", "", false},
                      RouteCase{"DefaultUp",
                                "Iface\tDestination\tGateway\tFlags\n"
                                "eth0\t00000000\t0102000A\t0003\t0\t0\t100\t00000000\t0\t0\t0\n",
                                true},
                      RouteCase{"DefaultDown",
                                "Iface\tDestination\tGateway\tFlags\n"
                                "eth0\t00000000\t0102000A\t0002\t0\t0\t100\t00000000\t0\t0\t0\n",
                                false},
                      RouteCase{"OnlyLocalSubnet",
                                "Iface\tDestination\tGateway\tFlags\n"
                                "eth0\t0002000A\t00000000\t0001\t0\t0\t100\t00FFFFFF\t0\t0\t0\n",
                                false},
                      RouteCase{"LoopbackDefault",
                                "Iface\tDestination\tGateway\tFlags\n"
                                "lo\t00000000\t00000000\t0001\t0\t0\t0\t00000000\t0\t0\t0\n",
                                false},
                      RouteCase{"GarbledFlags",
                                "Iface\tDestination\tGateway\tFlags\n"
                                "eth0\t00000000\t0102000A\tzz\t0\n",
                                false}),
    [](const ::testing::TestParamInfo<RouteCase>& info) { return info.param.name; });

class Ipv6Routes : public ::testing::TestWithParam<RouteCase> {};

TEST_P(Ipv6Routes, FindsADefaultRouteOffTheLoopback) {
    EXPECT_EQ(linux_platform::ipv6TableHasDefaultRoute(GetParam().table), GetParam().hasDefault);
}

INSTANTIATE_TEST_SUITE_P(
    ProcNetIpv6Route, Ipv6Routes,
    ::testing::Values(
        RouteCase{"Default",
                  "00000000000000000000000000000000 00 00000000000000000000000000000000 00 "
                  "fe800000000000000000000000000001 00000400 00000001 00000000 00000003 eth0\n",
                  true},
        RouteCase{"UnreachableOnLoopback",
                  "00000000000000000000000000000000 00 00000000000000000000000000000000 00 "
                  "00000000000000000000000000000000 ffffffff 00000001 00000000 00200200 lo\n",
                  false},
        RouteCase{"LinkLocalOnly",
                  "fe800000000000000000000000000000 40 00000000000000000000000000000000 00 "
                  "00000000000000000000000000000000 00000100 00000001 00000000 00000001 eth0\n",
                  false},
        RouteCase{"Empty", "", false}),
    [](const ::testing::TestParamInfo<RouteCase>& info) { return info.param.name; });

TEST(NetworkCheck, AnswersFromLocalStateAlone) {
    // Whatever this machine has, the check answers at once and agrees with
    // its parts.
    const bool connected = linux_platform::networkConnected();
    if (linux_platform::hasActiveInterface()) {
        EXPECT_TRUE(connected);
    }
}

// ---------------------------------------------------------------- processes

// A stand-in program that records its arguments, one per line after their
// count, and renames the record into place when complete.
constexpr const char* kRecorder =
    "#!/bin/sh\n"
    "out=\"$(dirname \"$0\")/argv\"\n"
    "{ echo \"$#\"; for a in \"$@\"; do printf '%s\\n' \"$a\"; done; } > \"$out.tmp\"\n"
    "mv \"$out.tmp\" \"$out\"\n";

// Ended children of this process that nobody has reaped, waiting up to two
// seconds for their parent to reap them.
int zombieChildrenAfterAWhile() {
    auto zombies = [] {
        int count = 0;
        const std::string parent = std::to_string(getpid());
        for (const auto& entry : fs::directory_iterator("/proc")) {
            std::ifstream stat(entry.path() / "stat");
            std::string line;
            if (!std::getline(stat, line)) {
                continue;
            }
            const std::size_t close = line.rfind(')');
            if (close == std::string::npos) {
                continue;
            }
            char state = 0;
            std::string ppid;
            std::istringstream fields(line.substr(close + 2));
            fields >> state >> ppid;
            count += state == 'Z' && ppid == parent;
        }
        return count;
    };
    int left = zombies();
    for (int i = 0; i < 100 && left > 0; ++i) {
        std::this_thread::sleep_for(20ms);
        left = zombies();
    }
    return left;
}

TEST(OpenAddress, HandsTheAddressToXdgOpenAsAUri) {
    test::TempProgramDir bin;
    writeExecutable(bin.path() / "xdg-open", kRecorder);
    const char* path = std::getenv("PATH");
    const ScopedEnv onPath("PATH", bin.path().string() + ":" + (path ? path : "/usr/bin:/bin"));
    NoDisplay display;
    LinuxPlatform platform(display);

    // GBK characters arrive as percent-encoded UTF-8, spaces encoded; quotes
    // and shell characters go through untouched, as no shell is involved.
    platform.openAddress("tencent://message/?uin=12345&Site=" + gbk("影音") + " 'x' $(id);`y`");

    const std::optional<std::string> recorded = awaitFile(bin.path() / "argv");
    ASSERT_TRUE(recorded);
    EXPECT_EQ(*recorded,
              "1\ntencent://message/?uin=12345&Site=%E5%BD%B1%E9%9F%B3%20'x'%20$(id);`y`\n");
}

struct UriCase {
    std::string address;  // GBK bytes
    std::string uri;
};

class DesktopUri : public ::testing::TestWithParam<UriCase> {};

TEST_P(DesktopUri, IsUtf8WithEveryByteOutsidePrintableAsciiEncoded) {
    EXPECT_EQ(linux_platform::desktopUri(GetParam().address), GetParam().uri);
}

INSTANTIATE_TEST_SUITE_P(
    Addresses, DesktopUri,
    ::testing::Values(
        UriCase{"http://example.com/a?b=c&d=%41#e", "http://example.com/a?b=c&d=%41#e"},
        UriCase{"http://example.com/" + gbk("影视大全"),
                "http://example.com/%E5%BD%B1%E8%A7%86%E5%A4%A7%E5%85%A8"},
        UriCase{"http://example.com/a b\tc\x7F", "http://example.com/a%20b%09c%7F"},
        // 0x80 is the euro sign in the GBK code page; 0xFF starts no character.
        UriCase{"http://example.com/\x80\xFF", "http://example.com/%E2%82%AC%EF%BF%BD"},
        UriCase{"", ""}));

TEST(OpenAddress, MissingHandlerFailsSilentlyAndTheNextOpenWorks) {
    test::TempProgramDir bin;
    NoDisplay display;
    LinuxPlatform platform(display);

    // No xdg-open: the attempt leaves no child behind.
    {
        const ScopedEnv noPath("PATH", bin.path().string());
        platform.openAddress("http://127.0.0.1/first");
        EXPECT_EQ(zombieChildrenAfterAWhile(), 0);
    }

    // Once a handler is there, the next address reaches it.
    writeExecutable(bin.path() / "xdg-open", kRecorder);
    const char* path = std::getenv("PATH");
    const ScopedEnv onPath("PATH", bin.path().string() + ":" + (path ? path : "/usr/bin:/bin"));
    platform.openAddress("http://127.0.0.1/second");
    const std::optional<std::string> recorded = awaitFile(bin.path() / "argv");
    ASSERT_TRUE(recorded);
    EXPECT_EQ(*recorded, "1\nhttp://127.0.0.1/second\n");
}

TEST(StartProgram, StartsWithoutArgumentsAndLeavesNoZombie) {
    test::TempProgramDir dir;
    writeExecutable(dir.path() / "Update", kRecorder);
    NoDisplay display;
    LinuxPlatform platform(display);

    platform.startProgram(dir.path() / "Update");
    const std::optional<std::string> recorded = awaitFile(dir.path() / "argv");
    ASSERT_TRUE(recorded);
    EXPECT_EQ(*recorded, "0\n");

    // The ended child is reaped: no zombie among our children.
    EXPECT_EQ(zombieChildrenAfterAWhile(), 0);
}

TEST(StartProgram, MissingProgramFailsSilentlyAndTheNextStartWorks) {
    test::TempProgramDir dir;
    NoDisplay display;
    LinuxPlatform platform(display);

    platform.startProgram(dir.path() / "Update");
    EXPECT_EQ(zombieChildrenAfterAWhile(), 0);

    writeExecutable(dir.path() / "Update", kRecorder);
    platform.startProgram(dir.path() / "Update");
    const std::optional<std::string> recorded = awaitFile(dir.path() / "argv");
    ASSERT_TRUE(recorded);
    EXPECT_EQ(*recorded, "0\n");
}

// Descriptors held without close-on-exec, as the browser engine's resource
// files, sockets and pipes are, for as long as the object lives.
class InheritableDescriptors {
public:
    InheritableDescriptors() {
        int pipeEnds[2] = {-1, -1};
        if (::pipe(pipeEnds) == 0) {
            fds_.insert(fds_.end(), {pipeEnds[0], pipeEnds[1]});
        }
        fds_.push_back(::open("/dev/null", O_RDONLY));
        fds_.push_back(::socket(AF_UNIX, SOCK_STREAM, 0));
    }
    ~InheritableDescriptors() {
        for (const int fd : fds_) {
            ::close(fd);
        }
    }
    InheritableDescriptors(const InheritableDescriptors&) = delete;
    InheritableDescriptors& operator=(const InheritableDescriptors&) = delete;
    const std::vector<int>& fds() const { return fds_; }

private:
    std::vector<int> fds_;
};

// The descriptor numbers in a report of quillo-descriptor-lister.
std::set<int> reportedDescriptors(const std::string& report) {
    std::set<int> fds;
    std::istringstream lines(report);
    std::string line;
    while (std::getline(lines, line)) {
        fds.insert(std::stoi(line));
    }
    return fds;
}

TEST(StartedPrograms, GetOnlyStandardInputOutputAndError) {
    test::TempProgramDir bin;
    fs::copy_file(QUILLO_DESCRIPTOR_LISTER, bin.path() / "xdg-open");
    fs::copy_file(QUILLO_DESCRIPTOR_LISTER, bin.path() / "Update");
    const char* path = std::getenv("PATH");
    const ScopedEnv onPath("PATH", bin.path().string() + ":" + (path ? path : "/usr/bin:/bin"));
    const InheritableDescriptors held;
    for (const int fd : held.fds()) {
        ASSERT_GE(fd, 0);
        ASSERT_EQ(::fcntl(fd, F_GETFD) & FD_CLOEXEC, 0);
    }
    NoDisplay display;
    LinuxPlatform platform(display);

    // The address opener, and the updater or the program itself (both are
    // started the same way).
    const std::vector<std::pair<std::string, std::function<void()>>> starts = {
        {"address opener", [&] { platform.openAddress("http://127.0.0.1/"); }},
        {"program", [&] { platform.startProgram(bin.path() / "Update"); }},
    };
    for (const auto& [name, start] : starts) {
        const fs::path report = bin.path() / ("report-" + name);
        const ScopedEnv reportTo("QUILLO_DESCRIPTOR_REPORT", report.string());
        start();
        const std::optional<std::string> recorded = awaitFile(report);
        ASSERT_TRUE(recorded) << name;
        EXPECT_EQ(reportedDescriptors(*recorded), (std::set<int>{0, 1, 2})) << name << ":\n"
                                                                            << *recorded;
    }
}

TEST(EndProcess, FlushesStreamsAndEndsWithTheCode) {
    test::TempProgramDir dir;
    const fs::path file = dir.path() / "buffered";
    EXPECT_EXIT(
        {
            NoDisplay display;
            LinuxPlatform platform(display);
            std::FILE* out = std::fopen(file.c_str(), "w");
            std::setvbuf(out, nullptr, _IOFBF, 4096);
            std::fputs("pending", out);
            platform.endProcess(7);
        },
        ::testing::ExitedWithCode(7), "");
    EXPECT_EQ(readFile(file), "pending");
}

// ------------------------------------------------------------ program files

TEST(ProgramLocation, IsTheRunningExecutable) {
    NoDisplay display;
    LinuxPlatform platform(display);
    const fs::path self = fs::read_symlink("/proc/self/exe");
    EXPECT_EQ(platform.programFile(), self);
    EXPECT_EQ(platform.programDirectory(), self.parent_path());
    EXPECT_EQ(platform.updaterFile(), self.parent_path() / "Update");
}

// ------------------------------------------------------------- screen saver

TEST(ScreenSaver, WithoutASessionBusNothingHappens) {
    const ScopedEnv bus("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/quillo-bus");
    linux_platform::ScreenSaverInhibitor inhibitor;
    inhibitor.setActive(false);
    EXPECT_FALSE(inhibitor.inhibited());
    inhibitor.setActive(true);
    EXPECT_FALSE(inhibitor.inhibited());
}

}  // namespace
}  // namespace quillo
