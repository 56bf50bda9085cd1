#include "config/config_seed.hpp"

#include <random>
#include <string>
#include <system_error>

#include "config/file_replace.hpp"
#include "config/settings.hpp"

namespace quillo {

bool ensureConfigFile(const std::filesystem::path& directory,
                      const std::filesystem::path& shippedDefaults) {
    const std::filesystem::path file = directory / "Config.ini";
    std::error_code error;
    if (std::filesystem::exists(std::filesystem::symlink_status(file, error))) {
        return false;
    }
    std::string bytes = Settings::builtInFile();
    if (shippedDefaults != file) {
        if (FileBytes shipped = readFileBytes(shippedDefaults);
            shipped.state == FileBytes::State::Read) {
            bytes = std::move(shipped.bytes);
        }
    }
    // Written under a name of its own and linked into place: the link fails
    // when Config.ini appeared meanwhile, which then stays as it is.
    const std::filesystem::path draft =
        directory / (".Config.ini." + std::to_string(std::random_device{}()));
    if (!replaceFileAtomically(draft, bytes)) {
        return false;
    }
    std::filesystem::create_hard_link(draft, file, error);
    const bool created = !error;
    std::filesystem::remove(draft, error);
    return created;
}

}  // namespace quillo
