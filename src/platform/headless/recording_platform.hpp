#pragma once

#include <filesystem>
#include <map>
#include <optional>
#include <vector>

#include "core/text.hpp"
#include "platform/headless/journal.hpp"
#include "platform/platform.hpp"

namespace quillo {

// The platform of the tests: answers from settable values and records every
// request. Requests also go to the journal (its own, or one shared with a
// HeadlessBackend) as "open <address>", "start <program>", "successor <program>"
// (with " failed" when it could not start), "exit <code>",
// "message <text>", "autostart on|off <entry>", "screensaver on|off" and
// "trim" (working-set trims, which the memory timer asks for five times a
// second). Texts in the journal are decoded to UTF-8.
class RecordingPlatform final : public Platform {
public:
    explicit RecordingPlatform(std::filesystem::path programDirectory, Journal* journal = nullptr);
    RecordingPlatform(const RecordingPlatform&) = delete;
    RecordingPlatform& operator=(const RecordingPlatform&) = delete;

    // Platform
    bool networkConnected() override { return network_; }
    void openAddress(const Text& address) override;
    void startProgram(const std::filesystem::path& program) override;
    bool startSuccessor(const std::filesystem::path& program) override;
    void endProcess(int exitCode) override;
    void messageBox(const Text& text, const Text& title, MessageIcon icon) override;
    void registerAutoStart(const Text& entryName, const Text& commandLine) override;
    void unregisterAutoStart(const Text& entryName) override;
    void setScreenSaverActive(bool active) override;
    void trimWorkingSet() override;
    ScreenSize screenSize() override { return screen_; }
    ScreenArea availableArea() override {
        return available_.value_or(ScreenArea{0, 0, screen_.width, screen_.height});
    }
    std::filesystem::path programDirectory() override { return directory_; }
    std::filesystem::path programFile() override { return directory_ / "quillo"; }
    std::filesystem::path updaterFile() override { return directory_ / "Update"; }

    // Answers. The network is connected and the screen 1366 x 768 unless
    // set; the available area is the whole screen unless set (a desktop
    // with panels).
    void setNetworkConnected(bool connected) { network_ = connected; }
    void setScreenSize(ScreenSize size) { screen_ = size; }
    // Whether a successor can be started (true unless set).
    void setSuccessorStarts(bool starts) { successorStarts_ = starts; }
    void setAvailableArea(ScreenArea area) { available_ = area; }

    // Requests.
    Journal& journal() { return *journal_; }
    const Journal& journal() const { return *journal_; }
    const std::vector<Text>& openedAddresses() const { return openedAddresses_; }
    const std::vector<std::filesystem::path>& startedPrograms() const { return startedPrograms_; }
    // Every request to start a successor, answered or not.
    const std::vector<std::filesystem::path>& successorRequests() const {
        return successorRequests_;
    }
    // The code of the first request to end the process; none when none came.
    std::optional<int> exitCode() const;
    const std::vector<int>& exitRequests() const { return exitRequests_; }

    struct MessageBoxCall {
        Text text;
        Text title;
        MessageIcon icon;
    };
    const std::vector<MessageBoxCall>& messageBoxes() const { return messageBoxes_; }

    struct AutoStartCall {
        bool registered;  // false: unregistered
        Text entryName;
        Text commandLine;  // empty for unregistration
    };
    const std::vector<AutoStartCall>& autoStartCalls() const { return autoStartCalls_; }
    // Entries registered now, by name.
    const std::map<Text, Text>& autoStartEntries() const { return autoStartEntries_; }

    const std::vector<bool>& screenSaverCalls() const { return screenSaverCalls_; }
    int workingSetTrims() const { return trims_; }

private:
    Journal ownJournal_;
    Journal* journal_;
    std::filesystem::path directory_;
    bool network_ = true;
    ScreenSize screen_{1366, 768};
    bool successorStarts_ = true;
    std::optional<ScreenArea> available_;

    std::vector<Text> openedAddresses_;
    std::vector<std::filesystem::path> startedPrograms_;
    std::vector<std::filesystem::path> successorRequests_;
    std::vector<int> exitRequests_;
    std::vector<MessageBoxCall> messageBoxes_;
    std::vector<AutoStartCall> autoStartCalls_;
    std::map<Text, Text> autoStartEntries_;
    std::vector<bool> screenSaverCalls_;
    int trims_ = 0;
};

}  // namespace quillo
