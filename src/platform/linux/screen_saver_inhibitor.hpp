#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace quillo::linux_platform {

// Switches the desktop's screen saver off and on again through the
// org.freedesktop.ScreenSaver D-Bus service of the session. The inhibition
// belongs to this process's bus connection, which lives as long as the
// object, so it also ends when the process ends. Where there is no session
// bus or no such service, nothing happens.
class ScreenSaverInhibitor {
public:
    // The session bus of the desktop.
    ScreenSaverInhibitor();
    // The bus at that D-Bus address instead.
    explicit ScreenSaverInhibitor(std::string busAddress);
    // Releases an inhibition still held.
    ~ScreenSaverInhibitor();
    ScreenSaverInhibitor(const ScreenSaverInhibitor&) = delete;
    ScreenSaverInhibitor& operator=(const ScreenSaverInhibitor&) = delete;

    // active false: inhibit (once; repeated calls keep the one inhibition);
    // active true: release the inhibition held, if any.
    void setActive(bool active);

    bool inhibited() const { return cookie_.has_value(); }

private:
    struct Bus;
    Bus* bus();

    std::string busAddress_;  // empty: the session bus
    std::unique_ptr<Bus> bus_;
    bool busFailed_ = false;
    std::optional<std::uint32_t> cookie_;
};

}  // namespace quillo::linux_platform
