#include "platform/headless/timer_schedule.hpp"

#include <algorithm>

namespace quillo {

std::vector<TimerSchedule::Timer>::iterator TimerSchedule::findTimer(std::string_view window,
                                                                     std::string_view control) {
    return std::find_if(timers_.begin(), timers_.end(),
                        [&](const Timer& t) { return t.window == window && t.control == control; });
}

void TimerSchedule::start(std::string_view window, std::string_view control, int interval,
                          std::int64_t now) {
    stop(window, control);
    if (interval <= 0) {
        return;
    }
    timers_.push_back(
        {std::string(window), std::string(control), interval, now + interval, ++starts_});
}

void TimerSchedule::stop(std::string_view window, std::string_view control) {
    auto it = findTimer(window, control);
    if (it != timers_.end()) {
        timers_.erase(it);
    }
}

void TimerSchedule::stopWindow(std::string_view window) {
    std::erase_if(timers_, [window](const Timer& t) { return t.window == window; });
}

std::optional<TimerSchedule::Tick> TimerSchedule::takeDue(std::int64_t until) {
    auto earliest =
        std::min_element(timers_.begin(), timers_.end(), [](const Timer& a, const Timer& b) {
            return a.due != b.due ? a.due < b.due : a.order < b.order;
        });
    if (earliest == timers_.end() || earliest->due > until) {
        return std::nullopt;
    }
    Tick tick{earliest->window, earliest->control, earliest->due};
    earliest->due += earliest->interval;
    return tick;
}

std::optional<std::int64_t> TimerSchedule::nextTick(std::string_view window,
                                                    std::string_view control) const {
    auto it = std::find_if(timers_.begin(), timers_.end(), [&](const Timer& t) {
        return t.window == window && t.control == control;
    });
    if (it == timers_.end()) {
        return std::nullopt;
    }
    return it->due;
}

}  // namespace quillo
