#pragma once

#include "ui/frame/skinned_frame.hpp"

namespace quillo {

class App;

// The main window's skinned frame: its skin (the logo is read again last),
// minimize, and the maximize toggle on key `Maximize` with no restore offset,
// resizing the site and loading browsers.
const SkinnedFrame& mainFrame();

// The frame's buttons, the status text and the memory timer of the main
// window.
void bindMainFrame(App& app);

}  // namespace quillo
