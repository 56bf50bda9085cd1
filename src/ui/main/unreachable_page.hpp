#pragma once

#include <filesystem>
#include <string_view>

#include "i18n/language.hpp"

namespace quillo {

class App;
namespace ui {
class Window;
}

// The address of the retry link on the unreachable pages. It is never
// loaded: the loading browser reports the page leaving for it, and the
// start-up runs again from the switch page.
inline constexpr std::string_view kRetryAddress = "quillo:retry";

// The local page, under Html/ in the program directory, that says in the
// language that the service cannot be reached.
std::filesystem::path unreachablePagePath(const std::filesystem::path& programDirectory,
                                          Language language);

// The language of that page for key Language: the code as the start-up reads
// it, else as the other windows read it (a number), else Simplified Chinese,
// the language the program is delivered in.
Language unreachablePageLanguage(std::string_view languageCode);

// The start-up got no usable answer from the content server: the loading
// browser shows the unreachable page over the content area and the window
// takes the program's local name as its title (the language table's Name,
// else the name label's own text). The page's retry link then runs the
// start-up again from the switch page.
void showUnreachablePage(App& app, ui::Window& window);

// Binds the retry link of the unreachable page (the loading browser leaving
// for kRetryAddress).
void bindUnreachablePage(App& app);

}  // namespace quillo
