#include "ui/main/crashed_page.hpp"

#include "app/app.hpp"
#include "ui/main/unreachable_page.hpp"

namespace quillo {

std::filesystem::path crashedPagePath(const std::filesystem::path& programDirectory,
                                      Language language) {
    return programDirectory / "Html" /
           pickByLanguage<std::string_view>(language, "Crashed.zh-CN.html", "Crashed.zh-TW.html",
                                            "Crashed.en.html");
}

void bindCrashedPage(App& app) {
    app.addStartStep([&app] {
        const Language language = unreachablePageLanguage(app.settings().language());
        app.windows().backend().setCrashedPage(crashedPagePath(app.programDirectory(), language));
    });
}

}  // namespace quillo
