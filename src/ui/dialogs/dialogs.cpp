#include "ui/dialogs/dialogs.hpp"

#include "ui/dialogs/about_page.hpp"
#include "ui/dialogs/dialog_buttons.hpp"
#include "ui/dialogs/screen_saver_at_start.hpp"
#include "ui/dialogs/settings_page.hpp"

namespace quillo {

void bindDialogs(App& app) {
    bindDialogCloseButtons(app);
    bindSettingsPage(app);
    bindAboutPage(app);
    bindScreenSaverAtStart(app);
}

}  // namespace quillo
