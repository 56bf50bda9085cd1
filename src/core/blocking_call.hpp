#pragma once

#include <functional>

namespace quillo {

// How a thread that serves events waits for work that blocks (a network
// request). The caller sees one blocking call either way; an implementation
// may run the work on another thread and keep serving its event loop until
// the work has ended.
class BlockingCallRunner {
public:
    virtual ~BlockingCallRunner() = default;

    // Runs `work` and returns once it has ended: true. An implementation may
    // also give up waiting before (the caller no longer wants the result):
    // false, or an exception of its own; the work may then still be running
    // on another thread, so it must own everything it touches.
    virtual bool runBlocking(std::function<void()> work) = 0;
};

// Runs the work on the calling thread.
class InlineCallRunner final : public BlockingCallRunner {
public:
    bool runBlocking(std::function<void()> work) override {
        work();
        return true;
    }
};

}  // namespace quillo
