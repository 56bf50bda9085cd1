#include "ui/dialogs/dialogs.hpp"

#include "ui/dialogs/dialog_buttons.hpp"

namespace quillo {

void bindDialogs(App& app) {
    bindDialogCloseButtons(app);
}

}  // namespace quillo
