#include "platform/linux/heap_trimmer.hpp"

#include <malloc.h>

#include <algorithm>
#include <utility>

namespace quillo::linux_platform {

HeapTrimmer::HeapTrimmer()
    : HeapTrimmer([] { return static_cast<std::size_t>(mallinfo2().fordblks); },
                  [] { malloc_trim(0); }, kDefaultThreshold, kProcessReadEvery) {}

HeapTrimmer::HeapTrimmer(FreeBytes freeBytes, Trim trim, std::size_t threshold, int readEvery)
    : freeBytes_(std::move(freeBytes)),
      trim_(std::move(trim)),
      threshold_(threshold),
      readEvery_(std::max(readEvery, 1)) {}

bool HeapTrimmer::request() {
    if (lowest_ && ++sinceRead_ < readEvery_) {
        return false;
    }
    sinceRead_ = 0;
    const std::size_t free = freeBytes_();
    // The first request trims whatever the start left behind.
    if (lowest_ && free < *lowest_ + threshold_) {
        lowest_ = std::min(*lowest_, free);
        return false;
    }
    trim_();
    // Trimming releases pages but leaves the chunks in the free lists: count
    // from what is free now.
    lowest_ = freeBytes_();
    return true;
}

}  // namespace quillo::linux_platform
