#include "content_server/site_files.hpp"

#include <algorithm>
#include <array>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <utility>

namespace quillo {
namespace {

namespace fs = std::filesystem;

struct ExtensionType {
    std::string_view extension;
    std::string_view contentType;
};

constexpr std::array kContentTypes{
    ExtensionType{".html", "text/html"},        ExtensionType{".htm", "text/html"},
    ExtensionType{".css", "text/css"},          ExtensionType{".js", "text/javascript"},
    ExtensionType{".json", "application/json"}, ExtensionType{".txt", "text/plain"},
    ExtensionType{".png", "image/png"},         ExtensionType{".jpg", "image/jpeg"},
    ExtensionType{".jpeg", "image/jpeg"},       ExtensionType{".gif", "image/gif"},
    ExtensionType{".bmp", "image/bmp"},         ExtensionType{".ico", "image/x-icon"},
    ExtensionType{".svg", "image/svg+xml"},     ExtensionType{".mp4", "video/mp4"},
};

bool isInside(const fs::path& root, const fs::path& file) {
    return std::mismatch(root.begin(), root.end(), file.begin(), file.end()).first == root.end();
}

std::optional<std::string> readBytes(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (in.bad()) {
        return std::nullopt;
    }
    return bytes;
}

}  // namespace

SiteFile findSiteFile(const fs::path& root, std::string_view requestPath) {
    if (requestPath.empty() || requestPath.front() != '/' ||
        requestPath.find_first_of(std::string_view("\\\0", 2)) != std::string_view::npos) {
        return {SiteLookup::Refused, {}};
    }
    fs::path candidate = root;
    std::string_view rest = requestPath.substr(1);
    while (!rest.empty()) {
        const std::size_t slash = rest.find('/');
        const std::string_view segment = rest.substr(0, slash);
        rest = slash == std::string_view::npos ? std::string_view{} : rest.substr(slash + 1);
        if (segment == "..") {
            return {SiteLookup::Refused, {}};
        }
        if (segment.empty() || segment == ".") {
            continue;
        }
        candidate /= fs::path(segment);
    }
    std::error_code error;
    if (fs::is_directory(candidate, error)) {
        candidate /= "index.html";
    }
    const fs::path resolved = fs::weakly_canonical(candidate, error);
    if (error) {
        return {SiteLookup::Missing, {}};
    }
    if (!isInside(root, resolved)) {
        return {SiteLookup::Refused, {}};
    }
    if (!fs::is_regular_file(resolved, error)) {
        return {SiteLookup::Missing, {}};
    }
    return {SiteLookup::Found, resolved};
}

std::string_view contentTypeFor(const fs::path& file) {
    std::string extension = file.extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(), [](char c) {
        return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    });
    for (const ExtensionType& entry : kContentTypes) {
        if (entry.extension == extension) {
            return entry.contentType;
        }
    }
    return "application/octet-stream";
}

PageServer::Handler siteHandler(fs::path root) {
    return [root = std::move(root)](const httplib::Request& request, httplib::Response& response) {
        const SiteFile site = findSiteFile(root, request.path);
        if (site.lookup == SiteLookup::Refused) {
            response.status = 403;
            response.set_content("forbidden\n", "text/plain");
            return;
        }
        const std::optional<std::string> bytes =
            site.lookup == SiteLookup::Found ? readBytes(site.file) : std::nullopt;
        if (!bytes) {
            response.status = 404;
            response.set_content("not found\n", "text/plain");
            return;
        }
        response.status = 200;
        response.set_content(*bytes, std::string(contentTypeFor(site.file)));
    };
}

}  // namespace quillo
