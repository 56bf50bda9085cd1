#include "support/app_harness.hpp"

#include <algorithm>
#include <utility>

#include "config/config_store.hpp"
#include "content/content_client.hpp"
#include "platform/headless/headless_backend.hpp"
#include "platform/headless/recording_platform.hpp"
#include "support/content_server_fixture.hpp"
#include "support/temp_program_dir.hpp"
#include "ui/definitions/window_definitions.hpp"
#include "ui/model/window_model.hpp"

namespace quillo::test {

// Members in construction order: the model needs the backend, the App
// needs every service.
struct AppHarness::Parts {
    TempProgramDir directory;
    ContentServerFixture server;
    Journal journal;
    HeadlessBackend backend{&journal};
    RecordingPlatform platform{directory.path(), &journal};
    ConfigStore config{directory.path()};
    ui::WindowModel windows{backend, ui::findWindowDefinition};
    ContentClient content;
    App app{config, content, platform, windows};

    struct PendingAction {
        std::string path;
        std::function<void()> action;
    };
    std::vector<PendingAction> pendingActions;

    explicit Parts(ContentClientLimits limits) : content(server.cipherForBase(), limits, &windows) {
        backend.attach(windows);
        backend.whileWaiting([this] { actWhilePending(); });
        app.bindBehaviours();
    }

