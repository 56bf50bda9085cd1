#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillo {

// One ordered log of what the headless backend and the recording platform
// were asked to do, so that a test can check the order of actions across
// both (for example a window destroyed before a message box). Entries are
// short UTF-8 lines such as "destroyed MainWindow" or "message <text>".
class Journal {
public:
    void add(std::string entry);
    const std::vector<std::string>& entries() const { return entries_; }
    void clear() { entries_.clear(); }

    // Index of the first entry equal to `entry` at or after `from`.
    std::optional<std::size_t> find(std::string_view entry, std::size_t from = 0) const;
    bool contains(std::string_view entry) const { return find(entry).has_value(); }
    // Whether `first` occurs and `second` occurs after it.
    bool ordered(std::string_view first, std::string_view second) const;

private:
    std::vector<std::string> entries_;
};

}  // namespace quillo
