#include "app/app.hpp"
#include "ui/definitions/window_names.hpp"

namespace quillo {

App::App(ConfigStore& config, ContentClient& content, Platform& platform, ui::WindowModel& windows)
    : config_(config),
      content_(content),
      platform_(platform),
      windows_(windows),
      programDirectory_(platform.programDirectory()) {}

void App::start() {
    config_.removeStaleTemporaries();
    windows_.load(ui::kMainWindow);
}

std::filesystem::path App::skinFile(std::string_view file) const {
    return programDirectory_ / "Skins" / "Default" / file;
}

}  // namespace quillo
