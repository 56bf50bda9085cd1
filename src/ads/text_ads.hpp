#pragma once

namespace quillo {

class App;
namespace ui {
class Window;
}

// The server-driven advertisement line in the title bar of four windows:
// 1 MainWindow, 2 PlayerWindow, 3 ColumnWindow, 4 AppWindow.
inline constexpr int kTextAdCount = 4;

// Shows, fills or hides advertisement n (1..4) of `window` (the window of
// that advertisement) from its switch and text pages; called once at the end
// of its window's set-up.
void evaluateTextAd(App& app, ui::Window& window, int n);

// Binds the click of each advertisement label: the address page is fetched
// anew and opened in the default browser when it is a web address.
void bindTextAds(App& app);

}  // namespace quillo
