#include "ui/browser/player_window.hpp"

#include <array>

#include "ads/text_ads.hpp"
#include "app/app.hpp"
#include "i18n/language.hpp"
#include "ui/browser/browser_views.hpp"
#include "ui/browser/open_state_keys.hpp"
#include "ui/definitions/player_window.hpp"
#include "ui/frame/skinned_frame.hpp"

namespace quillo {
namespace {

namespace keys = open_state;
namespace names = ui::player_window;

constexpr int kTextAd = 2;

// The upper of the two maximize buttons carries the skin; the other keeps
// its stored pictures.
constexpr std::array<SkinPicture, 9> kSkin =
    standardFrameSkin(names::kBottomEdge, names::kUpperMaximizeButton);

const SkinnedFrame& playerFrame() {
    static const SkinnedFrame frame{
        .window = names::kWindow,
        .skin = kSkin,
        .bottomEdge = names::kBottomEdge,
        .minimizeButton = names::kMinimizeButton,
    };
    return frame;
}

// "<name> 播放器" for Simplified and Traditional Chinese, "<name> Player" for
// English; any other code keeps the stored title and label.
void setTitle(App& app, ui::Window& window) {
    const Language language = languageByNumber(app.config().readConfig("Language"));
    if (language == Language::None) {
        return;
    }
    const Text suffix = language == Language::English ? Text(" Player") : gbk(" 播放器");
    window.setTitle(app.state().startup.displayName + suffix);
    window.control(names::kTitleLabel).setText(window.title());
}

void create(App& app, ui::Window& window) {
    loadFrameSkin(app, window, playerFrame());
    app.config().writeConfig(keys::kPlayerWindows, keys::kOpen);
    app.config().writeConfig(keys::kPlayerOpen, keys::kOpen);
    setTitle(app, window);

    // Script dialogs of play pages stay quiet; set before the page loads.
    ui::Control& play = window.control(names::kPlayBrowser);
    play.setSilent(true);
    const BrowserWindowsState& state = app.state().browserWindows;
    const Text& statusText = app.state().mainBrowser.lastStatusText;
    navigateIfBrowsable(play, statusText.empty() ? state.playerRequestAddress : statusText);
    play.hide();

    ui::Control& loading = window.control(names::kLoadingBrowser);
    loading.navigate(loadingPage(app));
    fillContentArea(loading);
    evaluateTextAd(app, kTextAd);
}

// Repeated for every frame of the page without a visible change.
void showPlayView(ui::Window& window) {
    window.control(names::kLoadingBrowser).hide();
    ui::Control& play = window.control(names::kPlayBrowser);
    play.show();
    fillContentArea(play);
    window.control(names::kLoadTimer).setInterval(0);
}

void close(App& app) {
    app.config().writeConfig(keys::kPlayerWindows, keys::kClosed);
    app.config().writeConfig(keys::kPlayerOpen, keys::kClosed);
    app.windows().destroy(names::kWindow);
}

}  // namespace

void bindPlayerWindow(App& app) {
    ui::WindowModel& windows = app.windows();
    auto player = [&app]() -> ui::Window& { return *app.windows().find(names::kWindow); };
    bindSkinnedFrame(app, playerFrame());
    windows.bind(names::kWindow, "", ui::EventKind::Created,
                 [&app, player](ui::EventArgs&) { create(app, player()); });
    windows.bind(names::kWindow, names::kPlayBrowser, ui::EventKind::DocumentComplete,
                 [player](ui::EventArgs&) { showPlayView(player()); });
    windows.bind(names::kWindow, names::kCloseButton, ui::EventKind::Clicked,
                 [&app](ui::EventArgs&) { close(app); });
}

}  // namespace quillo
