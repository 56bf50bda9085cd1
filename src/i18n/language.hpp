#pragma once

#include <filesystem>
#include <string_view>

#include "core/text.hpp"

namespace quillo {

// The interface language chosen by key Language of Config.ini.
enum class Language { None, Simplified, Traditional, English };

// The text test, used by the main window at start-up only: the code is
// exactly "1", "2" or "3".
Language languageByText(std::string_view code);

// The number test, used by every other reader: the code read as a number
// equals 1, 2 or 3 within 1e-7.
Language languageByNumber(std::string_view code);

// The code written for a language ("1", "2", "3"; "" for None).
std::string_view languageCode(Language language);

// One of three variants by language; callers handle None before asking.
template <typename T>
T pickByLanguage(Language language, T simplified, T traditional, T english) {
    switch (language) {
        case Language::Traditional:
            return traditional;
        case Language::English:
            return english;
        default:
            return simplified;
    }
}

// The language table beside the program: Language/<file> in the program
// directory, an INI file in GBK with keys Name and Column 1 .. Column 5 in
// section Config. A missing file or key reads as the empty text.
std::filesystem::path languageTablePath(const std::filesystem::path& programDirectory,
                                        Language language);
Text readLanguageTable(const std::filesystem::path& programDirectory, Language language,
                       std::string_view key);

// The content-server page holding the display name in the language.
std::string_view namePage(Language language);

}  // namespace quillo
