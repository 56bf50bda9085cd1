#include "ui/frame/maximize_toggle.hpp"

#include <cmath>

#include "app/app.hpp"

namespace quillo {
namespace {

namespace layout = ui::skinned_frame;

constexpr int kNormalWidth = layout::kDesignWidth;
constexpr int kNormalHeight = layout::kDesignHeight;
constexpr int kEdge = layout::kEdgeWidth;
// A restored window sits this far above the centre of the client area.
constexpr int kRestoreAboveCentre = 9;

// Title bar, side lines and bottom line.
void layFrame(ui::Window& window, const SkinnedFrame& frame, int width, int edgeHeight,
              int bottomTop) {
    window.control(layout::kTitleBar).setWidth(width);
    window.control(layout::kLeftEdge).setHeight(edgeHeight);
    ui::Control& right = window.control(layout::kRightEdge);
    right.setHeight(edgeHeight);
    right.setLeft(width - kEdge);
    ui::Control& bottom = window.control(frame.bottomEdge);
    bottom.setLeft(0);
    bottom.setTop(bottomTop);
    bottom.setWidth(width);
    bottom.show();
}

// The caption buttons at their distances from the right edge.
void layButtons(ui::Window& window, const SkinnedFrame& frame, int width) {
    auto place = [&](std::string_view button, int fromRight, ui::Size size) {
        window.control(button).move(width - fromRight, layout::kCaptionTop, size.width,
                                    size.height);
    };
    place(layout::kOptionsButton, layout::kOptionsButtonFromRight, layout::kOptionsButtonSize);
    place(layout::kMinimizeButton, layout::kMinimizeButtonFromRight, layout::kCaptionButtonSize);
    place(layout::kCloseButton, layout::kCloseButtonFromRight, layout::kCaptionButtonSize);
    place(frame.maximizeButton, layout::kMaximizeButtonFromRight, layout::kCaptionButtonSize);
}

void maximize(App& app, ui::Window& window, const SkinnedFrame& frame,
              const MaximizeToggle& toggle) {
    ScreenSize screen = app.platform().screenSize();
    window.move(0, 0, screen.width, screen.height);
    window.control(toggle.browsers.front()).sendToBottom();
    ui::Size client = window.clientSize();
    for (std::string_view browser : toggle.browsers) {
        window.control(browser).move(0, layout::kContentTop, client.width, client.height);
    }
    layFrame(window, frame, client.width, client.height, client.height - kEdge);
    layButtons(window, frame, client.width);
    app.settings().setMaximized(toggle.stateKey, true);
}

void restore(App& app, ui::Window& window, const SkinnedFrame& frame,
             const MaximizeToggle& toggle) {
    ui::Size client = window.clientSize();
    // Computed in floating point and truncated towards zero, so a client
    // width of 901 gives -41, not -42.
    auto place = [&](int extent, int half) {
        return static_cast<int>(std::trunc(extent / 2.0 - half + toggle.restoreOffset));
    };
    window.move(place(client.width, kNormalWidth / 2),
                place(client.height, kNormalHeight / 2 + kRestoreAboveCentre), kNormalWidth,
                kNormalHeight);
    window.control(toggle.browsers.front()).sendToBottom();
    for (std::string_view browser : toggle.browsers) {
        window.control(browser).move(0, layout::kContentTop, kNormalWidth,
                                     kNormalHeight - layout::kContentTop);
    }
    // The restored side lines are 620 high (not the stored 623 of some
    // windows) and the buttons sit at the main window's places.
    layFrame(window, frame, kNormalWidth, kNormalHeight - 2 * kEdge, kNormalHeight - kEdge);
    layButtons(window, frame, kNormalWidth);
    app.settings().setMaximized(toggle.stateKey, false);
}

}  // namespace

void toggleMaximize(App& app, ui::Window& window, const SkinnedFrame& frame) {
    if (!frame.maximize) {
        return;
    }
    const MaximizeToggle& toggle = *frame.maximize;
    switch (app.settings().maximizeState(toggle.stateKey)) {
        case RecordedState::One:
            maximize(app, window, frame, toggle);
            break;
        case RecordedState::Two:
            restore(app, window, frame, toggle);
            break;
        case RecordedState::Other:
            break;
    }
}

}  // namespace quillo
