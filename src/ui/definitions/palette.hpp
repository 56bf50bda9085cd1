#pragma once

#include "ui/model/geometry.hpp"

// Colours that recur across the window definitions.
namespace quillo::ui::definitions {

inline constexpr Color kWhite{0xFF, 0xFF, 0xFF};
inline constexpr Color kBlack{0x00, 0x00, 0x00};
inline constexpr Color kTitleText{0xEC, 0xEC, 0xEC};      // title labels of the skinned frame
inline constexpr Color kTextAdvert{0xC0, 0x60, 0x00};     // text advertisement labels
inline constexpr Color kCurrentColumn{0x91, 0xBB, 0x00};  // the main window's own column
inline constexpr Color kHint{0x80, 0xE0, 0x00};           // settings hint line

}  // namespace quillo::ui::definitions
