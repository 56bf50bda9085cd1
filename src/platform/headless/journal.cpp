#include "platform/headless/journal.hpp"

#include <utility>

namespace quillo {

void Journal::add(std::string entry) {
    entries_.push_back(std::move(entry));
}

std::optional<std::size_t> Journal::find(std::string_view entry, std::size_t from) const {
    for (std::size_t i = from; i < entries_.size(); ++i) {
        if (entries_[i] == entry) {
            return i;
        }
    }
    return std::nullopt;
}

bool Journal::ordered(std::string_view first, std::string_view second) const {
    std::optional<std::size_t> at = find(first);
    return at && find(second, *at + 1);
}

}  // namespace quillo
