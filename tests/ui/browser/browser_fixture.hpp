#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "app_harness.hpp"
#include "core/text.hpp"
#include "ui/definitions/app_window.hpp"
#include "ui/definitions/column_window.hpp"
#include "ui/definitions/main_window.hpp"
#include "ui/definitions/player_window.hpp"

namespace quillo::test {

namespace main_names = ui::main_window;
namespace player_names = ui::player_window;
namespace column_names = ui::column_window;
namespace app_names = ui::app_window;

// A started program in local-name mode ("影视", column texts from the
// Simplified Chinese table) with the main window at 100, 80 on a
// 1366 x 768 screen, and the pages the browser windows fetch.
class BrowserWindowsTest : public ::testing::Test {
protected:
    void SetUp() override {
        h.setConfig("Language", "1");
        h.languageTable("Chinese Simplified.db",
                        "[Config]\r\nName=影视\r\nColumn 1=片库\r\nColumn 2=电视直播\r\n"
                        "Column 3=应用中心\r\nColumn 4=玩玩游戏\r\nColumn 5=官方推荐\r\n");
        h.page("ads/ksqd.html", "开");
        h.page("ads/zdylm1dz.html", "http://games.example/");
        h.page("ads/zdylm2dz.html", "http://picks.example/");
        h.setScreen(1366, 768);
        h.start();
        h.main().move(100, 80, 984, 624);
    }

    Text base(std::string_view path) const { return h.baseAddress() + std::string(path); }
    ui::Window& window(std::string_view name) { return *h.windows().find(name); }
    ui::Control& control(std::string_view window, std::string_view name) {
        return this->window(window).control(name);
    }

    // The site asks for a new window while the pointer rests on `link`.
    bool followLink(std::string_view link, std::string_view requested = {}) {
        h.statusText(main_names::kWindow, main_names::kSiteBrowser, Text(link));
        return h.newWindow(main_names::kWindow, main_names::kSiteBrowser, Text(requested));
    }
    void clickColumn(std::string_view label) { h.leftPress(main_names::kWindow, label); }
    // The application centre's link under the pointer asks for a new window.
    bool followAppLink(std::string_view link, std::string_view requested = {}) {
        h.statusText(column_names::kWindow, column_names::kAppBrowser, Text(link));
        return h.newWindow(column_names::kWindow, column_names::kAppBrowser, Text(requested));
    }
    int requestsOf(std::string_view path) {
        int n = 0;
        for (const std::string& request : h.requests()) {
            n += request == path ? 1 : 0;
        }
        return n;
    }

    AppHarness h;
};

}  // namespace quillo::test
