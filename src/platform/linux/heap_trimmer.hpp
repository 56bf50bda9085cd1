#pragma once

#include <cstddef>
#include <functional>
#include <optional>

namespace quillo::linux_platform {

// Returns the allocator's free memory to the system, but only when there is
// something new to give back: the memory timer asks five times a second, and
// trimming walks every arena of the process each time.
//
// The free bytes the allocator holds are read on the first request and then
// on every `readEvery`-th one: reading them walks the free lists of every
// arena too (a few tenths of a millisecond in a browser's heap), far too
// much to do five times a second in an idle program. A trim runs when they
// have grown by `threshold` over the lowest count seen since the last trim.
// Memory that was freed, reused and freed again counts again, because its
// pages came back meanwhile.
class HeapTrimmer {
public:
    using FreeBytes = std::function<std::size_t()>;
    using Trim = std::function<void()>;

    static constexpr std::size_t kDefaultThreshold = 256 * 1024;
    // For the process's allocator: a look every two seconds at the memory
    // timer's pace.
    static constexpr int kProcessReadEvery = 10;

    // The process's own allocator (mallinfo2 / malloc_trim).
    HeapTrimmer();
    HeapTrimmer(FreeBytes freeBytes, Trim trim, std::size_t threshold = kDefaultThreshold,
                int readEvery = 1);

    // Trims when there is enough to give back; true when it trimmed.
    bool request();

private:
    FreeBytes freeBytes_;
    Trim trim_;
    std::size_t threshold_;
    int readEvery_;
    int sinceRead_ = 0;  // requests since the free bytes were last read
    std::optional<std::size_t> lowest_;
};

}  // namespace quillo::linux_platform
