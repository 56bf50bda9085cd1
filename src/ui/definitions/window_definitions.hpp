#pragma once

#include <span>
#include <string_view>

#include "ui/definitions/window_names.hpp"
#include "ui/model/window_definition.hpp"

namespace quillo::ui {

// The definition stored under `name` (see window_names.hpp); null for a name
// that is not one of the nine windows. The pointer stays valid for the
// life of the program.
const WindowDef* findWindowDefinition(std::string_view name);

// All nine definitions, MainWindow first.
std::span<const WindowDef> allWindowDefinitions();

}  // namespace quillo::ui
