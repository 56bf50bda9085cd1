#include "ui/dialogs/screen_saver_at_start.hpp"

#include "app/app.hpp"

namespace quillo {

void bindScreenSaverAtStart(App& app) {
    app.addStartStep([&app] {
        if (app.settings().screenSaverOff().value_or(false)) {
            app.platform().setScreenSaverActive(false);
        }
    });
}

}  // namespace quillo
