#include "platform/qt/display_platform.hpp"

#include <QByteArray>
#include <QtGlobal>

namespace quillo::qt {

void preferXWayland() {
    if (qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        return;
    }
    const bool wayland = qEnvironmentVariableIsSet("WAYLAND_DISPLAY") ||
                         qgetenv("XDG_SESSION_TYPE") == QByteArrayLiteral("wayland");
    if (wayland && !qEnvironmentVariableIsEmpty("DISPLAY")) {
        qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("xcb"));
    }
}

}  // namespace quillo::qt
