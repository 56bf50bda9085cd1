#include "ui/main/main_frame.hpp"

#include <array>
#include <string_view>

#include "app/app.hpp"
#include "ui/definitions/main_window.hpp"

namespace quillo {
namespace {

namespace names = ui::main_window;

constexpr std::array<SkinPicture, 10> mainSkin() {
    const std::array<SkinPicture, 9> standard =
        standardFrameSkin(names::kBottomEdge, names::kMaximizeButton);
    std::array<SkinPicture, 10> skin{};
    for (std::size_t i = 0; i < standard.size(); ++i) {
        skin[i] = standard[i];
    }
    skin.back() = {names::kLogo, skin_file::kLogo};
    return skin;
}

constexpr std::array<SkinPicture, 10> kSkin = mainSkin();
constexpr std::array<std::string_view, 2> kBrowsers{names::kSiteBrowser, names::kLoadingBrowser};

}  // namespace

const SkinnedFrame& mainFrame() {
    static const SkinnedFrame frame{
        .window = names::kWindow,
        .skin = kSkin,
        .bottomEdge = names::kBottomEdge,
        .minimizeButton = names::kMinimizeButton,
        .maximizeButton = names::kMaximizeButton,
        .maximize =
            MaximizeToggle{
                .stateKey = MaximizeKey::Main, .restoreOffset = 0, .browsers = kBrowsers},
    };
    return frame;
}

void bindMainFrame(App& app) {
    ui::WindowModel& windows = app.windows();
    bindSkinnedFrame(app, mainFrame());

    // While the pointer rests on a link this is the link's address; the
    // player window opens the last one when the site asks for a new window.
    windows.bind(names::kWindow, names::kSiteBrowser, ui::EventKind::StatusTextChange,
                 [&app, statusBar = windows.resolve(names::kWindow, names::kStatusBar)](
                     ui::Window& window, ui::EventArgs& args) {
                     window.control(statusBar).setStatusText(0, args.text);
                     app.state().mainBrowser.lastStatusText = args.text;
                 });

    windows.bind(names::kWindow, names::kMemoryTimer, ui::EventKind::Tick,
                 [&app](ui::Window&, ui::EventArgs&) { app.platform().trimWorkingSet(); });
}

}  // namespace quillo
