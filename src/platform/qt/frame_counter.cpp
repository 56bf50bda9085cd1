#include "platform/qt/frame_counter.hpp"

#include <QEvent>
#include <QLoggingCategory>
#include <QWidget>

namespace quillo::qt {
namespace {

Q_LOGGING_CATEGORY(frameLog, "quillo.frames")

}  // namespace

void FrameCounter::watch(QWidget& window) {
    if (frameLog().isDebugEnabled()) {
        new FrameCounter(window);  // owned by the window
    }
}

FrameCounter::FrameCounter(QWidget& window) : QObject(&window), window_(window) {
    window.installEventFilter(this);
}

bool FrameCounter::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &window_) {
        switch (event->type()) {
            case QEvent::UpdateRequest:
                // The widgets' repaint manager brings what changed (a
                // control, a page's new frame) to the screen.
                count("update");
                break;
            case QEvent::WinIdChange:
            case QEvent::Show:
                // The native window exists from here: its exposes compose
                // the window too.
                if (QWindow* handle = window_.windowHandle(); handle != handle_) {
                    if (!handle_.isNull()) {
                        handle_->removeEventFilter(this);
                    }
                    handle_ = handle;
                    if (handle != nullptr) {
                        handle->installEventFilter(this);
                    }
                }
                break;
            default:
                break;
        }
    } else if (watched == handle_ && event->type() == QEvent::Expose) {
        count("expose");
    }
    return QObject::eventFilter(watched, event);
}

void FrameCounter::count(const char* what) {
    ++frames_;
    qCDebug(frameLog).noquote() << QStringLiteral("frame %1 of %2 (%3)")
                                       .arg(frames_)
                                       .arg(window_.objectName(), QLatin1String(what));
}

}  // namespace quillo::qt
