#pragma once

#include <string>

#include "core/text.hpp"

namespace quillo::linux_platform {

// The form in which an address reaches the desktop (xdg-open and the
// handler it picks): the GBK text converted to UTF-8, and every byte outside
// printable ASCII, the space included, percent-encoded. Escapes already in
// the address are kept as they are. Bytes that are not GBK become U+FFFD.
std::string desktopUri(const Text& address);

}  // namespace quillo::linux_platform
