#pragma once

#include <filesystem>
#include <string_view>

#include "config/ini_file.hpp"
#include "core/log.hpp"
#include "core/text.hpp"

namespace quillo {

// The program's settings and window-state flags: section "Config" of
// Config.ini in the program directory. Every read goes to the file and every
// write reaches it before the call returns.
class ConfigStore {
public:
    explicit ConfigStore(const std::filesystem::path& programDirectory);

    // A missing file or key reads as the empty text; callers pass no default.
    Text readConfig(std::string_view key) const;

    // A failed write (read-only directory) is not reported; the next read
    // returns the old value.
    void writeConfig(std::string_view key, std::string_view value) const;

    // Clears away what writes interrupted by a crash left beside Config.ini
    // (see IniFile::removeStaleTemporaries). Run once at start-up.
    void removeStaleTemporaries() const { file_.removeStaleTemporaries(); }

    const std::filesystem::path& path() const { return file_.path(); }

    // A write that fails is reported here (category "quillo.config"): the
    // first as a warning, later ones at debug level.
    void setLogSink(LogSink sink) { log_ = std::move(sink); }

private:
    IniFile file_;
    LogSink log_;
    mutable bool writeFailed_ = false;
};

}  // namespace quillo
