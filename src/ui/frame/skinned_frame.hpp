#pragma once

#include <array>
#include <optional>
#include <span>
#include <string_view>

#include "config/settings.hpp"
#include "ui/definitions/skinned_frame.hpp"

namespace quillo {

class App;
namespace ui {
class Window;
}

// One picture of a frame's skin, read from the skin folder. A control with a
// hover picture is an image button: normal, hover, and the normal picture
// again when pressed.
struct SkinPicture {
    std::string_view control;
    std::string_view picture;
    std::string_view hover{};
};

// Skin files of the skinned frame.
namespace skin_file {
inline constexpr std::string_view kLogo = "Top.jpg";
inline constexpr std::string_view kTitleBar = "TopBackground.gif";
inline constexpr std::string_view kLeftEdge = "Left.gif";
inline constexpr std::string_view kRightEdge = "Right.gif";
inline constexpr std::string_view kBottomEdge = "Foot.gif";
inline constexpr std::string_view kOptions = "OptionC.gif";
inline constexpr std::string_view kOptionsHover = "OptionD.gif";
inline constexpr std::string_view kMinimize = "MinimalityA.gif";
inline constexpr std::string_view kMinimizeHover = "MinimalityB.gif";
inline constexpr std::string_view kMaximize = "MaximizationA.gif";
inline constexpr std::string_view kMaximizeHover = "MaximizationB.gif";
inline constexpr std::string_view kClose = "CloseA.gif";
inline constexpr std::string_view kCloseHover = "CloseB.gif";
}  // namespace skin_file

// The skin every skinned window loads, in order: logo, title bar, side lines,
// the bottom line `bottomEdge`, then the options, minimize, maximize
// (`maximizeButton`, the one that lies on top) and close buttons.
constexpr std::array<SkinPicture, 9> standardFrameSkin(std::string_view bottomEdge,
                                                       std::string_view maximizeButton) {
    namespace names = ui::skinned_frame;
    return {{
        {names::kLogo, skin_file::kLogo},
        {names::kTitleBar, skin_file::kTitleBar},
        {names::kLeftEdge, skin_file::kLeftEdge},
        {names::kRightEdge, skin_file::kRightEdge},
        {bottomEdge, skin_file::kBottomEdge},
        {names::kOptionsButton, skin_file::kOptions, skin_file::kOptionsHover},
        {names::kMinimizeButton, skin_file::kMinimize, skin_file::kMinimizeHover},
        {maximizeButton, skin_file::kMaximize, skin_file::kMaximizeHover},
        {names::kCloseButton, skin_file::kClose, skin_file::kCloseHover},
    }};
}

// The maximize / restore toggle. The key holds "1" (normal) or "2"
// (maximized) and is read at every click; any other value makes the button
// inert. Maximizing fills the screen; restoring centres a 984 x 624 window on
// the current client area, 9 pixels above centre, moved right and down by
// `restoreOffset` so that the windows restore in a cascade. Both lay the
// frame lines and the caption buttons out for the new width.
struct MaximizeToggle {
    MaximizeKey stateKey;
    int restoreOffset = 0;
    // Resized to the content area; the first one is sent beneath the frame.
    std::span<const std::string_view> browsers;
};

// One window's skinned frame, as data. Every span and view refers to static
// storage: a frame is bound once and used for the life of the App.
struct SkinnedFrame {
    std::string_view window;
    std::span<const SkinPicture> skin;
    std::string_view bottomEdge;
    // Buttons bound by bindSkinnedFrame; empty: the window binds none.
    std::string_view minimizeButton{};
    std::string_view maximizeButton{};
    std::optional<MaximizeToggle> maximize{};
};

// Reads the frame's skin pictures from the skin folder, in order. A missing
// file leaves its picture empty.
void loadFrameSkin(App& app, ui::Window& window, const SkinnedFrame& frame);

// Minimize button: minimizes the window. Maximize button: the toggle.
void bindSkinnedFrame(App& app, const SkinnedFrame& frame);

}  // namespace quillo
