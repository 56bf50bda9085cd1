#pragma once

#include <QElapsedTimer>
#include <QRect>
#include <optional>

namespace quillo::qt {

// Tells a window's own geometry requests from moves of the user or the
// window manager. A requested geometry is waited for a while: reports that
// arrive before it are older states still on their way, not moves.
class PendingGeometry {
public:
    // The program asked the window system for `wanted`.
    void requested(QRect wanted);

    // The window system reports `actual`: true when it is a move of its own
    // that the model should learn, false while a request is outstanding.
    bool isOutsideMove(QRect actual);

private:
    std::optional<QRect> pending_;
    QElapsedTimer since_;
};

}  // namespace quillo::qt
