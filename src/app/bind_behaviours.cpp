#include "ads/adverts.hpp"
#include "app/app.hpp"
#include "ui/browser/browser_windows.hpp"
#include "ui/dialogs/dialogs.hpp"
#include "ui/main/main_window.hpp"

namespace quillo {

// The composition root: each window's folder binds its own behaviours.
void App::bindBehaviours() {
    bindMainWindow(*this);
    bindBrowserWindows(*this);
    bindDialogs(*this);
    bindAdverts(*this);
}

}  // namespace quillo
