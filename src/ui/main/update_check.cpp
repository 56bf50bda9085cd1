#include "ui/main/update_check.hpp"

#include "app/app.hpp"
#include "content/pages.hpp"
#include "content/switch_page.hpp"
#include "ui/definitions/main_window.hpp"

namespace quillo {

bool checkForUpdate(App& app) {
    if (!isOn(app.content().fetchPage(pages::kForcedUpdateSwitch))) {
        return false;
    }
    if (!isOn(app.content().fetchPage(pages::kOwnVersionSwitch))) {
        return false;
    }
    app.platform().messageBox(gbk("程序已经有新版本，请升级！"), gbk("警告"),
                              MessageIcon::Information);
    launchUpdater(app);
    // Straight out: no quit procedure, no exit pop-up.
    app.platform().endProcess(0);
    return true;
}

void launchUpdater(App& app) {
    app.platform().startProgram(app.platform().updaterFile());
}

void launchUpdaterFromMenu(App& app) {
    app.windows().destroy(ui::main_window::kWindow);
    launchUpdater(app);
}

}  // namespace quillo
