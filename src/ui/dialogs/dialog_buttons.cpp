#include "ui/dialogs/dialog_buttons.hpp"

#include <string_view>

#include "app/app.hpp"
#include "ui/definitions/about_window.hpp"
#include "ui/definitions/settings_window.hpp"

namespace quillo {
namespace {

void closeOn(App& app, std::string_view window, std::string_view button) {
    app.windows().bind(
        window, button, ui::EventKind::Clicked,
        [&app, window](ui::Window&, ui::EventArgs&) { app.windows().destroy(window); });
}

}  // namespace

void bindDialogCloseButtons(App& app) {
    // About: confirm, cancel and close all just close it; nothing is saved.
    namespace about = ui::about_window;
    namespace settings = ui::settings_window;
    closeOn(app, about::kWindow, about::kConfirmButton);
    closeOn(app, about::kWindow, about::kCancelButton);
    closeOn(app, about::kWindow, about::kCloseButton);
    // Settings: cancel and close leave every setting as it was.
    closeOn(app, settings::kWindow, settings::kCancelButton);
    closeOn(app, settings::kWindow, settings::kCloseButton);
}

}  // namespace quillo
