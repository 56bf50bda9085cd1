#include "app/app.hpp"

#include <utility>

#include "ui/definitions/window_names.hpp"

namespace quillo {

App::App(ConfigStore& config, ContentClient& content, Platform& platform, ui::WindowModel& windows)
    : config_(config),
      content_(content),
      platform_(platform),
      windows_(windows),
      settings_(config),
      programDirectory_(platform.programDirectory()) {}

void App::start() {
    config_.removeStaleTemporaries();
    windows_.load(ui::kMainWindow);
    // The start-up may have ended the program (no network).
    if (!windows_.isOpen(ui::kMainWindow)) {
        return;
    }
    // As handlers of the main window: they may make requests.
    for (const std::function<void()>& step : startSteps_) {
        windows_.run(ui::kMainWindow, step);
    }
}

void App::addStartStep(std::function<void()> step) {
    startSteps_.push_back(std::move(step));
}

void App::setLogSink(LogSink sink) {
    log_ = std::move(sink);
}

void App::log(LogLevel level, std::string_view category, std::string_view message) const {
    if (log_) {
        log_(level, category, message);
    }
}

std::filesystem::path App::skinFile(std::string_view file) const {
    return programDirectory_ / "Skins" / "Default" / file;
}

}  // namespace quillo
