// The activity monitor's rules, free of the platform so that the tests can
// feed it cursor positions, key states, clicks and times of their choosing.
#include "saver/monitor.h"

#include <cstring>

#include "lights/random.h"

namespace festoon {

// Num Lock, Caps Lock and Scroll Lock, in bulb order.
const int kLockKeys[kLockKeyCount] = {0x90, 0x14, 0x91};

namespace {

// VK_LBUTTON and VK_RBUTTON, tested in this order.
const int kButtons[2] = {0x01, 0x02};
// Longer delays than a day are not meant; capping keeps the product in range.
constexpr int kMaxDelayMinutes = 24 * 60;
constexpr int kMoveSlack = 10;

} // namespace

void NoteActivity(ActivityMonitor& m, std::uint32_t now) { m.lastActivity = now; }

int PollActivity(ActivityMonitor& m, const ActivitySample& s, std::uint32_t now) {
    if (!m.primed) {
        m.x = s.x;
        m.y = s.y;
        if (s.keys) std::memcpy(m.keys, s.keys, sizeof m.keys);
        m.haveInputTick = s.haveInputTick;
        m.inputTick = s.inputTick;
        m.primed = true;
        return 0;
    }
    bool active = s.x != m.x || s.y != m.y;
    if (s.keys && std::memcmp(s.keys, m.keys, sizeof m.keys) != 0) active = true;
    // The keyboard state only shows this thread's keys; the system's
    // last-input time also sees typing in other programs.
    if (s.haveInputTick && m.haveInputTick && s.inputTick != m.inputTick) active = true;
    m.x = s.x;
    m.y = s.y;
    if (s.keys) std::memcpy(m.keys, s.keys, sizeof m.keys);
    m.haveInputTick = s.haveInputTick;
    m.inputTick = s.inputTick;
    if (active) NoteActivity(m, now);
    return active ? 1 : 0;
}

void NoteOwnKeyWrite(ActivityMonitor& m, const unsigned char keys[256]) {
    if (!m.primed) return;
    for (int vk : kLockKeys) m.keys[vk] = keys[vk];
}

std::uint32_t SaverDelayMs(int minutes, std::uint32_t minuteMs) {
    if (minutes < 0) minutes = 0;
    if (minutes > kMaxDelayMinutes) minutes = kMaxDelayMinutes;
    if (minuteMs > 60000) minuteMs = 60000;
    return static_cast<std::uint32_t>(minutes) * minuteMs;
}

int SaverDue(ActivityMonitor& m, bool enabled, std::uint32_t delayMs, bool running,
             std::uint32_t now, AsyncKeyFn asyncKey) {
    if (!enabled) return 0;
    // Measured as a difference, so the test keeps working when the tick
    // count wraps after 49.7 days.
    if (!TickPassed(m.lastActivity, delayMs, now)) return 0;
    if (running) return 0;
    if (asyncKey) {
        for (int vk : kButtons) {
            if (asyncKey(vk) > 0) {
                NoteActivity(m, now);
                return 0;
            }
        }
    }
    return 1;
}

bool MouseMoveEnds(int startX, int startY, int x, int y) {
    const bool inside = x >= startX - kMoveSlack && x < startX + kMoveSlack &&
                        y >= startY - kMoveSlack && y < startY + kMoveSlack;
    return !inside;
}

} // namespace festoon
