#pragma once

#include "ui/frame/skinned_frame.hpp"

namespace quillo {

// Maximizes or restores the window by its frame's toggle (see
// MaximizeToggle); does nothing for a frame without one.
void toggleMaximize(App& app, ui::Window& window, const SkinnedFrame& frame);

}  // namespace quillo
