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

    // Runs `work` to its end and returns after it.
    virtual void runBlocking(const std::function<void()>& work) = 0;
};

// Runs the work on the calling thread.
class InlineCallRunner final : public BlockingCallRunner {
public:
    void runBlocking(const std::function<void()>& work) override { work(); }
};

}  // namespace quillo