    void actWhilePending() {
        const std::vector<std::string> asked = server.requestedPaths();
        if (asked.empty()) {
            return;
        }
        auto due =
            std::find_if(pendingActions.begin(), pendingActions.end(),
                         [&asked](const PendingAction& p) { return p.path == asked.back(); });
        if (due == pendingActions.end()) {
            return;
        }
        const std::function<void()> action = std::move(due->action);
        pendingActions.erase(due);
        action();
    }
};

AppHarness::AppHarness() : AppHarness(ContentClientLimits{}) {}
AppHarness::AppHarness(ContentClientLimits limits) : parts_(std::make_unique<Parts>(limits)) {}
AppHarness::~AppHarness() = default;

void AppHarness::page(std::string_view path, std::string_view utf8Body) {
    parts_->server.setPage(path, gbk(utf8Body));
}

ContentServerFixture& AppHarness::server() {
    return parts_->server;
}

void AppHarness::pageBytes(std::string_view path, std::string bytes) {
    parts_->server.setPage(path, std::move(bytes));
}

void AppHarness::slowPage(std::string_view path, std::string_view utf8Body,
                          std::chrono::milliseconds delay) {
    parts_->server.setPage(path, PageReply{.body = gbk(utf8Body), .delay = delay});
}

void AppHarness::pageSequence(std::string_view path, std::vector<std::string> gbkBodies) {
    std::vector<PageReply> replies;
    for (std::string& body : gbkBodies) {
        replies.push_back(PageReply{.body = std::move(body)});
    }
    parts_->server.setPageSequence(path, std::move(replies));
}

std::vector<std::string> AppHarness::requests() const {
    return parts_->server.requestedPaths();
}
void AppHarness::clearRequests() {
    parts_->server.clearRequests();
}

void AppHarness::setConfig(std::string_view key, std::string_view value) {
    parts_->config.writeConfig(key, value);
}
Text AppHarness::config(std::string_view key) const {
    return parts_->config.readConfig(key);
}
std::string AppHarness::configFile() const {
    return parts_->directory.readConfigFile();
}
void AppHarness::removeConfig() {
    std::filesystem::remove(parts_->directory.configPath());
}

void AppHarness::languageTable(std::string_view file, std::string_view utf8Content) {
    parts_->directory.writeLanguageTable(std::string(file), gbk(utf8Content));
}

void AppHarness::start() {
    parts_->app.start();
}

App& AppHarness::app() {
    return parts_->app;
}
ui::WindowModel& AppHarness::windows() {
    return parts_->windows;
}
ui::Window& AppHarness::main() {
    return *parts_->windows.find(ui::kMainWindow);
}
bool AppHarness::isOpen(std::string_view window) const {
    return parts_->windows.isOpen(window);
}
const std::filesystem::path& AppHarness::programDirectory() const {
    return parts_->directory.path();
}
Text AppHarness::baseAddress() const {
    return parts_->server.baseAddress();
}

void AppHarness::click(std::string_view window, std::string_view control) {
    parts_->backend.click(window, control);
}
void AppHarness::leftPress(std::string_view window, std::string_view control) {
    parts_->backend.leftPress(window, control);
}
void AppHarness::rightPress(std::string_view window, std::string_view control) {
    parts_->backend.rightPress(window, control);
}
void AppHarness::statusText(std::string_view window, std::string_view browser, Text text) {
    parts_->backend.statusText(window, browser, std::move(text));
}
void AppHarness::documentComplete(std::string_view window, std::string_view browser) {
    parts_->backend.documentComplete(window, browser);
}
bool AppHarness::beforeNavigate(std::string_view window, std::string_view browser, Text address) {
    return parts_->backend.beforeNavigate(window, browser, std::move(address));
}
bool AppHarness::newWindow(std::string_view window, std::string_view browser, Text address) {
    return parts_->backend.newWindow(window, browser, std::move(address));
}
std::optional<ui::Rect> AppHarness::createdGeometry(std::string_view window) const {
    return parts_->backend.createdGeometry(window);
}
int AppHarness::createdCount(std::string_view window) const {
    return parts_->backend.createdCount(window);
}
void AppHarness::setClientSize(std::string_view window, int width, int height) {
    parts_->backend.setClientSize(window, {width, height});
}
void AppHarness::trayAction(int code) {
    parts_->backend.trayAction(ui::kMainWindow, code);
}
void AppHarness::advance(int milliseconds) {
    parts_->backend.advance(milliseconds);
}

std::int64_t AppHarness::now() const {
    return parts_->backend.now();
}
void AppHarness::clockRunsDuringRequests() {
    parts_->backend.followClockDuringRequests(true);
}

void AppHarness::whileRequestPending(std::string_view path, std::function<void()> action) {
    parts_->pendingActions.push_back({std::string(path), std::move(action)});
}

int AppHarness::abandonedWaits() const {
    return parts_->backend.abandonedWaits();
}

void AppHarness::closeWindow(std::string_view window) {
    const ui::Window* open = parts_->windows.find(window);
    if (open != nullptr && !open->definition().closeControl.empty()) {
        parts_->backend.click(window, open->definition().closeControl);
    }
}

void AppHarness::handOver() {
    ui::EventArgs click;
    click.code = 1;
    parts_->windows.raiseAtOnce(ui::kMainWindow, "", ui::EventKind::TrayAction, click);
}

std::optional<AppHarness::PoppedMenu> AppHarness::lastMenu() const {
    const HeadlessBackend::PoppedMenu* menu = parts_->backend.lastMenu();
    if (menu == nullptr) {
        return std::nullopt;
    }
    return PoppedMenu{menu->window, menu->menu, menu->screenPosition};
}
int AppHarness::menusPopped() const {
    return static_cast<int>(parts_->backend.poppedMenus().size());
}
void AppHarness::choose(std::string_view utf8Caption) {
    parts_->backend.choose(utf8Caption);
}
void AppHarness::setPointer(ui::Point screenPosition) {
    parts_->backend.setPointer(screenPosition);
}

std::vector<Text> AppHarness::navigations(std::string_view window, std::string_view browser) const {
    return parts_->backend.navigations(window, browser);
}

std::vector<std::string> AppHarness::browserCommands(std::string_view window,
                                                     std::string_view browser) const {
    std::vector<std::string> names;
    for (ui::BrowserCommand command : parts_->backend.browserCommands(window, browser)) {
        names.emplace_back(commandName(command));
    }
    return names;
}

std::vector<AppHarness::TrayIcon> AppHarness::trayIcons() const {
    std::vector<TrayIcon> icons;
    for (const HeadlessBackend::TrayIcon& icon : parts_->backend.trayIcons()) {
        icons.push_back({icon.icon, icon.tooltip});
    }
    return icons;
}

bool AppHarness::sentToBottom(std::string_view window, std::string_view control) const {
    return parts_->backend.sentToBottom(window, control);
}

RecordingPlatform& AppHarness::platform() {
    return parts_->platform;
}
void AppHarness::setNetwork(bool connected) {
    parts_->platform.setNetworkConnected(connected);
}
void AppHarness::setScreen(int width, int height) {
    parts_->platform.setScreenSize({width, height});
}
void AppHarness::setAvailableArea(int left, int top, int width, int height) {
    parts_->platform.setAvailableArea({left, top, width, height});
}

std::vector<AppHarness::MessageBox> AppHarness::messageBoxes() const {
    std::vector<MessageBox> boxes;
    for (const RecordingPlatform::MessageBoxCall& call : parts_->platform.messageBoxes()) {
        boxes.push_back({call.text, call.title, call.icon});
    }
    return boxes;
}
std::vector<Text> AppHarness::openedAddresses() const {
    return parts_->platform.openedAddresses();
}
std::vector<std::filesystem::path> AppHarness::startedPrograms() const {
    return parts_->platform.startedPrograms();
}
std::optional<int> AppHarness::exitCode() const {
    return parts_->platform.exitCode();
}
int AppHarness::workingSetTrims() const {
    return parts_->platform.workingSetTrims();
}
std::vector<std::string> AppHarness::journal() const {
    return parts_->journal.entries();
}

bool AppHarness::happenedBefore(std::string_view first, std::string_view second) const {
    const std::vector<std::string>& log = parts_->journal.entries();
    auto startsWith = [](std::string_view prefix) {
        return [prefix](const std::string& entry) { return entry.starts_with(prefix); };
    };
    auto firstAt = std::find_if(log.begin(), log.end(), startsWith(first));
    return firstAt != log.end() &&
           std::find_if(firstAt, log.end(), startsWith(second)) != log.end();
}

}  // namespace quillo::test
