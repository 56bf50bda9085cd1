#include "platform/qt/window_geometry.hpp"

namespace quillo::qt {
namespace {

// A geometry the window system has not confirmed yet is waited for this
// long; later reports count as moves of the user or the window manager.
constexpr qint64 kGeometryConfirmMs = 1000;

}  // namespace

void PendingGeometry::requested(QRect wanted) {
    pending_ = wanted;
    since_.start();
}

bool PendingGeometry::isOutsideMove(QRect actual) {
    if (pending_ && since_.elapsed() < kGeometryConfirmMs) {
        if (actual == *pending_) {
            pending_.reset();
        }
        return false;
    }
    pending_.reset();
    return true;
}

}  // namespace quillo::qt
