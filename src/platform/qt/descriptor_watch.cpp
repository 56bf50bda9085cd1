#include "platform/qt/descriptor_watch.hpp"

#include <QSocketNotifier>
#include <utility>

namespace quillo::qt {

DescriptorWatch::DescriptorWatch(int descriptor, std::function<void()> onReadable) {
    if (descriptor < 0) {
        return;
    }
    notifier_ = std::make_unique<QSocketNotifier>(descriptor, QSocketNotifier::Read);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, notifier_.get(),
                     [callback = std::move(onReadable)] { callback(); });
}

DescriptorWatch::~DescriptorWatch() = default;

}  // namespace quillo::qt
