#pragma once

#include <string_view>

#include "core/log.hpp"

namespace quillo::qt {

// Writes one finished log line somewhere (standard error, the journal).
using LogWriter = void (*)(LogLevel level, std::string_view category, std::string_view message);

// Routes every Qt message, the program's own and the toolkit's, to writer.
// Quiet by default: debug and info messages of every category are off
// unless QT_LOGGING_RULES turns them on (e.g. "quillo.*=true").
// Call before the QApplication is made.
void installLogOutput(LogWriter writer);

// A sink for the services that reports through Qt's logging categories, so
// QT_LOGGING_RULES filters their messages like any other.
LogSink logSink();

}  // namespace quillo::qt
