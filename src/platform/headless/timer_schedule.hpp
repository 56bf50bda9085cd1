#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillo {

// The running timers of the headless backend on its virtual clock, in
// milliseconds. A timer started at t with interval I ticks at t+I, t+2I ...
// Timers due at the same moment tick in the order they were (re)started.
class TimerSchedule {
public:
    struct Tick {
        std::string window;
        std::string control;
        std::int64_t at = 0;
    };

    // (Re)starts a timer from `now`; an interval of 0 or less stops it.
    void start(std::string_view window, std::string_view control, int interval, std::int64_t now);
    void stop(std::string_view window, std::string_view control);
    void stopWindow(std::string_view window);

    // Takes the earliest tick due at or before `until` and schedules that
    // timer's following tick; none when nothing is due.
    std::optional<Tick> takeDue(std::int64_t until);

    // The next tick of a running timer.
    std::optional<std::int64_t> nextTick(std::string_view window, std::string_view control) const;

private:
    struct Timer {
        std::string window;
        std::string control;
        int interval = 0;
        std::int64_t due = 0;
        std::uint64_t order = 0;
    };
    std::vector<Timer>::iterator findTimer(std::string_view window, std::string_view control);

    std::vector<Timer> timers_;
    std::uint64_t starts_ = 0;
};

}  // namespace quillo
