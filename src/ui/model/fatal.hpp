#pragma once

#include <string_view>

namespace quillo::ui {

// Ends the program on a programming error such as an unknown window, control
// or menu name, naming what was asked for.
[[noreturn]] void failUnknown(std::string_view what, std::string_view name);

}  // namespace quillo::ui
