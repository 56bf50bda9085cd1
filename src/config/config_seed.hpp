#pragma once

#include <filesystem>
#include <string_view>

namespace quillo {

// The settings a new Config.ini starts with when the program ships none:
// Simplified Chinese, close to the tray.
inline constexpr std::string_view kBuiltInConfig = "[Config]\r\nLanguage=1\r\nTray=1\r\n";

// Makes sure directory/Config.ini exists before the start-up reads it. A
// missing file is created as a copy of `shippedDefaults` (the Config.ini
// delivered with the program) when that file can be read, else with
// kBuiltInConfig. An existing file is never rewritten, and a file that
// appears meanwhile (another start) wins. Returns true when a file was
// created.
bool ensureConfigFile(const std::filesystem::path& directory,
                      const std::filesystem::path& shippedDefaults);

}  // namespace quillo
