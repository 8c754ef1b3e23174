#include "shell/window/RepaintThrottle.h"

namespace fr {

bool RepaintThrottle::due(Clock::time_point now, bool forced) {
    if (!forced && lastPaint_ && now - *lastPaint_ < interval_)
        return false;
    lastPaint_ = now;
    return true;
}

} // namespace fr
