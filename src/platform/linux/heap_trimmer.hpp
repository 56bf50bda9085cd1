#pragma once

#include <cstddef>
#include <functional>
#include <optional>

namespace quillo::linux_platform {

// Returns the allocator's free memory to the system, but only when there is
// something new to give back: the memory timer asks five times a second, and
// trimming walks every arena of the process each time.
//
// The free bytes the allocator holds are read on every request (cheap); a
// trim runs when they have grown by `threshold` over the lowest count seen
// since the last trim. Memory that was freed, reused and freed again counts
// again, because its pages came back meanwhile.
class HeapTrimmer {
public:
    using FreeBytes = std::function<std::size_t()>;
    using Trim = std::function<void()>;

    static constexpr std::size_t kDefaultThreshold = 256 * 1024;

    // The process's own allocator (mallinfo2 / malloc_trim).
    HeapTrimmer();
    HeapTrimmer(FreeBytes freeBytes, Trim trim, std::size_t threshold = kDefaultThreshold);

    // Trims when there is enough to give back; true when it trimmed.
    bool request();

private:
    FreeBytes freeBytes_;
    Trim trim_;
    std::size_t threshold_;
    std::optional<std::size_t> lowest_;
};

}  // namespace quillo::linux_platform
