#pragma once

#include <httplib.h>

#include <atomic>
#include <chrono>
#include <cstddef>
#include <functional>
#include <string>
#include <thread>

namespace quillo {

struct PageServerOptions {
    std::string host = "127.0.0.1";
    int port = 0;  // 0: any free port, see PageServer::port()
    std::size_t workerThreads = 8;
    std::size_t keepAliveMaxCount = 1000;  // requests one connection may carry
    std::chrono::seconds keepAliveTimeout{5};
};

// A small HTTP server for pages, shared by the demo content server and the
// test fixture. Every GET (and HEAD) goes to one handler. It counts the TCP
// connections it accepts and can hold back work on each new connection, which
// stands for the cost of setting a connection up over a real network.
//
// The constructor binds; serving starts with start() (background thread) or
// run() (calling thread). Writes to a peer that went away never raise SIGPIPE:
// the serving threads keep it blocked.
class PageServer {
public:
    using Handler = std::function<void(const httplib::Request&, httplib::Response&)>;
    using Logger = std::function<void(const httplib::Request&, const httplib::Response&)>;

    explicit PageServer(Handler handler, PageServerOptions options = {});
    ~PageServer();
    PageServer(const PageServer&) = delete;
    PageServer& operator=(const PageServer&) = delete;

    // Whether binding succeeded; the port bound, or -1.
    bool bound() const { return port_ > 0; }
    int port() const { return port_; }

    // Called after each answered request, on a serving thread. Set before serving.
    void setLogger(Logger logger);

    // Serves on a background thread; returns once the server accepts.
    void start();
    // Serves on the calling thread until stop(); false if serving failed.
    bool run();
    // Ends serving; callable from any thread, also before serving began.
    void stop();

    int connectionsAccepted() const { return connections_.load(); }
    // Delay before the first request of every newly accepted connection is read.
    void setConnectionSetupDelay(std::chrono::milliseconds delay) { setupDelay_.store(delay); }

private:
    class CountingTaskQueue;

    // httplib::Server closes its listening socket only when serving ends;
    // one that was bound but never served needs closing by hand.
    class Server : public httplib::Server {
    public:
        void closeUnservedSocket();
    };

    PageServerOptions options_;
    Server server_;
    int port_ = -1;
    std::atomic<int> connections_{0};
    std::atomic<std::chrono::milliseconds> setupDelay_{std::chrono::milliseconds{0}};
    std::atomic<bool> stopRequested_{false};
    std::atomic<bool> serving_{false};
    std::atomic<bool> backgroundDone_{false};
    std::atomic<bool> listened_{false};
    std::jthread thread_;
};

}  // namespace quillo
