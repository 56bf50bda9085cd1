#pragma once

#include <filesystem>
#include <string_view>

#include "page_server/page_server.hpp"

namespace quillo {

enum class SiteLookup { Found, Missing, Refused };

struct SiteFile {
    SiteLookup lookup = SiteLookup::Missing;
    std::filesystem::path file;
};

// Maps a decoded request path ("/ads/ksqd.html") to a file under the site
// root, which must be canonical. "/" and directories map to their index.html.
// A path with a ".." segment, a backslash or a zero byte, or one that leads
// outside the root through a symbolic link, is refused.
SiteFile findSiteFile(const std::filesystem::path& root, std::string_view requestPath);

// Content type by file extension, never with a charset: the bytes are sent as
// they are stored.
std::string_view contentTypeFor(const std::filesystem::path& file);

// Serves the tree under the canonical root byte for byte: 200 with the file,
// 404 for a missing one, 403 for a refused path.
PageServer::Handler siteHandler(std::filesystem::path root);

}  // namespace quillo
