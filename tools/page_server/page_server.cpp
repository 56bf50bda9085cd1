#include "page_server/page_server.hpp"

#include <signal.h>
#include <unistd.h>

#include <memory>
#include <utility>

namespace quillo {
namespace {

// Blocks SIGPIPE on the current thread for its lifetime. Threads started
// meanwhile inherit the mask, so the worker pool never gets the signal when a
// client hangs up mid-answer; the write fails with EPIPE instead.
class SigpipeBlocked {
public:
    SigpipeBlocked() {
        sigset_t set;
        sigemptyset(&set);
        sigaddset(&set, SIGPIPE);
        pthread_sigmask(SIG_BLOCK, &set, &previous_);
    }
    ~SigpipeBlocked() { pthread_sigmask(SIG_SETMASK, &previous_, nullptr); }
    SigpipeBlocked(const SigpipeBlocked&) = delete;
    SigpipeBlocked& operator=(const SigpipeBlocked&) = delete;

private:
    sigset_t previous_;
};

}  // namespace

// The server hands every accepted socket to its task queue exactly once, so
// counting enqueues counts connections without touching the sockets.
class PageServer::CountingTaskQueue : public httplib::TaskQueue {
public:
    CountingTaskQueue(PageServer& owner, std::size_t threads) : owner_(owner), pool_(threads) {}

    void enqueue(std::function<void()> processConnection) override {
        owner_.connections_.fetch_add(1);
        const std::chrono::milliseconds delay = owner_.setupDelay_.load();
        pool_.enqueue([delay, process = std::move(processConnection)] {
            if (delay.count() > 0) {
                std::this_thread::sleep_for(delay);
            }
            process();
        });
    }
    void shutdown() override { pool_.shutdown(); }
    void on_idle() override { pool_.on_idle(); }

private:
    PageServer& owner_;
    httplib::ThreadPool pool_;
};

void PageServer::Server::closeUnservedSocket() {
    const socket_t socket = svr_sock_.exchange(INVALID_SOCKET);
    if (socket != INVALID_SOCKET) {
        ::close(socket);
    }
}

PageServer::PageServer(Handler handler, PageServerOptions options) : options_(std::move(options)) {
    // httplib takes ownership of the queue it gets and deletes it when
    // serving ends.
    server_.new_task_queue = [this]() -> httplib::TaskQueue* {
        return std::make_unique<CountingTaskQueue>(*this, options_.workerThreads).release();
    };
    // httplib writes an answer's head and body separately; with Nagle's
    // algorithm on, the body then waits for the client's delayed ACK (about
    // 40 ms) on every kept-alive request. Accepted sockets inherit the flag.
    server_.set_tcp_nodelay(true);
    server_.set_keep_alive_max_count(options_.keepAliveMaxCount);
    server_.set_keep_alive_timeout(options_.keepAliveTimeout.count());
    server_.Get(".*", std::move(handler));
    port_ = options_.port == 0
                ? server_.bind_to_any_port(options_.host)
                : (server_.bind_to_port(options_.host, options_.port) ? options_.port : -1);
    if (port_ <= 0) {
        port_ = -1;
    }
}

PageServer::~PageServer() {
    stop();
    if (thread_.joinable()) {
        thread_.join();
    }
    if (!listened_.load()) {
        server_.closeUnservedSocket();
    }
}

void PageServer::setLogger(Logger logger) {
    server_.set_logger(std::move(logger));
}

void PageServer::start() {
    if (!bound() || thread_.joinable()) {
        return;
    }
    thread_ = std::jthread([this] {
        run();
        backgroundDone_.store(true);
    });
    while (!server_.is_running() && !backgroundDone_.load()) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}

bool PageServer::run() {
    if (!bound()) {
        return false;
    }
    // Announce serving before looking at the stop request: stop() sets the
    // request first and then looks at serving_, so one of the two sees the other.
    serving_.store(true);
    bool ok = true;
    if (!stopRequested_.load()) {
        const SigpipeBlocked sigpipeBlocked;
        listened_.store(true);
        ok = server_.listen_after_bind();
    }
    serving_.store(false);
    return ok || stopRequested_.load();
}

void PageServer::stop() {
    stopRequested_.store(true);
    // httplib ignores stop() until its accept loop runs; wait for that or for
    // run() to give up.
    while (serving_.load() && !server_.is_running()) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    server_.stop();
}

}  // namespace quillo
