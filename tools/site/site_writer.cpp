#include "site/site_writer.hpp"

#include <unistd.h>

#include <fstream>
#include <optional>
#include <system_error>

#include "site/gbk_codec.hpp"
#include "site/page_catalog.hpp"
#include "site/site_check.hpp"

namespace quillo::site {
namespace {

constexpr std::string_view kOn = "\xBF\xAA";   // 开 in GBK
constexpr std::string_view kOff = "\xB9\xD8";  // 关 in GBK

// Writes a sibling file and renames it over the target, so a reader (the web
// server) never sees half a page.
bool replaceFile(const std::filesystem::path& file, std::string_view bytes, std::string& error) {
    std::error_code ec;
    std::filesystem::create_directories(file.parent_path(), ec);
    if (ec) {
        error = "cannot create " + file.parent_path().string() + ": " + ec.message();
        return false;
    }
    const std::filesystem::path temporary =
        file.parent_path() / ("." + file.filename().string() + "." + std::to_string(getpid()));
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.close();
        if (!out) {
            std::filesystem::remove(temporary, ec);
            error = "cannot write " + file.string();
            return false;
        }
    }
    std::filesystem::rename(temporary, file, ec);
    if (ec) {
        std::filesystem::remove(temporary, ec);
        error = "cannot replace " + file.string() + ": " + ec.message();
        return false;
    }
    return true;
}

std::optional<std::string> switchBytes(std::string_view value) {
    if (value == "on" || value == "\xE5\xBC\x80") {
        return std::string(kOn);
    }
    if (value == "off" || value == "\xE5\x85\xB3") {
        return std::string(kOff);
    }
    return std::nullopt;
}

// A starter page in the site's own colours (dark, light text, its green),
// so that it reads well in the program's dark windows. `body` is HTML.
std::string htmlPage(std::string_view title, std::string_view body) {
    return "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>" + std::string(title) +
           "</title>\n<style>\n"
           "  html, body { margin: 0; }\n"
           "  body { background: #15181c; color: #ececec; font: 14px/1.6 \"WenQuanYi Zen Hei\", "
           "\"Noto Sans CJK SC\", sans-serif; padding: 24px 32px; }\n"
           "  h1 { color: #91bb00; font-size: 22px; margin: 0 0 12px; }\n"
           "  code { background: #2a3037; color: #ececec; padding: 1px 6px; border-radius: 3px; }\n"
           "  p { max-width: 46em; }\n"
           "</style></head>\n<body>\n<h1>" +
           std::string(title) + "</h1>\n" + std::string(body) + "</body></html>\n";
}

std::string starterPage(const PageEntry& page) {
    if (page.path == kHomePage) {
        return htmlPage(
            "Quillo content server",
            "<p>This is the starter home page of a Quillo content tree, written by\n"
            "<code>quillo-site init</code>. The Quillo program opens it in its main window\n"
            "when it starts.</p>\n"
            "<p>Replace <code>index.html</code> at the top of the content tree with the\n"
            "home page of your site, then run <code>quillo-site check DIR</code> to see that\n"
            "every page reads as intended. <code>README.txt</code> beside it describes the\n"
            "pages under <code>ads/</code>.</p>\n");
    }
    return htmlPage(page.purpose,
                    "<p>A starter page written by <code>quillo-site init</code>: replace\n<code>" +
                        std::string(page.path) + "</code> with your own page.</p>\n");
}

// Starter values, as UTF-8 (text pages) or on/off (switch pages).
std::string starterValue(const PageEntry& page) {
    switch (page.kind) {
        case PageKind::Switch:
            // Local names from the language tables and nothing else switched on.
            return page.path == "ads/ksqd.html" ? "on" : "off";
        case PageKind::Name:
            return "Quillo";
        case PageKind::Text:
            return page.path.starts_with("ads/ads") ? "" : "Quillo";
        case PageKind::Number:
            return "600";
        case PageKind::Digits:
            return "10000";
        case PageKind::Language:
            return "1";
        case PageKind::Address:
            return "https://www.example.com/";
        case PageKind::Navigated:
            break;
    }
    return {};
}

std::string_view kindName(PageKind kind) {
    switch (kind) {
        case PageKind::Switch:
            return "switch: exactly the two GBK bytes of \xE5\xBC\x80 (on) or \xE5\x85\xB3 (off)";
        case PageKind::Name:
            return "name: GBK text, no line break";
        case PageKind::Text:
            return "text: GBK text shown unchanged, no line break";
        case PageKind::Number:
            return "number: decimal digits";
        case PageKind::Digits:
            return "chat number: decimal digits";
        case PageKind::Language:
            return "language code: 1, 2 or 3";
        case PageKind::Address:
            return "address: an http:// or https:// address";
        case PageKind::Navigated:
            return "HTML page loaded by a browser view";
    }
    return {};
}

std::string readme() {
    std::string text =
        "Content tree of the Quillo client\n"
        "=================================\n\n"
        "Serve this directory as static files at the address built into the\n"
        "program (its base address, ending with '/'). The program appends the\n"
        "page paths below to that address and reads the bodies byte for byte:\n"
        "no charset conversion, no trimming. Serve them without a charset\n"
        "rewrite and without adding line breaks.\n\n"
        "  quillo-site check DIR              reports every page the program would\n"
        "                                     misread, with the fix\n"
        "  quillo-site set DIR PAGE on|off    writes a switch page\n"
        "  quillo-site set DIR PAGE TEXT      writes any other page (TEXT in UTF-8,\n"
        "                                     stored as GBK)\n\n"
        "Pages\n-----\n\n";
    for (const PageEntry& page : pageCatalog()) {
        text += std::string(page.path) + "\n    " + std::string(page.purpose) + "\n    " +
                std::string(kindName(page.kind)) + "\n";
    }
    return text;
}

}  // namespace

