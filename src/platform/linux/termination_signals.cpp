#include "platform/linux/termination_signals.hpp"

#include <fcntl.h>
#include <unistd.h>

#include <array>
#include <csignal>
#include <cstdio>
#include <cstdlib>

namespace quillo::linux_platform {
namespace {

// The write end of the pipe, for the signal handler: a handler can reach
// nothing but process-wide state. Set and cleared by the one instance.
volatile std::sig_atomic_t signalPipe = -1;

extern "C" void onTerminationSignal(int) {
    const int fd = signalPipe;
    if (fd >= 0) {
        const char byte = 1;
        // A full pipe already says that a signal came.
        [[maybe_unused]] const ssize_t written = write(fd, &byte, 1);
    }
}

constexpr std::array<int, 2> kSignals{SIGTERM, SIGINT};

}  // namespace

TerminationSignals::TerminationSignals() {
    if (signalPipe != -1) {
        std::fputs("quillo: programming error: a second TerminationSignals\n", stderr);
        std::abort();
    }
    std::array<int, 2> ends{};
    if (pipe2(ends.data(), O_CLOEXEC | O_NONBLOCK) != 0) {
        return;
    }
    readEnd_ = ends[0];
    writeEnd_ = ends[1];
    signalPipe = writeEnd_;
    struct sigaction action {};
    action.sa_handler = &onTerminationSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : kSignals) {
        sigaction(signal, &action, nullptr);
    }
}

TerminationSignals::~TerminationSignals() {
    if (readEnd_ < 0) {
        return;
    }
    struct sigaction action {};
    action.sa_handler = SIG_DFL;
    sigemptyset(&action.sa_mask);
    for (int signal : kSignals) {
        sigaction(signal, &action, nullptr);
    }
    signalPipe = -1;
    close(readEnd_);
    close(writeEnd_);
}

bool TerminationSignals::drain() {
    bool any = false;
    std::array<char, 64> bytes{};
    while (readEnd_ >= 0 && read(readEnd_, bytes.data(), bytes.size()) > 0) {
        any = true;
    }
    return any;
}

}  // namespace quillo::linux_platform
