#include "ui/dialogs/dialog_skin.hpp"

#include <string>

#include "app/app.hpp"
#include "ui/definitions/dialog_layout.hpp"
#include "ui/model/window.hpp"

namespace quillo {
namespace {

namespace names = ui::options_dialog;

void setButtonPictures(App& app, ui::Control& button, std::string_view normal,
                       std::string_view hover) {
    button.setImages(app.skinFile(normal), app.skinFile(hover), app.skinFile(normal));
}

// "<stem><letter>.gif", the letters of the language's normal and hover
// pictures: A/B, C/D or E/F.
void setLanguageButton(App& app, ui::Control& button, std::string_view stem, Language language) {
    const std::string_view letters = pickByLanguage<std::string_view>(language, "AB", "CD", "EF");
    const std::string normal = std::string(stem) + letters[0] + ".gif";
    const std::string hover = std::string(stem) + letters[1] + ".gif";
    setButtonPictures(app, button, normal, hover);
}

}  // namespace

void loadDialogFrame(App& app, ui::Window& page) {
    setButtonPictures(app, page.control(names::kCloseButton), "CloseA.gif", "CloseB.gif");
    page.setBackgroundPicture(app.skinFile("BackgroundA.gif"));
}

void setTabPicture(App& app, ui::Control& tab, std::string_view file) {
    const std::filesystem::path picture = app.skinFile(file);
    tab.setImages(picture, picture, picture);
}

void loadDialogButtons(App& app, ui::Window& page, Language language) {
    setLanguageButton(app, page.control(names::kConfirmButton), "Confirm", language);
    setLanguageButton(app, page.control(names::kCancelButton), "Cancel", language);
    setLanguageButton(app, page.control(names::kApplyButton), "Apply", language);
}

}  // namespace quillo
