#pragma once

#include <array>
#include <string_view>

// The language-dependent texts of SettingsWindow, as UTF-8 source literals
// in the order Simplified Chinese, Traditional Chinese, English.
namespace quillo::settings_texts {

using Variants = std::array<std::string_view, 3>;

// Follows the name page's text in the window title.
inline constexpr Variants kTitleWord{"设置窗口", "設置窗口", "Settings"};

struct LabelText {
    std::string_view label;  // stored control name
    Variants text;
};

// The fourteen labels whose texts change with the language.
extern const std::array<LabelText, 14> kLabels;

}  // namespace quillo::settings_texts
