#include "platform/linux/heap_trimmer.hpp"

#include <gtest/gtest.h>

#include <cstddef>
#include <vector>

namespace quillo::linux_platform {
namespace {

struct Reading {
    std::size_t freeBytes;
    bool trims;
};

TEST(HeapTrimmer, TrimsOnlyWhenFreeMemoryGrewByTheThreshold) {
    std::size_t free = 0;
    int trims = 0;
    HeapTrimmer trimmer([&free] { return free; }, [&trims] { ++trims; }, 100);
    const std::vector<Reading> readings{
        {50, true},                 // the first request gives back what the start left
        {50, false},                // idle: nothing new
        {149, false},               // grown, but less than the threshold
        {150, true},                // grown by the threshold
        {100, false},               // reused meanwhile: counts from the lower figure
        {199, false}, {200, true},  // freed again after the reuse
        {200, false},
    };
    int expected = 0;
    for (std::size_t i = 0; i < readings.size(); ++i) {
        free = readings[i].freeBytes;
        EXPECT_EQ(trimmer.request(), readings[i].trims) << "request " << i;
        expected += readings[i].trims ? 1 : 0;
        EXPECT_EQ(trims, expected) << "request " << i;
    }
}

TEST(HeapTrimmer, TheProcessAllocatorIsLeftAloneWhileNothingChanges) {
    HeapTrimmer trimmer;
    EXPECT_TRUE(trimmer.request());
    EXPECT_FALSE(trimmer.request());
    EXPECT_FALSE(trimmer.request());
}

}  // namespace
}  // namespace quillo::linux_platform
