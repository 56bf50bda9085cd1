#pragma once

#include <string_view>

namespace quillo {

// A server's period in seconds ("30", "0.5", fractions allowed, read as a
// leading number like every number page) as a timer interval in whole
// milliseconds, truncated toward zero. 0 (a stopped timer) for no period,
// zero or less; a period longer than a timer can hold runs at the longest
// interval it can.
int periodMilliseconds(std::string_view seconds);

}  // namespace quillo
