#pragma once

#include <functional>
#include <memory>

class QSocketNotifier;

namespace quillo::qt {

// Calls `onReadable` from the event loop (the main one or a wait's) whenever
// the descriptor has something to read. A descriptor below 0 is not watched.
class DescriptorWatch {
public:
    DescriptorWatch(int descriptor, std::function<void()> onReadable);
    ~DescriptorWatch();
    DescriptorWatch(const DescriptorWatch&) = delete;
    DescriptorWatch& operator=(const DescriptorWatch&) = delete;

private:
    std::unique_ptr<QSocketNotifier> notifier_;
};

}  // namespace quillo::qt
