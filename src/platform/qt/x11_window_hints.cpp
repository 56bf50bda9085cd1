#include "platform/qt/x11_window_hints.hpp"

#include <xcb/xcb.h>

#include <QGuiApplication>
#include <QWidget>
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string_view>
#include <vector>

namespace quillo::qt {
namespace {

// WM_HINTS (ICCCM 4.1.2.4): nine 32-bit fields, the first being the flags.
constexpr std::uint32_t kStateHint = 1U << 1;
constexpr std::uint32_t kUrgencyHint = 1U << 8;
constexpr std::uint32_t kNormalState = 1;
constexpr std::uint32_t kIconicState = 3;
constexpr std::size_t kFlags = 0;
constexpr std::size_t kInitialState = 2;
constexpr std::uint32_t kHintFields = 9;

// _NET_WM_STATE client message actions and source (EWMH).
constexpr std::uint32_t kStateRemove = 0;
constexpr std::uint32_t kSourceApplication = 1;

template <typename T>
using Reply = std::unique_ptr<T, decltype(&std::free)>;

xcb_connection_t* x11Connection() {
    auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 != nullptr ? x11->connection() : nullptr;
}

xcb_atom_t atom(xcb_connection_t* connection, std::string_view name) {
    const Reply<xcb_intern_atom_reply_t> reply(
        xcb_intern_atom_reply(
            connection,
            xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(name.size()), name.data()),
            nullptr),
        &std::free);
    return reply ? reply->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
}

// The window's native id when it has one on an X server.
xcb_window_t nativeWindow(const QWidget& window) {
    return static_cast<xcb_window_t>(window.internalWinId());
}

// Rewrites the WM_HINTS fields through `change`; nothing when the window
// has none.
template <typename Change>
void changeWmHints(xcb_connection_t* connection, xcb_window_t window, Change change) {
    const Reply<xcb_get_property_reply_t> reply(
        xcb_get_property_reply(connection,
                               xcb_get_property(connection, 0, window, XCB_ATOM_WM_HINTS,
                                                XCB_ATOM_WM_HINTS, 0, kHintFields),
                               nullptr),
        &std::free);
    if (!reply || reply->format != 32 || xcb_get_property_value_length(reply.get()) <= 0) {
        return;
    }
    std::array<std::uint32_t, kHintFields> hints{};
    const auto length = static_cast<std::size_t>(xcb_get_property_value_length(reply.get())) / 4;
    const auto* values = static_cast<const std::uint32_t*>(xcb_get_property_value(reply.get()));
    for (std::size_t i = 0; i < length && i < hints.size(); ++i) {
        hints[i] = values[i];
    }
    if (!change(hints)) {
        return;
    }
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, window, XCB_ATOM_WM_HINTS,
                        XCB_ATOM_WM_HINTS, 32, kHintFields, hints.data());
}

void withdrawAttention(xcb_connection_t* connection, xcb_window_t window) {
    changeWmHints(connection, window, [](std::array<std::uint32_t, kHintFields>& hints) {
        if ((hints[kFlags] & kUrgencyHint) == 0) {
            return false;
        }
        hints[kFlags] &= ~kUrgencyHint;
        return true;
    });
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    if (screen == nullptr) {
        return;
    }
    xcb_client_message_event_t event{};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = window;
    event.type = atom(connection, "_NET_WM_STATE");
    event.data.data32[0] = kStateRemove;
    event.data.data32[1] = atom(connection, "_NET_WM_STATE_DEMANDS_ATTENTION");
    event.data.data32[2] = 0;
    event.data.data32[3] = kSourceApplication;
    xcb_send_event(connection, 0, screen->root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                   reinterpret_cast<const char*>(&event));
    xcb_flush(connection);
}

bool demandsAttention(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t state,
                      xcb_atom_t demands) {
    const Reply<xcb_get_property_reply_t> reply(
        xcb_get_property_reply(connection,
                               xcb_get_property(connection, 0, window, state, XCB_ATOM_ATOM, 0, 64),
                               nullptr),
        &std::free);
    if (!reply || reply->format != 32) {
        return false;
    }
    const auto count = static_cast<std::size_t>(xcb_get_property_value_length(reply.get())) / 4;
    const auto* atoms = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply.get()));
    for (std::size_t i = 0; i < count; ++i) {
        if (atoms[i] == demands) {
            return true;
        }
    }
    return false;
}

