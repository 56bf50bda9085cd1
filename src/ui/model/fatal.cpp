#include "ui/model/fatal.hpp"

#include <cstdio>
#include <cstdlib>

namespace quillo::ui {

void failUnknown(std::string_view what, std::string_view name) {
    std::fprintf(stderr, "quillo: unknown %.*s \"%.*s\"\n", static_cast<int>(what.size()),
                 what.data(), static_cast<int>(name.size()), name.data());
    std::abort();
}

}  // namespace quillo::ui
