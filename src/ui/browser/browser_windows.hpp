#pragma once

namespace quillo {

class App;

// Every behaviour of the player, column and application windows and of
// their openers. None is built yet: the three windows open from nowhere, and
// this binds nothing until they do.
void bindBrowserWindows(App& app);

}  // namespace quillo
