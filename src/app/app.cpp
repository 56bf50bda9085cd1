#include "app/app.hpp"

namespace quillo {

App::App(ConfigStore& config, ContentClient& content, Platform& platform, ui::WindowModel& windows)
    : config_(config),
      content_(content),
      platform_(platform),
      windows_(windows),
      programDirectory_(platform.programDirectory()) {}

void App::start() { windows_.load(ui::WindowModel::kMainWindow); }

std::filesystem::path App::skinFile(std::string_view file) const {
    return programDirectory_ / "Skins" / "Default" / file;
}

}  // namespace quillo