WriteResult setPage(const std::filesystem::path& root, std::string_view path,
                    std::string_view value) {
    const PageEntry* page = findPage(path);
    if (page == nullptr) {
        return {false, std::string(path) + " is no page the program fetches"};
    }
    if (page->kind == PageKind::Navigated) {
        return {false, std::string(page->path) +
                           " is an HTML page a browser view loads; edit it as a web page"};
    }
    std::string bytes;
    if (page->kind == PageKind::Switch) {
        const std::optional<std::string> on = switchBytes(value);
        if (!on) {
            return {false, std::string(page->path) + " is a switch page: give on or off"};
        }
        bytes = *on;
    } else {
        const std::optional<std::string> encoded = utf8ToGbk(value);
        if (!encoded) {
            return {false, "the value is not UTF-8 text that GBK can hold"};
        }
        bytes = *encoded;
    }
    if (const std::vector<Problem> problems = checkPage(*page, bytes); !problems.empty()) {
        return {false, "not written: " + problems.front().problem};
    }
    std::string error;
    if (!replaceFile(root / page->path, bytes, error)) {
        return {false, error};
    }
    return {true, "wrote " + (root / page->path).string()};
}

WriteResult initTree(const std::filesystem::path& root) {
    int written = 0;
    std::string error;
    auto writeNew = [&](const std::filesystem::path& file, const std::string& bytes) {
        std::error_code ec;
        if (std::filesystem::exists(file, ec)) {
            return true;
        }
        if (!replaceFile(file, bytes, error)) {
            return false;
        }
        ++written;
        return true;
    };
    for (const PageEntry& page : pageCatalog()) {
        std::string bytes;
        if (page.kind == PageKind::Navigated) {
            bytes = starterPage(page);
        } else if (page.kind == PageKind::Switch) {
            bytes = *switchBytes(starterValue(page));
        } else {
            bytes = *utf8ToGbk(starterValue(page));
        }
        if (!writeNew(root / page.path, bytes)) {
            return {false, error};
        }
    }
    if (!writeNew(root / "README.txt", readme())) {
        return {false, error};
    }
    return {true, "wrote " + std::to_string(written) + " files under " + root.string()};
}

}  // namespace quillo::site
