#pragma once

#include <functional>
#include <string_view>

namespace quillo {

enum class LogLevel { Debug, Info, Warning };

// Where a service reports what a user or operator may need to know (a page
// that failed and why, a settings file that cannot be written). The desktop
// program hands every service one sink; a service without one stays silent.
// Categories are dotted names such as "quillo.content".
using LogSink =
    std::function<void(LogLevel level, std::string_view category, std::string_view message)>;

}  // namespace quillo
