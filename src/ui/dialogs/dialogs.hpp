#pragma once

namespace quillo {

class App;

// Every behaviour of the settings and About dialogs.
void bindDialogs(App& app);

}  // namespace quillo
