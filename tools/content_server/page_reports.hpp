#pragma once

#include <filesystem>
#include <mutex>
#include <string>
#include <vector>

#include "page_server/page_server.hpp"

namespace quillo {

// What the demo pages report about themselves (a video that plays, full
// screen on or off, what the browser remembered), kept so that a desktop
// test can read what happened inside a page.
class PageReports {
public:
    void add(std::string line);
    // Every report so far, one a line, oldest first.
    std::string text() const;

private:
    mutable std::mutex mutex_;
    std::vector<std::string> lines_;
};

// The demo site: "GET /report?QUERY" records QUERY (followed by " cookie="
// and the request's Cookie header when it has one) and answers 204;
// "GET /report/log" answers every report as plain text; everything else is
// the site tree of siteHandler.
PageServer::Handler demoSiteHandler(std::filesystem::path root, PageReports& reports);

}  // namespace quillo
