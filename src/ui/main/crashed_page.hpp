#pragma once

#include <filesystem>

#include "i18n/language.hpp"

namespace quillo {

class App;

// The local page, under Html/ in the program directory, that a browser view
// shows in the language when its page's renderer ended twice within a
// minute, with a link back to the page.
std::filesystem::path crashedPagePath(const std::filesystem::path& programDirectory,
                                      Language language);

// Hands the backend the crashed page in the language of key Language (read
// as the unreachable page reads it) once the program has started.
void bindCrashedPage(App& app);

}  // namespace quillo
