#pragma once

#include <string_view>

namespace quillo {

// A switch page is on only when its whole body is the GBK bytes of "开"
// (BF AA) and off only when it is "关" (B9 D8); anything else is neither.
// Callers test the two separately.
inline bool isOn(std::string_view body) {
    return body == "\xBF\xAA";
}
inline bool isOff(std::string_view body) {
    return body == "\xB9\xD8";
}

}  // namespace quillo
