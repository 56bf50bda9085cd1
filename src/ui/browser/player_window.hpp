#pragma once

namespace quillo {

class App;

// The player window: the play page of a title, loaded in a hidden browser
// while a loading page shows, then swapped in; close, minimize and text
// advertisement 2. Its two maximize buttons do nothing.
void bindPlayerWindow(App& app);

}  // namespace quillo
