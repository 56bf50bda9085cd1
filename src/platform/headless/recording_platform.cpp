#include "platform/headless/recording_platform.hpp"

#include <string>
#include <utility>

namespace quillo {

RecordingPlatform::RecordingPlatform(std::filesystem::path programDirectory, Journal* journal)
    : journal_(journal != nullptr ? journal : &ownJournal_),
      directory_(std::move(programDirectory)) {}

void RecordingPlatform::openAddress(const Text& address) {
    openedAddresses_.push_back(address);
    journal_->add("open " + utf8FromGbk(address));
}

void RecordingPlatform::startProgram(const std::filesystem::path& program) {
    startedPrograms_.push_back(program);
    journal_->add("start " + program.string());
}

bool RecordingPlatform::startSuccessor(const std::filesystem::path& program) {
    successorRequests_.push_back(program);
    journal_->add("successor " + program.string() + (successorStarts_ ? "" : " failed"));
    return successorStarts_;
}

void RecordingPlatform::endProcess(int exitCode) {
    exitRequests_.push_back(exitCode);
    journal_->add("exit " + std::to_string(exitCode));
}

void RecordingPlatform::trimWorkingSet() {
    ++trims_;
    journal_->add("trim");
}

std::optional<int> RecordingPlatform::exitCode() const {
    if (exitRequests_.empty()) {
        return std::nullopt;
    }
    return exitRequests_.front();
}

void RecordingPlatform::messageBox(const Text& text, const Text& title, MessageIcon icon) {
    messageBoxes_.push_back({text, title, icon});
    journal_->add("message " + utf8FromGbk(text));
}

void RecordingPlatform::registerAutoStart(const Text& entryName, const Text& commandLine) {
    autoStartCalls_.push_back({true, entryName, commandLine});
    autoStartEntries_.insert_or_assign(entryName, commandLine);
    journal_->add("autostart on " + utf8FromGbk(entryName));
}

void RecordingPlatform::unregisterAutoStart(const Text& entryName) {
    autoStartCalls_.push_back({false, entryName, Text{}});
    autoStartEntries_.erase(entryName);
    journal_->add("autostart off " + utf8FromGbk(entryName));
}

void RecordingPlatform::setScreenSaverActive(bool active) {
    screenSaverCalls_.push_back(active);
    journal_->add(active ? "screensaver on" : "screensaver off");
}

}  // namespace quillo
