#include "config/config_store.hpp"

#include <string>

namespace quillo {
namespace {

constexpr std::string_view kSection = "Config";
constexpr std::string_view kFileName = "Config.ini";

}  // namespace

ConfigStore::ConfigStore(const std::filesystem::path& programDirectory)
    : file_(programDirectory / kFileName) {}

Text ConfigStore::readConfig(std::string_view key) const {
    return file_.read(kSection, key);
}

void ConfigStore::writeConfig(std::string_view key, std::string_view value) const {
    if (file_.write(kSection, key, value) || !log_) {
        return;
    }
    log_(writeFailed_ ? LogLevel::Debug : LogLevel::Warning, "quillo.config",
         "cannot write " + std::string(key) + " to " + file_.path().string() +
             "; the setting keeps its old value");
    writeFailed_ = true;
}

}  // namespace quillo
