#include "ui/model/window_definition.hpp"

#include <algorithm>

namespace quillo::ui {

const ControlDef* WindowDef::findControl(std::string_view controlName) const {
    auto it = std::find_if(controls.begin(), controls.end(),
                           [controlName](const ControlDef& c) { return c.name == controlName; });
    return it == controls.end() ? nullptr : &*it;
}

const MenuDef* WindowDef::findMenu(std::string_view menuName) const {
    auto it = std::find_if(menus.begin(), menus.end(),
                           [menuName](const MenuDef& m) { return m.name == menuName; });
    return it == menus.end() ? nullptr : &*it;
}

}  // namespace quillo::ui
