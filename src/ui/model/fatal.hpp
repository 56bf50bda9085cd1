#pragma once

#include <string_view>

namespace quillo::ui {

// Ends the program on a programming error such as an unknown window, control
// or menu name, naming what was asked for.
[[noreturn]] void failUnknown(std::string_view what, std::string_view name);

// Ends the program on a binding that can never run or that would replace
// another: names the window, the control ("" for the window itself), the
// event or menu action, and why.
[[noreturn]] void failBinding(std::string_view window, std::string_view control,
                              std::string_view event, std::string_view reason);

// Ends the program on a broken contract of the request path (a request
// outside any handler, or while another one is in flight), saying which.
[[noreturn]] void failContract(std::string_view what);

}  // namespace quillo::ui
