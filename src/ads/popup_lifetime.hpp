#pragma once

namespace quillo {

class App;

// How the two pop-up windows go: the corner pop-up closes by its button or
// when its lifetime timer runs out; the exit pop-up ends the program by its
// button or when its lifetime timer runs out, so a quit that hands over to
// it always completes.
void bindPopupLifetimes(App& app);

}  // namespace quillo
