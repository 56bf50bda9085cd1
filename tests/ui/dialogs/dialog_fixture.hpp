#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "app_harness.hpp"
#include "ui/definitions/about_window.hpp"
#include "ui/definitions/main_window.hpp"
#include "ui/definitions/settings_window.hpp"
#include "ui/definitions/window_names.hpp"

namespace quillo::test {

// The program started in server-name mode with display name "影音", then
// the requests forgotten; the dialogs are opened as the options menu does.
class DialogTest : public ::testing::Test {
protected:
    void startProgram(std::string_view language = "1") {
        h.setConfig("Language", language);
        h.page("ads/ksqd.html", "关");
        h.page("ads/namejt.html", "影音");
        h.start();
        h.clearRequests();
        h.platform().journal().clear();
    }

    ui::Window& openSettings() { return h.windows().load(ui::settings_window::kWindow, true); }
    ui::Window& openAbout() { return h.windows().load(ui::about_window::kWindow, true); }

    ui::Window& settings() { return *h.windows().find(ui::settings_window::kWindow); }
    ui::Window& about() { return *h.windows().find(ui::about_window::kWindow); }

    void clickSettings(std::string_view control) { h.click(ui::settings_window::kWindow, control); }
    void clickAbout(std::string_view control) { h.click(ui::about_window::kWindow, control); }

    bool checked(std::string_view box) { return settings().control(box).checked(); }

    std::filesystem::path skin(std::string_view file) const {
        return h.programDirectory() / "Skins" / "Default" / file;
    }

    AppHarness h;
};

}  // namespace quillo::test
