#pragma once

#include <chrono>
#include <optional>

namespace fr {

/// Decides when the window is painted while a run holds the event loop: at most once per
/// interval, and always when a paint is forced.
class RepaintThrottle {
public:
    using Clock = std::chrono::steady_clock;

    explicit RepaintThrottle(Clock::duration interval = std::chrono::milliseconds(20))
        : interval_(interval) {}

    /// True when a paint is due at `now`; a due paint counts as done.
    bool due(Clock::time_point now, bool forced);

private:
    Clock::duration interval_;
    std::optional<Clock::time_point> lastPaint_;
};

} // namespace fr
