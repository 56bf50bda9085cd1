#pragma once

#include <filesystem>

#include "core/text.hpp"

namespace quillo {

enum class MessageIcon { Warning, Information };

struct ScreenSize {
    int width = 0;
    int height = 0;
};

// A rectangle of the screen, in pixels from its top-left corner.
struct ScreenArea {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    int right() const { return left + width; }
    int bottom() const { return top + height; }
};

// The operating-system services the behaviours need. The desktop program
// uses the Linux implementation; behaviour tests use a recording one.
class Platform {
public:
    virtual ~Platform() = default;

    // Whether the computer has a network connection. Never contacts the
    // content server.
    virtual bool networkConnected() = 0;

    // Hands an address to the desktop's default handler. The caller decides
    // which addresses may be opened; the result is ignored.
    virtual void openAddress(const Text& address) = 0;

    // Starts a program detached, with no arguments, without waiting. A
    // program that cannot be started fails silently.
    virtual void startProgram(const std::filesystem::path& program) = 0;

    // Starts the program file again as the successor of this process, for a
    // restart: it waits until this process has ended before it does
    // anything. Returns whether it was started; only then must the caller
    // end this process (cleanly, by destroying the main window).
    virtual bool startSuccessor(const std::filesystem::path& program) = 0;

    // Ends the own process at once with the exit code, without running any
    // further handler. Test implementations record the request and return.
    virtual void endProcess(int exitCode) = 0;

    // A blocking message box.
    virtual void messageBox(const Text& text, const Text& title, MessageIcon icon) = 0;

    // Registration to run at log-on, by entry name and command line.
    virtual void registerAutoStart(const Text& entryName, const Text& commandLine) = 0;
    virtual void unregisterAutoStart(const Text& entryName) = 0;

    // Switches the desktop's screen saver on (true) or off (false) for this
    // session; silently nothing where the desktop offers no control.
    virtual void setScreenSaverActive(bool active) = 0;

    // Asks the system to trim the process's memory.
    virtual void trimWorkingSet() = 0;

    virtual ScreenSize screenSize() = 0;

    // The part of the screen that windows may cover: the screen less the
    // desktop's panels and task bars.
    virtual ScreenArea availableArea() = 0;

    // The directory of the running executable and the executable itself.
    virtual std::filesystem::path programDirectory() = 0;
    virtual std::filesystem::path programFile() = 0;

    // The separate updater program beside the executable.
    virtual std::filesystem::path updaterFile() = 0;
};

}  // namespace quillo
