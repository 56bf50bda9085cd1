#pragma once

#include <string_view>

#include "i18n/language.hpp"

namespace quillo {

class App;
namespace ui {
class Control;
class Window;
}  // namespace ui

// The pictures of the two dialog pages, SettingsWindow and AboutWindow, read
// from the skin folder each time a page opens. Image buttons take a normal,
// a hover and a pressed picture; the pressed one is the normal one.

// The close button and the window's background, the same in every language.
void loadDialogFrame(App& app, ui::Window& page);

// One picture in all three states (the tab buttons).
void setTabPicture(App& app, ui::Control& tab, std::string_view file);

// Confirm, cancel and apply in the language (not None).
void loadDialogButtons(App& app, ui::Window& page, Language language);

}  // namespace quillo
