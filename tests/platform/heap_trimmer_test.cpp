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

TEST(HeapTrimmer, ReadsTheFreeMemoryOnlyEveryNthRequestAfterTheFirst) {
    std::size_t free = 0;
    int reads = 0;
    int trims = 0;
    HeapTrimmer trimmer(
        [&] {
            ++reads;
            return free;
        },
        [&trims] { ++trims; }, 100, 3);
    EXPECT_TRUE(trimmer.request());  // reads before and after its trim
    EXPECT_EQ(reads, 2);
    free = 500;  // much freed: noticed at the third request from here
    EXPECT_FALSE(trimmer.request());
    EXPECT_FALSE(trimmer.request());
    EXPECT_EQ(reads, 2);
    EXPECT_TRUE(trimmer.request());
    EXPECT_EQ(trims, 2);
    for (int i = 0; i < 6; ++i) {
        EXPECT_FALSE(trimmer.request());
    }
    EXPECT_EQ(reads, 6);  // 2 at each trim, then 2 idle looks in 6 requests
}

TEST(HeapTrimmer, TheProcessAllocatorIsLeftAloneWhileNothingChanges) {
    HeapTrimmer trimmer;
    EXPECT_TRUE(trimmer.request());
    for (int i = 0; i < 2 * HeapTrimmer::kProcessReadEvery; ++i) {
        EXPECT_FALSE(trimmer.request()) << "request " << i;
    }
}

}  // namespace
}  // namespace quillo::linux_platform
