#include "ui/browser/player_window.hpp"

#include <array>

#include "ads/text_ads.hpp"
#include "app/app.hpp"
#include "i18n/language.hpp"
#include "ui/browser/browser_views.hpp"
#include "ui/definitions/player_window.hpp"
#include "ui/frame/skinned_frame.hpp"

namespace quillo {
namespace {

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
    const Language language = languageByNumber(app.settings().language());
    if (language == Language::None) {
        return;
    }
    const Text suffix = language == Language::English ? Text(" Player") : gbk(" 播放器");
    window.setTitle(app.state().startup.displayName + suffix);
    window.control(names::kTitleLabel).setText(window.title());
}

void create(App& app, ui::Window& window) {
    loadFrameSkin(app, window, playerFrame());
    app.settings().setOpen(OpenStateKey::PlayerWindows, true);
    app.settings().setOpen(OpenStateKey::PlayerOpen, true);
    setTitle(app, window);

    // Script dialogs of play pages stay quiet; set before the page loads.
    ui::Control& play = window.control(names::kPlayBrowser);
    play.setSilent(true);
    if (const PlayerPage* page = window.argument<PlayerPage>()) {
        navigateIfBrowsable(play, page->address);
    }
    play.hide();

    ui::Control& loading = window.control(names::kLoadingBrowser);
    loading.navigate(loadingPage(app));
    fillContentArea(loading);
    evaluateTextAd(app, window, kTextAd);
}

// The controls the page's completion swaps, resolved once.
struct PlayViews {
    ui::ControlRef loading;
    ui::ControlRef play;
    ui::ControlRef loadTimer;
};

// Repeated for every frame of the page without a visible change.
void showPlayView(ui::Window& window, const PlayViews& views) {
    window.control(views.loading).hide();
    ui::Control& play = window.control(views.play);
    play.show();
    fillContentArea(play);
    window.control(views.loadTimer).setInterval(0);
}

void close(App& app) {
    app.settings().setOpen(OpenStateKey::PlayerWindows, false);
    app.settings().setOpen(OpenStateKey::PlayerOpen, false);
    app.windows().destroy(names::kWindow);
}

}  // namespace

void bindPlayerWindow(App& app) {
    ui::WindowModel& windows = app.windows();
    bindSkinnedFrame(app, playerFrame());
    windows.bind(names::kWindow, "", ui::EventKind::Created,
                 [&app](ui::Window& player, ui::EventArgs&) { create(app, player); });
    const PlayViews views{.loading = windows.resolve(names::kWindow, names::kLoadingBrowser),
                          .play = windows.resolve(names::kWindow, names::kPlayBrowser),
                          .loadTimer = windows.resolve(names::kWindow, names::kLoadTimer)};
    windows.bind(names::kWindow, names::kPlayBrowser, ui::EventKind::DocumentComplete,
                 [views](ui::Window& player, ui::EventArgs&) { showPlayView(player, views); });
    windows.bind(names::kWindow, names::kCloseButton, ui::EventKind::Clicked,
                 [&app](ui::Window&, ui::EventArgs&) { close(app); });
}

}  // namespace quillo
