#include "ui/main/main_window.hpp"

#include "ui/main/main_commands.hpp"
#include "ui/main/main_frame.hpp"
#include "ui/main/startup.hpp"

namespace quillo {

void bindMainWindow(App& app) {
    bindStartup(app);
    bindMainFrame(app);
    bindMainCommands(app);
}

}  // namespace quillo
