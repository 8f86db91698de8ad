// The main loop sleeps between idle steps instead of spinning on an empty
// queue: the step gate only fires once its interval has passed, so waking
// earlier would do nothing but burn a core.
#include "app/pacing.h"

namespace festoon {

std::uint32_t IdleWaitMs(bool idleProcess, bool activityPoll, std::uint32_t lastStepTick,
                         std::uint32_t stepInterval, std::uint32_t now) {
    const std::uint32_t cap = activityPoll ? kActivityPollMs : kWaitForever;
    if (!idleProcess) return cap;
    if (lastStepTick == 0) return 0;
    const std::uint32_t elapsed = now - lastStepTick;
    // The gate opens once elapsed exceeds the interval, i.e. at interval + 1.
    if (elapsed > stepInterval) return 0;
    const std::uint32_t left = stepInterval + 1 - elapsed;
    return left < cap ? left : cap;
}

} // namespace festoon
