#pragma once

#include <string_view>

// Keys of Config.ini through which the browser windows tell each other
// which of them are open ("1" closed, "2" open, compared as exact text) and
// whether a window is maximized ("1" normal, "2" maximized).
namespace quillo::open_state {

inline constexpr std::string_view kPlayerWindows = "PlayerWindows";  // read by the column openers
inline constexpr std::string_view kPlayerOpen = "PlayerOpen";        // read by the player opener
inline constexpr std::string_view kAppWindows = "APPWindows";        // read by the player opener
inline constexpr std::string_view kAppOpen = "APPOpen";              // read by the column openers
inline constexpr std::string_view kColumnMaximized = "APPCenterMaximize";
inline constexpr std::string_view kAppMaximized = "APPMaximize";

inline constexpr std::string_view kClosed = "1";
inline constexpr std::string_view kOpen = "2";

}  // namespace quillo::open_state
