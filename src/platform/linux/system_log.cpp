#include "platform/linux/system_log.hpp"

#include <syslog.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace quillo::linux_platform {
namespace {

std::string_view levelName(LogLevel level) {
    switch (level) {
        case LogLevel::Debug:
            return "debug";
        case LogLevel::Info:
            return "info";
        case LogLevel::Warning:
            break;
    }
    return "warning";
}

int syslogPriority(LogLevel level) {
    switch (level) {
        case LogLevel::Debug:
            return LOG_DEBUG;
        case LogLevel::Info:
            return LOG_INFO;
        case LogLevel::Warning:
            break;
    }
    return LOG_WARNING;
}

// Started from a desktop launcher: nobody reads standard error directly.
bool startedFromDesktop() {
    return isatty(STDERR_FILENO) == 0 && std::getenv("JOURNAL_STREAM") == nullptr;
}

}  // namespace

void writeLogLine(LogLevel level, std::string_view category, std::string_view message) {
    const std::string line =
        std::string(category) + ": " + std::string(levelName(level)) + ": " + std::string(message);
    std::fprintf(stderr, "%s\n", line.c_str());
    if (startedFromDesktop()) {
        openlog("quillo", LOG_PID, LOG_USER);
        syslog(syslogPriority(level), "%s", line.c_str());
    }
}

}  // namespace quillo::linux_platform
