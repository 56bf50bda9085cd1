#pragma once

#include <QAbstractNativeEventFilter>
#include <QByteArray>
#include <QPointer>
#include <QWidget>
#include <vector>

namespace quillo::qt {

// What an X11 window tells the window manager beyond what Qt offers. Under
// other platforms (Wayland, offscreen) each of these does nothing.

// The window maps in its normal state next time it is shown: a window once
// minimised keeps "initial state iconic" in its WM_HINTS even after it was
// hidden and its minimised state cleared, and would map as an icon again.
void clearIconicHint(QWidget& window);

// Whether the window announces the WM_TAKE_FOCUS protocol, which the toolkit
// announces on every window. A window that refuses input in its WM_HINTS but
// announces it is still one that window managers focus ("globally active",
// ICCCM 4.1.7), activate and, when they keep it from the focus, mark as
// asking for attention; without it, it is a window that takes no input at
// all, which they leave alone. Call once the window has its native window
// and again whenever it gets a new one.
void announceTakeFocus(QWidget& window, bool announce);

// Takes back a request for the user's attention (_NET_WM_STATE_DEMANDS_ATTENTION,
// the urgency hint) that the window manager set on the window, as some do
// for a window that opens without the focus.
void withdrawAttention(QWidget& window);

// Keeps the registered windows from ever asking for the user's attention:
// whenever the window manager marks one of them as demanding attention, the
// mark is taken back at once. Install it on the application while the X11
// platform runs.
class AttentionRefusal final : public QAbstractNativeEventFilter {
public:
    AttentionRefusal() = default;

    void add(QWidget& window);
    void remove(QWidget& window);

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

private:
    // Matched by their native window at each event: showing a widget may
    // make its native window anew.
    std::vector<QPointer<QWidget>> windows_;
};

}  // namespace quillo::qt
