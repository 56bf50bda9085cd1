#pragma once

#include "core/text.hpp"

namespace quillo {

class App;

// What the player opener hands the player window it loads: the address of
// the page to play.
struct PlayerPage {
    Text address;
};

// The player window: the play page of a title (its PlayerPage), loaded in a
// hidden browser while a loading page shows, then swapped in; close, minimize and text
// advertisement 2. Its two maximize buttons do nothing.
void bindPlayerWindow(App& app);

}  // namespace quillo
