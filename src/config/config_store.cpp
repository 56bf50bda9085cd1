#include "config/config_store.hpp"

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
    file_.write(kSection, key, value);
}

}  // namespace quillo
