#include "platform/linux/screen_saver_inhibitor.hpp"

#include <dbus/dbus.h>

#include <utility>

namespace quillo::linux_platform {
namespace {

constexpr const char* kService = "org.freedesktop.ScreenSaver";
constexpr const char* kObject = "/org/freedesktop/ScreenSaver";
constexpr const char* kInterface = "org.freedesktop.ScreenSaver";
constexpr const char* kApplication = "Quillo";
constexpr const char* kReason = "Playing video";
constexpr int kReplyTimeoutMs = 2000;

struct MessageDeleter {
    void operator()(DBusMessage* message) const { dbus_message_unref(message); }
};
using Message = std::unique_ptr<DBusMessage, MessageDeleter>;

// A DBusError that is always freed.
class Error {
public:
    Error() { dbus_error_init(&error_); }
    ~Error() { dbus_error_free(&error_); }
    Error(const Error&) = delete;
    Error& operator=(const Error&) = delete;
    DBusError* get() { return &error_; }

private:
    DBusError error_;
};

}  // namespace

// A private connection to the session bus, closed with the object.
struct ScreenSaverInhibitor::Bus {
    DBusConnection* connection = nullptr;

    explicit Bus(DBusConnection* c) : connection(c) {}
    ~Bus() {
        dbus_connection_close(connection);
        dbus_connection_unref(connection);
    }
    Bus(const Bus&) = delete;
    Bus& operator=(const Bus&) = delete;

    // Calls a method and returns its reply, or null on any failure.
    Message call(Message request) const {
        Error error;
        DBusMessage* reply = dbus_connection_send_with_reply_and_block(
            connection, request.get(), kReplyTimeoutMs, error.get());
        return Message(reply);
    }
};

namespace {

// The connection opened on its own address must introduce itself to the bus
// before it can call anyone.
DBusConnection* openBus(const std::string& address) {
    Error error;
    if (address.empty()) {
        return dbus_bus_get_private(DBUS_BUS_SESSION, error.get());
    }
    DBusConnection* connection = dbus_connection_open_private(address.c_str(), error.get());
    if (connection == nullptr) {
        return nullptr;
    }
    if (!dbus_bus_register(connection, error.get())) {
        dbus_connection_close(connection);
        dbus_connection_unref(connection);
        return nullptr;
    }
    return connection;
}

}  // namespace

ScreenSaverInhibitor::ScreenSaverInhibitor() = default;

ScreenSaverInhibitor::ScreenSaverInhibitor(std::string busAddress)
    : busAddress_(std::move(busAddress)) {}

ScreenSaverInhibitor::~ScreenSaverInhibitor() {
    // Closing the connection would end the inhibition too; saying so lets
    // the service drop it at once.
    setActive(true);
}

ScreenSaverInhibitor::Bus* ScreenSaverInhibitor::bus() {
    if (!bus_ && !busFailed_) {
        DBusConnection* connection = openBus(busAddress_);
        if (connection == nullptr) {
            busFailed_ = true;
            return nullptr;
        }
        // A lost bus must not end the program.
        dbus_connection_set_exit_on_disconnect(connection, FALSE);
        bus_ = std::make_unique<Bus>(connection);
    }
    return bus_.get();
}

void ScreenSaverInhibitor::setActive(bool active) {
    if (active == !cookie_.has_value()) {
        return;
    }
    Bus* connection = bus();
    if (connection == nullptr) {
        return;
    }
    if (!active) {
        Message request(dbus_message_new_method_call(kService, kObject, kInterface, "Inhibit"));
        if (!request) {
            return;
        }
        const char* application = kApplication;
        const char* reason = kReason;
        dbus_message_append_args(request.get(), DBUS_TYPE_STRING, &application, DBUS_TYPE_STRING,
                                 &reason, DBUS_TYPE_INVALID);
        const Message reply = connection->call(std::move(request));
        dbus_uint32_t cookie = 0;
        Error error;
        if (reply && dbus_message_get_args(reply.get(), error.get(), DBUS_TYPE_UINT32, &cookie,
                                           DBUS_TYPE_INVALID)) {
            cookie_ = cookie;
        }
        return;
    }
    Message request(dbus_message_new_method_call(kService, kObject, kInterface, "UnInhibit"));
    if (!request) {
        return;
    }
    dbus_uint32_t cookie = *cookie_;
    dbus_message_append_args(request.get(), DBUS_TYPE_UINT32, &cookie, DBUS_TYPE_INVALID);
    connection->call(std::move(request));
    cookie_.reset();
}

}  // namespace quillo::linux_platform
