#pragma once

namespace quillo {

class App;

// The buttons of the settings and About dialogs that only close their
// dialog: every modal dialog can always be dismissed.
void bindDialogCloseButtons(App& app);

}  // namespace quillo
