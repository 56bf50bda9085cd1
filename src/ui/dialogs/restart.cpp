#include "ui/dialogs/restart.hpp"

#include "app/app.hpp"
#include "ui/definitions/window_names.hpp"

namespace quillo {

std::filesystem::path ownProgramFile(App& app) {
    return app.programDirectory() / app.platform().programFile().filename();
}

Text autoStartEntryName(App& app) {
    return app.platform().programFile().filename().string();
}

bool restartProgram(App& app) {
    if (!app.platform().startSuccessor(ownProgramFile(app))) {
        return false;
    }
    // The successor waits for this process to end; destroying the main
    // window closes every window and ends the event loop.
    app.windows().destroy(ui::kMainWindow);
    return true;
}

}  // namespace quillo
