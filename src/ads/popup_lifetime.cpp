#include "ads/popup_lifetime.hpp"

#include "app/app.hpp"
#include "ui/definitions/window_names.hpp"

namespace quillo {

void bindPopupLifetimes(App& app) {
    ui::WindowModel& windows = app.windows();
    auto closeCorner = [&app](ui::EventArgs&) { app.windows().destroy(ui::kCornerPopupWindow); };
    windows.bind(ui::kCornerPopupWindow, "图形按钮1", ui::EventKind::Clicked, closeCorner);
    windows.bind(ui::kCornerPopupWindow, "时钟2", ui::EventKind::Tick, closeCorner);

    // The main window goes first; the pop-up goes with it and the program ends.
    auto endProgram = [&app](ui::EventArgs&) {
        app.windows().destroy(ui::kMainWindow);
        app.windows().destroy(ui::kExitPopupWindow);
    };
    windows.bind(ui::kExitPopupWindow, "图形按钮1", ui::EventKind::Clicked, endProgram);
    windows.bind(ui::kExitPopupWindow, "时钟1", ui::EventKind::Tick, endProgram);
}

}  // namespace quillo
