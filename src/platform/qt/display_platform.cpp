#include "platform/qt/display_platform.hpp"

#include <QByteArray>
#include <QGuiApplication>
#include <QLoggingCategory>
#include <QtGlobal>
#include <array>
#include <string_view>

namespace quillo::qt {
namespace {

Q_LOGGING_CATEGORY(placementLog, "quillo.platform")

// Qt platforms that draw without a window system's display.
constexpr std::array<std::string_view, 6> kPlatformsWithoutDisplay{
    "offscreen", "minimal", "linuxfb", "eglfs", "vnc", "vkkhrdisplay"};

bool named(const EnvironmentLookup& environment, const char* variable) {
    const char* value = environment(variable);
    return value != nullptr && *value != '\0';
}

}  // namespace

std::string_view missingDisplayMessage(const EnvironmentLookup& environment) {
    if (named(environment, "DISPLAY") || named(environment, "WAYLAND_DISPLAY")) {
        return {};
    }
    if (named(environment, "QT_QPA_PLATFORM")) {
        // "name:option=value;other": the first platform Qt tries.
        std::string_view platform = environment("QT_QPA_PLATFORM");
        platform = platform.substr(0, platform.find_first_of(":;"));
        for (std::string_view without : kPlatformsWithoutDisplay) {
            if (platform == without) {
                return {};
            }
        }
    }
    return "no display: set DISPLAY or WAYLAND_DISPLAY";
}

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

bool clientPlacesWindows() {
    return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

void reportWindowPlacement() {
    if (!clientPlacesWindows()) {
        qCWarning(placementLog).noquote()
            << "running as a native Wayland client: the compositor places the windows, so they"
               " open where it puts them (the main window keeps its size and state, not its"
               " place; the corner pop-up stands in the main window's corner); set DISPLAY to"
               " run through XWayland";
    }
}

}  // namespace quillo::qt
