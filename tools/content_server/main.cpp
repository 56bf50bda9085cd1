// quillo-content-server DIR [--port N] [--rewrite-origin URL] [--delay-ads MS]
// Demo content server: serves the tree under DIR on 127.0.0.1 (port 8917
// unless given; 0 picks a free one), byte for byte, DIR/index.html at "/".
// With --rewrite-origin, HTML pages that name the origin URL (the address the
// tree was written for, e.g. http://127.0.0.1:8917/) name this server's own
// origin instead, so the tree works on any port.
// --delay-ads answers every page under /ads/ only after MS milliseconds, as
// a distant server would (for measuring the program against latency).
// Logs each request as "METHOD PATH STATUS" on stdout. Pages may report
// what happens in them through /report, read back from /report/log (see
// page_reports.hpp). SIGINT or SIGTERM stops it; it then exits with status 0.

#include <signal.h>

#include <charconv>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <thread>
#include <utility>

#include "content_server/page_reports.hpp"
#include "page_server/page_server.hpp"

namespace {

constexpr int kDefaultPort = 8917;

struct Arguments {
    std::filesystem::path root;
    int port = kDefaultPort;
    std::string rewriteOrigin;
    int adsDelayMs = 0;
};

std::optional<int> parseNumber(std::string_view text, int max) {
    int value = -1;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size() || value < 0 || value > max) {
        return std::nullopt;
    }
    return value;
}

std::optional<int> parsePort(std::string_view text) {
    return parseNumber(text, 65535);
}

quillo::PageServer::Handler delayingAds(quillo::PageServer::Handler inner, int delayMs) {
    if (delayMs <= 0) {
        return inner;
    }
    return [inner = std::move(inner), delayMs](const httplib::Request& request,
                                               httplib::Response& response) {
        if (request.path.starts_with("/ads/")) {
            std::this_thread::sleep_for(std::chrono::milliseconds(delayMs));
        }
        inner(request, response);
    };
}

std::optional<Arguments> parseArguments(int argc, char** argv) {
    Arguments arguments;
    bool haveRoot = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "--port" && i + 1 < argc) {
            const std::optional<int> port = parsePort(argv[++i]);
            if (!port) {
                return std::nullopt;
            }
            arguments.port = *port;
        } else if (argument == "--rewrite-origin" && i + 1 < argc) {
            arguments.rewriteOrigin = argv[++i];
        } else if (argument == "--delay-ads" && i + 1 < argc) {
            const std::optional<int> delay = parseNumber(argv[++i], 600000);
            if (!delay) {
                return std::nullopt;
            }
            arguments.adsDelayMs = *delay;
        } else if (!haveRoot && !argument.starts_with("-")) {
            arguments.root = argument;
            haveRoot = true;
        } else {
            return std::nullopt;
        }
    }
    if (!haveRoot) {
        return std::nullopt;
    }
    return arguments;
}

sigset_t stopSignals() {
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, SIGINT);
    sigaddset(&set, SIGTERM);
    return set;
}

// Replaces every occurrence of `from` in HTML bodies by `to`.
quillo::PageServer::Handler rewritingOrigin(quillo::PageServer::Handler serve, std::string from,
                                            std::string to) {
    return [serve = std::move(serve), from = std::move(from), to = std::move(to)](
               const httplib::Request& request, httplib::Response& response) {
        serve(request, response);
        if (from.empty() || from == to ||
            !response.get_header_value("Content-Type").starts_with("text/html")) {
            return;
        }
        std::string& body = response.body;
        for (std::size_t at = body.find(from); at != std::string::npos;
             at = body.find(from, at + to.size())) {
            body.replace(at, from.size(), to);
        }
    };
}

}  // namespace

int main(int argc, char** argv) {
    const std::optional<Arguments> arguments = parseArguments(argc, argv);
    if (!arguments) {
        std::fprintf(stderr,
                     "usage: quillo-content-server DIR [--port N] [--rewrite-origin URL] "
                     "[--delay-ads MS]\n");
        return 2;
    }
    std::error_code error;
    const std::filesystem::path root = std::filesystem::canonical(arguments->root, error);
    if (error || !std::filesystem::is_directory(root)) {
        std::fprintf(stderr, "quillo-content-server: not a directory: %s\n",
                     arguments->root.c_str());
        return 2;
    }

    // Block the stop signals (and SIGPIPE) before any thread starts, so every
    // thread inherits the mask and only the waiter below ever takes them.
    sigset_t blocked = stopSignals();
    sigaddset(&blocked, SIGPIPE);
    pthread_sigmask(SIG_BLOCK, &blocked, nullptr);

    quillo::PageReports reports;
    // The handler learns the port only once the server has bound it.
    int boundPort = 0;
    quillo::PageServer::Handler handler = quillo::demoSiteHandler(root, reports);
    if (!arguments->rewriteOrigin.empty()) {
        handler = [site = std::move(handler), from = arguments->rewriteOrigin, &boundPort](
                      const httplib::Request& request, httplib::Response& response) {
            rewritingOrigin(site, from, "http://127.0.0.1:" + std::to_string(boundPort) + "/")(
                request, response);
        };
    }
    quillo::PageServer server(delayingAds(std::move(handler), arguments->adsDelayMs),
                              {.port = arguments->port});
    boundPort = server.port();
    if (!server.bound()) {
        std::fprintf(stderr, "quillo-content-server: cannot listen on 127.0.0.1:%d\n",
                     arguments->port);
        return 1;
    }
    server.setLogger([](const httplib::Request& request, const httplib::Response& response) {
        std::printf("%s %s %d\n", request.method.c_str(), request.path.c_str(), response.status);
        std::fflush(stdout);
    });

    std::jthread signalWaiter([&server](std::stop_token stop) {
        const sigset_t signals = stopSignals();
        const timespec pollInterval{0, 100'000'000};
        while (!stop.stop_requested()) {
            if (sigtimedwait(&signals, nullptr, &pollInterval) > 0) {
                server.stop();
                return;
            }
        }
    });

    std::printf("quillo-content-server: serving %s at http://127.0.0.1:%d/\n", root.c_str(),
                server.port());
    std::fflush(stdout);
    const bool ok = server.run();
    signalWaiter.request_stop();
    signalWaiter.join();
    std::printf("quillo-content-server: stopped\n");
    return ok ? 0 : 1;
}
