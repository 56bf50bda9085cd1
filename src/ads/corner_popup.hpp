#pragma once

namespace quillo {

class App;

// The corner pop-up that start-up opens hidden: its set-up asks the server
// whether to show, the show timer places it in the bottom-right corner of
// the desktop on its fifth tick, and it goes after its lifetime or by its
// close button.
void bindCornerPopup(App& app);

}  // namespace quillo
