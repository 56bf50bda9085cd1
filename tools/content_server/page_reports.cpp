#include "content_server/page_reports.hpp"

#include <utility>

#include "content_server/site_files.hpp"

namespace quillo {
namespace {

constexpr std::string_view kReport = "/report";
constexpr std::string_view kReportLog = "/report/log";

// The query of a request target, as sent (still percent-encoded).
std::string queryOf(const std::string& target) {
    const std::size_t mark = target.find('?');
    return mark == std::string::npos ? std::string() : target.substr(mark + 1);
}

// One line per report, whatever a page sends.
std::string oneLine(std::string text) {
    for (char& c : text) {
        if (c == '\n' || c == '\r') {
            c = ' ';
        }
    }
    return text;
}

}  // namespace

void PageReports::add(std::string line) {
    const std::lock_guard lock(mutex_);
    lines_.push_back(oneLine(std::move(line)));
}

std::string PageReports::text() const {
    const std::lock_guard lock(mutex_);
    std::string all;
    for (const std::string& line : lines_) {
        all += line;
        all += '\n';
    }
    return all;
}

PageServer::Handler demoSiteHandler(std::filesystem::path root, PageReports& reports) {
    return [site = siteHandler(std::move(root)), &reports](const httplib::Request& request,
                                                           httplib::Response& response) {
        if (request.path == kReport) {
            std::string line = queryOf(request.target);
            if (request.has_header("Cookie")) {
                line += " cookie=" + request.get_header_value("Cookie");
            }
            reports.add(std::move(line));
            response.status = 204;
            response.set_header("Cache-Control", "no-store");
            return;
        }
        if (request.path == kReportLog) {
            response.status = 200;
            response.set_header("Cache-Control", "no-store");
            response.set_content(reports.text(), "text/plain");
            return;
        }
        site(request, response);
    };
}

}  // namespace quillo
