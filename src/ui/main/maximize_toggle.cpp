#include "ui/main/maximize_toggle.hpp"

#include <cmath>

#include "app/app.hpp"

namespace quillo {
namespace {

constexpr int kNormalWidth = 984;
constexpr int kNormalHeight = 624;
constexpr int kTitleBarTop = 28;

// Title bar, side lines and bottom line.
void layFrame(ui::Window& window, const MaximizeLayout& layout, int width, int edgeHeight,
              int footTop) {
    window.control("toppic").setWidth(width);
    window.control("leftpic").setHeight(edgeHeight);
    ui::Control& right = window.control("rightpic");
    right.setHeight(edgeHeight);
    right.setLeft(width - 2);
    ui::Control& foot = window.control(layout.footPicture);
    foot.setLeft(0);
    foot.setTop(footTop);
    foot.setWidth(width);
    foot.show();
}

void layButtons(ui::Window& window, int width) {
    window.control("选项按钮").move(width - 137, 4, 44, 26);
    window.control("最小化按钮").move(width - 92, 4, 26, 20);
    window.control("关闭按钮").move(width - 34, 4, 26, 20);
    window.control("最大化按钮").move(width - 62, 4, 26, 20);
}

void maximize(App& app, ui::Window& window, const MaximizeLayout& layout) {
    ScreenSize screen = app.platform().screenSize();
    window.move(0, 0, screen.width, screen.height);
    window.control(layout.browsers.front()).sendToBottom();
    ui::Size client = window.clientSize();
    for (std::string_view browser : layout.browsers) {
        window.control(browser).move(0, kTitleBarTop, client.width, client.height);
    }
    layFrame(window, layout, client.width, client.height, client.height - 2);
    layButtons(window, client.width);
    app.config().writeConfig(layout.stateKey, "2");
}

void restore(App& app, ui::Window& window, const MaximizeLayout& layout) {
    ui::Size client = window.clientSize();
    // Computed in floating point and truncated towards zero, so a client
    // width of 901 gives -41, not -42.
    auto place = [&](int extent, int half) {
        return static_cast<int>(std::trunc(extent / 2.0 - half + layout.restoreOffset));
    };
    window.move(place(client.width, 492), place(client.height, 321), kNormalWidth, kNormalHeight);
    window.control(layout.browsers.front()).sendToBottom();
    for (std::string_view browser : layout.browsers) {
        window.control(browser).move(0, kTitleBarTop, kNormalWidth, kNormalHeight - kTitleBarTop);
    }
    // The restored side lines are 620 high (not the stored 623 of some
    // windows) and the buttons sit at the main window's places.
    layFrame(window, layout, kNormalWidth, kNormalHeight - 4, kNormalHeight - 2);
    layButtons(window, kNormalWidth);
    app.config().writeConfig(layout.stateKey, "1");
}

}  // namespace

void toggleMaximize(App& app, ui::Window& window, const MaximizeLayout& layout) {
    Text state = app.config().readConfig(layout.stateKey);
    if (state == "1") {
        maximize(app, window, layout);
    } else if (state == "2") {
        restore(app, window, layout);
    }
}

}  // namespace quillo
