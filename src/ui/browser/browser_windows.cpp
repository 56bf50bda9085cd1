#include "ui/browser/browser_windows.hpp"

namespace quillo {

void bindBrowserWindows(App& /*app*/) {}

}  // namespace quillo
