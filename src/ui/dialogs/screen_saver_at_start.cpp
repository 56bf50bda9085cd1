#include "ui/dialogs/screen_saver_at_start.hpp"

#include "app/app.hpp"
#include "core/number.hpp"

namespace quillo {

void bindScreenSaverAtStart(App& app) {
    app.addStartStep([&app] {
        if (numberEquals(app.config().readConfig("Screen"), 1)) {
            app.platform().setScreenSaverActive(false);
        }
    });
}

}  // namespace quillo
