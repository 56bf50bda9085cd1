#pragma once

#include "ui/model/window_definition.hpp"

// One function per window, each returning its definition built once.
//
// Conventions of the definitions:
// - Controls are listed in stacking order, the first at the bottom. The frame
//   pictures and the title bar come first and the browsers after them, so a
//   browser at its stored place lies above the frame's edge lines; the
//   maximize toggles later send the browser to the bottom, beneath the frame.
// - Children of `toppic` are placed relative to it; everything else relative
//   to the window's client area. Geometry is signed.
// - Names, captions and texts are UTF-8 literals; the model converts them to
//   GBK when it creates a window.
namespace quillo::ui::definitions {

const WindowDef& mainWindow();
const WindowDef& playerWindow();
const WindowDef& columnWindow();
const WindowDef& appWindow();
const WindowDef& popUnderWindow();
const WindowDef& cornerPopupWindow();
const WindowDef& exitPopupWindow();
const WindowDef& settingsWindow();
const WindowDef& aboutWindow();

}  // namespace quillo::ui::definitions
