#include "ads/popup_lifetime.hpp"
#include "ads/text_ads.hpp"
#include "app/app.hpp"
#include "app/startup.hpp"
#include "ui/definitions/window_names.hpp"
#include "ui/dialogs/dialog_buttons.hpp"
#include "ui/main/main_commands.hpp"
#include "ui/main/main_frame.hpp"

namespace quillo {

void App::bindBehaviours() {
    windows_.bind(ui::kMainWindow, "", ui::EventKind::Created,
                  [this](ui::EventArgs&) { runStartup(*this); });
    bindMainFrame(*this);
    bindMainCommands(*this);
    bindTextAds(*this);
    bindPopupLifetimes(*this);
    bindDialogCloseButtons(*this);
}

}  // namespace quillo
