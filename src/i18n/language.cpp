#include "i18n/language.hpp"

#include "config/ini_file.hpp"
#include "content/pages.hpp"
#include "core/number.hpp"

namespace quillo {

Language languageByText(std::string_view code) {
    if (code == "1") {
        return Language::Simplified;
    }
    if (code == "2") {
        return Language::Traditional;
    }
    if (code == "3") {
        return Language::English;
    }
    return Language::None;
}

Language languageByNumber(std::string_view code) {
    if (numberEquals(code, 1)) {
        return Language::Simplified;
    }
    if (numberEquals(code, 2)) {
        return Language::Traditional;
    }
    if (numberEquals(code, 3)) {
        return Language::English;
    }
    return Language::None;
}

std::string_view languageCode(Language language) {
    switch (language) {
        case Language::Simplified:
            return "1";
        case Language::Traditional:
            return "2";
        case Language::English:
            return "3";
        case Language::None:
            break;
    }
    return "";
}

std::filesystem::path languageTablePath(const std::filesystem::path& programDirectory,
                                        Language language) {
    std::string_view file = pickByLanguage<std::string_view>(
        language, "Chinese Simplified.db", "Chinese Traditional.db", "English.db");
    return programDirectory / "Language" / file;
}

Text readLanguageTable(const std::filesystem::path& programDirectory, Language language,
                       std::string_view key) {
    if (language == Language::None) {
        return {};
    }
    return IniFile(languageTablePath(programDirectory, language)).read("Config", key);
}

std::string_view namePage(Language language) {
    return pickByLanguage(language, pages::kNameSimplified, pages::kNameTraditional,
                          pages::kNameEnglish);
}

}  // namespace quillo
