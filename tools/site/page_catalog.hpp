#pragma once

#include <span>
#include <string_view>

namespace quillo::site {

// How the program uses a page of the content tree.
enum class PageKind {
    Switch,     // whole body is 开 or 关 in GBK
    Name,       // display name: GBK text shown as the title
    Text,       // GBK text shown unchanged (may be empty)
    Number,     // a positive decimal number
    Digits,     // a chat number: digits only
    Language,   // a language code: 1, 2 or 3
    Address,    // a web address opened in the default browser
    Navigated,  // an HTML page a browser view loads by itself
};

struct PageEntry {
    std::string_view path;  // "ads/ksqd.html"
    PageKind kind;
    std::string_view purpose;
};

// The page a web server answers the base address itself with, which the
// main window opens.
inline constexpr std::string_view kHomePage = "index.html";

// Every page the program fetches or navigates to, in the order of the page
// table (start-up first).
std::span<const PageEntry> pageCatalog();

// The entry for a path ("ads/ksqd.html" or "ksqd.html"), or nullptr.
const PageEntry* findPage(std::string_view path);

}  // namespace quillo::site
