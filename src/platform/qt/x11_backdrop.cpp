#include "platform/qt/x11_backdrop.hpp"

#include <xcb/xcb.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPointer>
#include <QRegion>
#include <QSize>
#include <QTimer>
#include <QWebEngineView>
#include <QWidget>
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <memory>

namespace quillo::qt {
namespace {

// How long the background stays after the window was shown.
constexpr int kBackdropMs = 1000;
// Rows sent in one request: well under the core protocol's request size.
constexpr int kRowsPerRequest = 32;

xcb_connection_t* x11Connection() {
    auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 != nullptr ? x11->connection() : nullptr;
}

// The window as it will look, browser views left out (they paint through
// the engine; their place shows the window's colour), in the device pixels
// of the native window: on a scaled screen the picture is drawn at the
// window's device pixel ratio, as the toolkit draws the window itself.
QImage finishedLook(QWidget& window, QSize devicePixels) {
    QImage image(devicePixels, QImage::Format_RGB32);
    image.setDevicePixelRatio(window.devicePixelRatioF());
    image.fill(window.palette().color(QPalette::Window));
    QRegion region(window.rect());
    for (const QWebEngineView* view : window.findChildren<QWebEngineView*>()) {
        if (view->window() == &window && !view->isHidden()) {
            region -= QRect(view->mapTo(&window, QPoint(0, 0)), view->size());
        }
    }
    QPainter painter(&image);
    window.render(&painter, QPoint(), region,
                  QWidget::DrawWindowBackground | QWidget::DrawChildren);
    return image;
}

void setBackPixmap(xcb_connection_t* connection, xcb_window_t window, xcb_pixmap_t pixmap) {
    const std::uint32_t value = pixmap;
    xcb_change_window_attributes(connection, window, XCB_CW_BACK_PIXMAP, &value);
    xcb_flush(connection);
}

}  // namespace

void setFirstFrameBackdrop(QWidget& window) {
    xcb_connection_t* connection = x11Connection();
    // Pixels go as the little-endian 32-bit words QImage holds.
    if (connection == nullptr ||
        xcb_get_setup(connection)->image_byte_order != XCB_IMAGE_ORDER_LSB_FIRST ||
        window.width() <= 0 || window.height() <= 0) {
        return;
    }
    const auto id = static_cast<xcb_window_t>(window.winId());  // the native window now
    const std::unique_ptr<xcb_get_geometry_reply_t, decltype(&std::free)> geometry(
        xcb_get_geometry_reply(connection, xcb_get_geometry(connection, id), nullptr), &std::free);
    // 32 bits a pixel in the server's image format: depths 24 and 32 only.
    if (!geometry || (geometry->depth != 24 && geometry->depth != 32)) {
        return;
    }
    const QImage image = finishedLook(window, QSize(geometry->width, geometry->height));
    const xcb_pixmap_t pixmap = xcb_generate_id(connection);
    xcb_create_pixmap(connection, geometry->depth, pixmap, id,
                      static_cast<std::uint16_t>(image.width()),
                      static_cast<std::uint16_t>(image.height()));
    const xcb_gcontext_t gc = xcb_generate_id(connection);
    xcb_create_gc(connection, gc, pixmap, 0, nullptr);
    for (int top = 0; top < image.height(); top += kRowsPerRequest) {
        const int rows = std::min(kRowsPerRequest, image.height() - top);
        xcb_put_image(connection, XCB_IMAGE_FORMAT_Z_PIXMAP, pixmap, gc,
                      static_cast<std::uint16_t>(image.width()), static_cast<std::uint16_t>(rows),
                      0, static_cast<std::int16_t>(top), 0, geometry->depth,
                      static_cast<std::uint32_t>(rows * image.bytesPerLine()),
                      image.constScanLine(top));
    }
    xcb_free_gc(connection, gc);
    setBackPixmap(connection, id, pixmap);
    // The window holds the picture as long as it is its background.
    xcb_free_pixmap(connection, pixmap);
    QTimer::singleShot(kBackdropMs, &window, [&window, connection, id] {
        if (window.internalWinId() == id) {
            setBackPixmap(connection, id, XCB_BACK_PIXMAP_NONE);
        }
    });
}

}  // namespace quillo::qt
