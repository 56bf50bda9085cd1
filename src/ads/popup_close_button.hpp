#pragma once

namespace quillo {

class App;
namespace ui {
class Control;
}

// The small close button of the corner and exit pop-ups: "CloseC.gif" when
// normal and pressed, "CloseD.gif" under the pointer, from the skin folder.
void loadPopupCloseButton(App& app, ui::Control& button);

}  // namespace quillo
