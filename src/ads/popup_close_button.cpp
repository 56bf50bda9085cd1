#include "ads/popup_close_button.hpp"

#include <string_view>

#include "app/app.hpp"

namespace quillo {
namespace {

constexpr std::string_view kNormal = "CloseC.gif";
constexpr std::string_view kHover = "CloseD.gif";

}  // namespace

void loadPopupCloseButton(App& app, ui::Control& button) {
    button.setImages(app.skinFile(kNormal), app.skinFile(kHover), app.skinFile(kNormal));
}

}  // namespace quillo
