#pragma once

#include <string_view>

#include "core/text.hpp"
#include "ui/model/geometry.hpp"

namespace quillo {

class App;
namespace ui {
class Control;
class Window;
}  // namespace ui

// Helpers shared by the player, column and application windows.

// The empty page a browser is sent to when it is to show nothing.
inline constexpr std::string_view kBlankPage = "about:blank";

// Places `shown` 30 pixels right of and below `opener`'s top-left corner:
// top first, then left.
void placeBeside(ui::Window& shown, const ui::Window& opener);
// Where placeBeside puts a window, for loading it there in the first place.
ui::Point besidePlace(const ui::Window& opener);

// Sends the browser to an address from the server or from a page's status
// text only when the address policy allows it (a web address or
// about:blank); anything else leaves the browser where it is.
void navigateIfBrowsable(ui::Control& browser, const Text& address);

// The program's local loading page, shown until a page has loaded.
Text loadingPage(const App& app);

// The browser and loading views fill the frame under the title bar.
void fillContentArea(ui::Control& view);

}  // namespace quillo
