#pragma once

#include <string_view>

#include "core/log.hpp"

namespace quillo::linux_platform {

// Writes "category: level: message" to standard error. When the program was
// started from the desktop (standard error is no terminal and not already
// the journal's stream) the line also goes to the system log, which the
// journal collects.
void writeLogLine(LogLevel level, std::string_view category, std::string_view message);

}  // namespace quillo::linux_platform
