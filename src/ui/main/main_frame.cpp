#include "ui/main/main_frame.hpp"

#include <array>
#include <string_view>

#include "app/app.hpp"
#include "ui/definitions/window_names.hpp"
#include "ui/main/maximize_toggle.hpp"

namespace quillo {
namespace {

constexpr std::string_view kMain = ui::kMainWindow;

void setButtonSkin(App& app, ui::Window& window, std::string_view button, std::string_view normal,
                   std::string_view hover) {
    window.control(button).setImages(app.skinFile(normal), app.skinFile(hover),
                                     app.skinFile(normal));
}

}  // namespace

void loadMainWindowSkin(App& app, ui::Window& window) {
    window.control("图片框2").setImage(app.skinFile("Top.jpg"));
    window.control("toppic").setImage(app.skinFile("TopBackground.gif"));
    window.control("leftpic").setImage(app.skinFile("Left.gif"));
    window.control("rightpic").setImage(app.skinFile("Right.gif"));
    window.control("图片框1").setImage(app.skinFile("Foot.gif"));
    setButtonSkin(app, window, "选项按钮", "OptionC.gif", "OptionD.gif");
    setButtonSkin(app, window, "最小化按钮", "MinimalityA.gif", "MinimalityB.gif");
    setButtonSkin(app, window, "最大化按钮", "MaximizationA.gif", "MaximizationB.gif");
    setButtonSkin(app, window, "关闭按钮", "CloseA.gif", "CloseB.gif");
    window.control("图片框2").setImage(app.skinFile("Top.jpg"));
}

void bindMainFrame(App& app) {
    ui::WindowModel& windows = app.windows();
    auto mainWindow = [&app]() -> ui::Window& { return *app.windows().find(kMain); };

    windows.bind(kMain, "最小化按钮", ui::EventKind::Clicked, [mainWindow](ui::EventArgs&) {
        mainWindow().setState(ui::WindowState::Minimized);
    });

    windows.bind(kMain, "最大化按钮", ui::EventKind::Clicked, [&app, mainWindow](ui::EventArgs&) {
        static constexpr std::array<std::string_view, 2> kBrowsers{"WebBrowser1", "WebBrowser2"};
        static constexpr MaximizeLayout kLayout{
            .stateKey = "Maximize",
            .restoreOffset = 0,
            .browsers = kBrowsers,
            .footPicture = "图片框1",
        };
        toggleMaximize(app, mainWindow(), kLayout);
    });

    // The site has loaded (or a frame of it, or a later page): the loading
    // page gives way to the site.
    windows.bind(kMain, "WebBrowser1", ui::EventKind::DocumentComplete,
                 [mainWindow](ui::EventArgs&) {
                     mainWindow().control("WebBrowser2").hide();
                     mainWindow().control("WebBrowser1").show();
                 });

    // While the pointer rests on a link this is the link's address; the
    // player window opens the last one when the site asks for a new window.
    windows.bind(kMain, "WebBrowser1", ui::EventKind::StatusTextChange,
                 [&app, mainWindow](ui::EventArgs& args) {
                     mainWindow().control("状态条1").setStatusText(0, args.text);
                     app.state().lastStatusText = args.text;
                 });

    windows.bind(kMain, "内存时钟", ui::EventKind::Tick,
                 [&app](ui::EventArgs&) { app.platform().trimWorkingSet(); });
}

}  // namespace quillo
