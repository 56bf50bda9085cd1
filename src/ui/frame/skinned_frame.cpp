#include "ui/frame/skinned_frame.hpp"

#include "app/app.hpp"
#include "ui/frame/maximize_toggle.hpp"

namespace quillo {

void loadFrameSkin(App& app, ui::Window& window, const SkinnedFrame& frame) {
    for (const SkinPicture& picture : frame.skin) {
        ui::Control& control = window.control(picture.control);
        if (picture.hover.empty()) {
            control.setImage(app.skinFile(picture.picture));
        } else {
            control.setImages(app.skinFile(picture.picture), app.skinFile(picture.hover),
                              app.skinFile(picture.picture));
        }
    }
}

void bindSkinnedFrame(App& app, const SkinnedFrame& frame) {
    ui::WindowModel& windows = app.windows();
    const std::string_view name = frame.window;
    if (!frame.minimizeButton.empty()) {
        windows.bind(name, frame.minimizeButton, ui::EventKind::Clicked,
                     [](ui::Window& window, ui::EventArgs&) {
                         window.setState(ui::WindowState::Minimized);
                     });
    }
    if (!frame.maximizeButton.empty() && frame.maximize) {
        windows.bind(name, frame.maximizeButton, ui::EventKind::Clicked,
                     [&app, frame](ui::Window& window, ui::EventArgs&) {
                         toggleMaximize(app, window, frame);
                     });
    }
}

}  // namespace quillo