// The window's WM_PROTOCOLS atoms.
std::vector<xcb_atom_t> protocols(xcb_connection_t* connection, xcb_window_t window,
                                  xcb_atom_t property) {
    const Reply<xcb_get_property_reply_t> reply(
        xcb_get_property_reply(
            connection, xcb_get_property(connection, 0, window, property, XCB_ATOM_ATOM, 0, 32),
            nullptr),
        &std::free);
    if (!reply || reply->format != 32) {
        return {};
    }
    const auto count = static_cast<std::size_t>(xcb_get_property_value_length(reply.get())) / 4;
    const auto* atoms = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply.get()));
    return {atoms, atoms + count};
}

}  // namespace

void announceTakeFocus(QWidget& window, bool announce) {
    xcb_connection_t* connection = x11Connection();
    const xcb_window_t id = nativeWindow(window);
    if (connection == nullptr || id == 0) {
        return;
    }
    const xcb_atom_t property = atom(connection, "WM_PROTOCOLS");
    const xcb_atom_t takeFocus = atom(connection, "WM_TAKE_FOCUS");
    std::vector<xcb_atom_t> atoms = protocols(connection, id, property);
    const bool announced = std::find(atoms.begin(), atoms.end(), takeFocus) != atoms.end();
    if (announced == announce) {
        return;
    }
    if (announce) {
        atoms.push_back(takeFocus);
    } else {
        std::erase(atoms, takeFocus);
    }
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, id, property, XCB_ATOM_ATOM, 32,
                        static_cast<std::uint32_t>(atoms.size()), atoms.data());
    xcb_flush(connection);
}

void clearIconicHint(QWidget& window) {
    xcb_connection_t* connection = x11Connection();
    const xcb_window_t id = nativeWindow(window);
    if (connection == nullptr || id == 0) {
        return;
    }
    changeWmHints(connection, id, [](std::array<std::uint32_t, kHintFields>& hints) {
        if ((hints[kFlags] & kStateHint) == 0 || hints[kInitialState] != kIconicState) {
            return false;
        }
        hints[kInitialState] = kNormalState;
        return true;
    });
    xcb_flush(connection);
}

void withdrawAttention(QWidget& window) {
    xcb_connection_t* connection = x11Connection();
    const xcb_window_t id = nativeWindow(window);
    if (connection != nullptr && id != 0) {
        withdrawAttention(connection, id);
    }
}

void AttentionRefusal::add(QWidget& window) {
    if (x11Connection() != nullptr) {
        windows_.emplace_back(&window);
    }
}

void AttentionRefusal::remove(QWidget& window) {
    std::erase_if(windows_, [&window](const QPointer<QWidget>& registered) {
        return registered.isNull() || registered == &window;
    });
}

bool AttentionRefusal::nativeEventFilter(const QByteArray& eventType, void* message,
                                         qintptr* /*result*/) {
    if (windows_.empty() || eventType != "xcb_generic_event_t") {
        return false;
    }
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    if ((event->response_type & 0x7F) != XCB_PROPERTY_NOTIFY) {
        return false;
    }
    const auto* change = static_cast<const xcb_property_notify_event_t*>(message);
    const bool registered =
        std::any_of(windows_.begin(), windows_.end(), [change](const QPointer<QWidget>& window) {
            return !window.isNull() && nativeWindow(*window) == change->window;
        });
    if (change->state != XCB_PROPERTY_NEW_VALUE || !registered) {
        return false;
    }
    xcb_connection_t* connection = x11Connection();
    if (connection == nullptr) {
        return false;
    }
    if (change->atom == XCB_ATOM_WM_HINTS) {
        withdrawAttention(connection, change->window);
        return false;
    }
    const xcb_atom_t state = atom(connection, "_NET_WM_STATE");
    if (change->atom == state &&
        demandsAttention(connection, change->window, state,
                         atom(connection, "_NET_WM_STATE_DEMANDS_ATTENTION"))) {
        withdrawAttention(connection, change->window);
    }
    return false;
}

}  // namespace quillo::qt
