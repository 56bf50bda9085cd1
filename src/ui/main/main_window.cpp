#include "ui/main/main_window.hpp"

#include "ui/main/crashed_page.hpp"
#include "ui/main/main_commands.hpp"
#include "ui/main/main_frame.hpp"
#include "ui/main/startup.hpp"
#include "ui/main/unreachable_page.hpp"

namespace quillo {

void bindMainWindow(App& app) {
    bindStartup(app);
    bindUnreachablePage(app);
    bindCrashedPage(app);
    bindMainFrame(app);
    bindMainCommands(app);
}

}  // namespace quillo
