// The activity monitor's rules: what counts as the user doing something, when
// the screen saver is due, and what input ends it. The Win32 side feeds it
// the cursor, the keyboard state and the system's last-input time.
#pragma once

#include <cstdint>

namespace festoon {

// The bytes of the three lock keys that the keyboard lights write.
constexpr int kLockKeyCount = 3;
extern const int kLockKeys[kLockKeyCount];

struct ActivityMonitor {
    std::uint32_t lastActivity = 0;
    bool primed = false;
    int x = 0, y = 0;
    unsigned char keys[256] = {};
    bool haveInputTick = false;
    std::uint32_t inputTick = 0;
};

struct ActivitySample {
    int x = 0, y = 0;
    const unsigned char* keys = nullptr; // 256 bytes; null when unreadable
    bool haveInputTick = false;          // the system reported its last-input time
    std::uint32_t inputTick = 0;
};

void NoteActivity(ActivityMonitor& m, std::uint32_t now);

// One poll. The first only takes the sample; later ones record activity when
// the cursor moved, a key-state byte changed or the system saw input since.
// Returns 1 when activity was recorded.
int PollActivity(ActivityMonitor& m, const ActivitySample& s, std::uint32_t now);

// The program itself wrote the lock-key bytes (keyboard lights): the next
// poll must not take its own writing for the user's.
void NoteOwnKeyWrite(ActivityMonitor& m, const unsigned char keys[256]);

// Reads a mouse button as GetAsyncKeyState does: negative while held down,
// greater than 0 when pressed and released since the previous query.
using AsyncKeyFn = short (*)(int vk);

// The idle delay in milliseconds for SSDelay minutes of minuteMs each;
// negative delays count as 0 and delays beyond a day as a day.
std::uint32_t SaverDelayMs(int minutes, std::uint32_t minuteMs = 60000);

// 1 when the screen saver should start now, delayMs after the last activity.
// A click made since the previous query counts as activity (and is
// recorded); a button held down does not.
int SaverDue(ActivityMonitor& m, bool enabled, std::uint32_t delayMs, bool running,
             std::uint32_t now, AsyncKeyFn asyncKey);

// With mouse movement ending the saver: true when (x, y) lies outside the
// square from start - 10 (inside) to start + 10 (outside).
bool MouseMoveEnds(int startX, int startY, int x, int y);

} // namespace festoon
