#include "ads/period.hpp"

#include <cmath>
#include <limits>

#include "core/number.hpp"

namespace quillo {

int periodMilliseconds(std::string_view seconds) {
    const double milliseconds = std::trunc(readNumber(seconds) * 1000.0);
    // Written so that a NaN from the reader also stops the timer.
    if (!(milliseconds > 0.0)) {
        return 0;
    }
    constexpr int kLongest = std::numeric_limits<int>::max();
    if (milliseconds >= static_cast<double>(kLongest)) {
        return kLongest;
    }
    return static_cast<int>(milliseconds);
}

}  // namespace quillo
