#pragma once

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/app.hpp"
#include "content/content_client.hpp"
#include "core/text.hpp"
#include "platform/headless/recording_platform.hpp"
#include "support/content_server_fixture.hpp"
#include "ui/model/window.hpp"

namespace quillo::test {

// A whole program for behaviour tests: a temporary program directory with
// the real Config.ini store, the real content client against an in-process
// content server, the headless backend with its virtual clock and a
// recording platform, all bound into one App with every behaviour.
class AppHarness {
public:
    AppHarness();
    // With the content client's limits (time-outs, size cap) set.
    explicit AppHarness(ContentClientLimits limits);
    ~AppHarness();
    AppHarness(const AppHarness&) = delete;
    AppHarness& operator=(const AppHarness&) = delete;

    // The in-process content server, for replies beyond plain pages.
    ContentServerFixture& server();
    // Server pages. Bodies are UTF-8 in the test and served as GBK bytes.
    void page(std::string_view path, std::string_view utf8Body);
    void pageBytes(std::string_view path, std::string bytes);
    // A page answered only after `delay` (a silent server: a long delay).
    void slowPage(std::string_view path, std::string_view utf8Body,
                  std::chrono::milliseconds delay);
    // Successive answers of one page; the last one repeats.
    void pageSequence(std::string_view path, std::vector<std::string> gbkBodies);
    // The paths requested so far, in order.
    std::vector<std::string> requests() const;
    void clearRequests();

    // Config.ini of the program directory (GBK values).
    void setConfig(std::string_view key, std::string_view value);
    Text config(std::string_view key) const;
    std::string configFile() const;
    void removeConfig();
    // Language/<file> with the given raw content.
    void languageTable(std::string_view file, std::string_view utf8Content);

    // Loads MainWindow; its created event runs the start-up.
    void start();

    App& app();
    ui::WindowModel& windows();
    ui::Window& main();
    bool isOpen(std::string_view window) const;
    const std::filesystem::path& programDirectory() const;
    Text baseAddress() const;

    // Raising events as the backend would.
    void click(std::string_view window, std::string_view control);
    void leftPress(std::string_view window, std::string_view control);
    void rightPress(std::string_view window, std::string_view control);
    void statusText(std::string_view window, std::string_view browser, Text text);
    void documentComplete(std::string_view window, std::string_view browser);
    // The page asks for a new window on `address`; returns the cancel flag.
    bool newWindow(std::string_view window, std::string_view browser, Text address = {});
    // The page follows a link to `address`; returns the cancel flag.
    bool beforeNavigate(std::string_view window, std::string_view browser, Text address);
    // How often the window was created (its created event ran).
    int createdCount(std::string_view window) const;
    std::optional<ui::Rect> createdGeometry(std::string_view window) const;
    // The client area the backend reports for the window from now on.
    void setClientSize(std::string_view window, int width, int height);
    void trayAction(int code);
    void advance(int milliseconds);
    // The virtual clock, in milliseconds from the harness's construction.
    std::int64_t now() const;
    // From now on the virtual clock also runs, in real time, while a request
    // waits for the server.
    void clockRunsDuringRequests();
    // Runs `action` once, while the next request for `path` is pending: the
    // server has had it, its answer has not reached the handler yet. What
    // the action raises meets the program as input in a real wait would.
    void whileRequestPending(std::string_view path, std::function<void()> action);
    // How many waits were abandoned (their window closed, the program ended).
    int abandonedWaits() const;
    // The window manager's close (Alt+F4): a click on the window's close control.
    void closeWindow(std::string_view window);
    // A second start of the program hands over to this one.
    void handOver();

    // Menus: the last one popped (empty when none), and choosing in it by
    // its UTF-8 caption.
    struct PoppedMenu {
        std::string window;
        std::string menu;
        std::optional<ui::Point> screenPosition;
    };
    std::optional<PoppedMenu> lastMenu() const;
    int menusPopped() const;
    void choose(std::string_view utf8Caption);
    void setPointer(ui::Point screenPosition);

    // What the backend was asked to do.
    std::vector<Text> navigations(std::string_view window, std::string_view browser) const;
    std::vector<std::string> browserCommands(std::string_view window,
                                             std::string_view browser) const;
    struct TrayIcon {
        std::filesystem::path icon;
        Text tooltip;
    };
    std::vector<TrayIcon> trayIcons() const;
    bool sentToBottom(std::string_view window, std::string_view control) const;

    // What the platform was asked to do.
    RecordingPlatform& platform();
    void setNetwork(bool connected);
    void setScreen(int width, int height);
    // The screen less the desktop's panels; the whole screen unless set.
    void setAvailableArea(int left, int top, int width, int height);
    struct MessageBox {
        Text text;
        Text title;
        MessageIcon icon;
    };
    std::vector<MessageBox> messageBoxes() const;
    std::vector<Text> openedAddresses() const;
    std::vector<std::filesystem::path> startedPrograms() const;
    std::optional<int> exitCode() const;
    int workingSetTrims() const;
    // One ordered log of backend and platform actions.
    std::vector<std::string> journal() const;
    // Whether an entry starting with `first` is in the journal and one
    // starting with `second` comes after it.
    bool happenedBefore(std::string_view first, std::string_view second) const;

private:
    struct Parts;
    std::unique_ptr<Parts> parts_;
};

}  // namespace quillo::test
