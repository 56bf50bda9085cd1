#pragma once

#include "core/text.hpp"

namespace quillo {

class App;

// AboutWindow: its set-up from the content server, the site and contact
// links and the tab to the settings page.
void bindAboutPage(App& app);

// The rights line around the display name.
Text rightsLine(const Text& name);

}  // namespace quillo
