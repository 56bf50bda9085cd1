#pragma once

#include <filesystem>

namespace quillo {

// Makes sure directory/Config.ini exists before the start-up reads it. A
// missing file is created as a copy of `shippedDefaults` (the Config.ini
// delivered with the program) when that file can be read, else with
// Settings::builtInFile(). An existing file is never rewritten, and a file that
// appears meanwhile (another start) wins. Returns true when a file was
// created.
bool ensureConfigFile(const std::filesystem::path& directory,
                      const std::filesystem::path& shippedDefaults);

}  // namespace quillo
