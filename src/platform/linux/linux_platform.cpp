#include "platform/linux/linux_platform.hpp"

#include <unistd.h>

#include <cstdio>
#include <iostream>

#include "platform/linux/autostart_entry.hpp"
#include "platform/linux/desktop_uri.hpp"
#include "platform/linux/detached_process.hpp"
#include "platform/linux/network_state.hpp"
#include "platform/linux/program_location.hpp"
#include "platform/linux/successor_process.hpp"

namespace quillo {

LinuxPlatform::LinuxPlatform(DisplayServices& display)
    : display_(display), programFile_(linux_platform::executableFile()) {}

bool LinuxPlatform::networkConnected() {
    return linux_platform::networkConnected();
}

void LinuxPlatform::openAddress(const Text& address) {
    linux_platform::startDetached("xdg-open", {linux_platform::desktopUri(address)},
                                  linux_platform::ProgramLookup::Path);
}

void LinuxPlatform::startProgram(const std::filesystem::path& program) {
    linux_platform::startDetached(program.string(), {}, linux_platform::ProgramLookup::ExactFile);
}

bool LinuxPlatform::startSuccessor(const std::filesystem::path& program) {
    return linux_platform::startSuccessor(program.string(), linux_platform::ownArguments());
}

void LinuxPlatform::endProcess(int exitCode) {
    std::cout.flush();
    std::cerr.flush();
    std::fflush(nullptr);
    _exit(exitCode);
}

void LinuxPlatform::messageBox(const Text& text, const Text& title, MessageIcon icon) {
    display_.messageBox(text, title, icon);
}

void LinuxPlatform::registerAutoStart(const Text& entryName, const Text& commandLine) {
    linux_platform::writeAutostartEntry(linux_platform::autostartDirectory(), entryName,
                                        commandLine);
}

void LinuxPlatform::unregisterAutoStart(const Text& entryName) {
    linux_platform::removeAutostartEntry(linux_platform::autostartDirectory(), entryName);
}

void LinuxPlatform::setScreenSaverActive(bool active) {
    screenSaver_.setActive(active);
}

void LinuxPlatform::trimWorkingSet() {
    heap_.request();
}

ScreenSize LinuxPlatform::screenSize() {
    return display_.screenSize();
}

ScreenArea LinuxPlatform::availableArea() {
    return display_.availableArea();
}

std::filesystem::path LinuxPlatform::programDirectory() {
    return programFile_.parent_path();
}

std::filesystem::path LinuxPlatform::programFile() {
    return programFile_;
}

std::filesystem::path LinuxPlatform::updaterFile() {
    return programDirectory() / "Update";
}

}  // namespace quillo
