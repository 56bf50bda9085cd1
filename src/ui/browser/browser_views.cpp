#include "ui/browser/browser_views.hpp"

#include "app/app.hpp"
#include "core/address_policy.hpp"
#include "ui/definitions/skinned_frame.hpp"
#include "ui/model/window.hpp"

namespace quillo {
namespace {

constexpr int kCascade = 30;

}  // namespace

ui::Point besidePlace(const ui::Window& opener) {
    return {opener.left() + kCascade, opener.top() + kCascade};
}

void placeBeside(ui::Window& shown, const ui::Window& opener) {
    shown.setTop(opener.top() + kCascade);
    shown.setLeft(opener.left() + kCascade);
}

void navigateIfBrowsable(ui::Control& browser, const Text& address) {
    if (isBrowsableAddress(address)) {
        browser.navigate(address);
    }
}

Text loadingPage(const App& app) {
    return (app.programDirectory() / "Html" / "Loading.html").string();
}

void fillContentArea(ui::Control& view) {
    namespace frame = ui::skinned_frame;
    view.move(0, frame::kContentTop, frame::kDesignWidth,
              frame::kDesignHeight - frame::kContentTop);
}

}  // namespace quillo
