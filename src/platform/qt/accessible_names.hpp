#pragma once

#include "ui/model/window.hpp"
#include "ui/model/window_definition.hpp"

class QWidget;

namespace quillo::qt {

// Names for screen readers. Labels and push buttons are named by the text
// they show (Qt does that); picture buttons take their definition's spoken
// name in the user's language, check boxes the text of the label their
// definition names, and the window its title.

// Names the controls of a window view just built from the model's window.
void nameForScreenReaders(QWidget& view, const ui::Window& window, ui::SpokenLanguage language);

// In a dialog (a modal window) the keyboard reaches the picture buttons as
// it reaches the check boxes: Tab moves between them, Space presses one.
void letKeyboardReachDialogButtons(QWidget& view, const ui::Window& window);

// A control's text changed: the check boxes it labels take the new text.
void labelTextChanged(QWidget& view, const ui::Window& window, const ui::Control& label);

}  // namespace quillo::qt
