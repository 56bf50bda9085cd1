#pragma once

#include <QMenu>
#include <QPoint>
#include <cstddef>
#include <functional>
#include <optional>

#include "ui/model/window_definition.hpp"

namespace quillo::qt {

// Builds a pop-up menu from its definition, painted with the window's menu
// skin (its default colours when the window has none), and pops it up at
// `position` without waiting for it. The menu deletes itself when it
// closes. `chosen` receives the index into MenuDef::items of the item the
// user chose; separators and submenu heads are not choosable.
//
// Roles of the skin's ten colours: 0 menu background, 1 separator line,
// 2 background and 3 frame of the highlighted item, 4 icon background, 6
// menu frame, 7 disabled text, 8 icon strokes, 9 icon frame; 5 (the same
// blue as 2 and 3) is not needed. The item text is black.
QMenu* popupSkinnedMenu(QWidget* owner, const ui::MenuDef& menu,
                        const std::optional<ui::MenuSkinDef>& skin, QPoint position,
                        std::function<void(std::size_t index)> chosen);

}  // namespace quillo::qt
