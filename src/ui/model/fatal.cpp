#include "ui/model/fatal.hpp"

#include <cstdio>
#include <cstdlib>

namespace quillo::ui {

void failUnknown(std::string_view what, std::string_view name) {
    std::fprintf(stderr, "quillo: unknown %.*s \"%.*s\"\n", static_cast<int>(what.size()),
                 what.data(), static_cast<int>(name.size()), name.data());
    std::abort();
}

void failBinding(std::string_view window, std::string_view control, std::string_view event,
                 std::string_view reason) {
    std::fprintf(stderr, "quillo: cannot bind window \"%.*s\" control \"%.*s\" event %.*s: %.*s\n",
                 static_cast<int>(window.size()), window.data(), static_cast<int>(control.size()),
                 control.data(), static_cast<int>(event.size()), event.data(),
                 static_cast<int>(reason.size()), reason.data());
    std::abort();
}

void failContract(std::string_view what) {
    std::fprintf(stderr, "quillo: programming error: %.*s\n", static_cast<int>(what.size()),
                 what.data());
    std::abort();
}

}  // namespace quillo::ui
