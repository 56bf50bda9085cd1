#include "ui/dialogs/dialog_buttons.hpp"

#include <string_view>

#include "app/app.hpp"
#include "ui/definitions/window_names.hpp"

namespace quillo {
namespace {

void closeOn(App& app, std::string_view window, std::string_view button) {
    app.windows().bind(window, button, ui::EventKind::Clicked,
                       [&app, window](ui::EventArgs&) { app.windows().destroy(window); });
}

}  // namespace

void bindDialogCloseButtons(App& app) {
    // About: confirm, cancel and close all just close it; nothing is saved.
    closeOn(app, ui::kAboutWindow, "图形按钮1");
    closeOn(app, ui::kAboutWindow, "图形按钮2");
    closeOn(app, ui::kAboutWindow, "关闭按钮");
    // Settings: cancel and close leave every setting as it was.
    closeOn(app, ui::kSettingsWindow, "图形按钮2");
    closeOn(app, ui::kSettingsWindow, "关闭按钮");
}

}  // namespace quillo
