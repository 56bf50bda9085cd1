#pragma once

#include <filesystem>

#include "platform/display_services.hpp"
#include "platform/linux/heap_trimmer.hpp"
#include "platform/linux/screen_saver_inhibitor.hpp"
#include "platform/platform.hpp"

namespace quillo {

// The operating-system services on Linux desktops. The message box and the
// screen size need the window toolkit and are forwarded to it.
class LinuxPlatform final : public Platform {
public:
    explicit LinuxPlatform(DisplayServices& display);

    // An interface other than the loopback that is up and running with an
    // address, or a default route. Never contacts the content server.
    bool networkConnected() override;
    // xdg-open with the address as its one argument, as a URI: UTF-8 with
    // every byte outside printable ASCII percent-encoded (desktopUri).
    void openAddress(const Text& address) override;
    void startProgram(const std::filesystem::path& program) override;
    // With this process's own arguments; the successor waits on a pipe
    // that the kernel closes when this process ends.
    bool startSuccessor(const std::filesystem::path& program) override;
    // Flushes the standard streams and ends with _exit: static destructors
    // and atexit handlers must not run while the browser engine's threads
    // and child processes are still alive.
    [[noreturn]] void endProcess(int exitCode) override;
    void messageBox(const Text& text, const Text& title, MessageIcon icon) override;
    // An XDG autostart entry; the command line is the program to start.
    void registerAutoStart(const Text& entryName, const Text& commandLine) override;
    void unregisterAutoStart(const Text& entryName) override;
    // org.freedesktop.ScreenSaver Inhibit / UnInhibit on the session bus.
    void setScreenSaverActive(bool active) override;
    // Returns free heap memory to the system (malloc_trim) when the heap
    // has gained free memory since the last time.
    void trimWorkingSet() override;
    ScreenSize screenSize() override;
    ScreenArea availableArea() override;
    std::filesystem::path programDirectory() override;
    std::filesystem::path programFile() override;
    // "Update" beside the executable.
    std::filesystem::path updaterFile() override;

private:
    DisplayServices& display_;
    std::filesystem::path programFile_;
    linux_platform::ScreenSaverInhibitor screenSaver_;
    linux_platform::HeapTrimmer heap_;
};

}  // namespace quillo
