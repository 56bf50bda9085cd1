#include "ads/popup_lifetime.hpp"

#include "app/app.hpp"
#include "ui/definitions/corner_popup_window.hpp"
#include "ui/definitions/exit_popup_window.hpp"
#include "ui/definitions/window_names.hpp"

namespace quillo {

void bindPopupLifetimes(App& app) {
    ui::WindowModel& windows = app.windows();
    namespace corner = ui::corner_popup_window;
    namespace exit = ui::exit_popup_window;
    auto closeCorner = [&app](ui::EventArgs&) { app.windows().destroy(corner::kWindow); };
    windows.bind(corner::kWindow, corner::kCloseButton, ui::EventKind::Clicked, closeCorner);
    windows.bind(corner::kWindow, corner::kLifetimeTimer, ui::EventKind::Tick, closeCorner);

    // The main window goes first; the pop-up goes with it and the program ends.
    auto endProgram = [&app](ui::EventArgs&) {
        app.windows().destroy(ui::kMainWindow);
        app.windows().destroy(exit::kWindow);
    };
    windows.bind(exit::kWindow, exit::kCloseButton, ui::EventKind::Clicked, endProgram);
    windows.bind(exit::kWindow, exit::kLifetimeTimer, ui::EventKind::Tick, endProgram);
}

}  // namespace quillo
