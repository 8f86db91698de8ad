// How long the main loop may sleep before its idle work is due again.
#pragma once

#include <cstdint>

namespace festoon {

// While the screen saver is enabled, the activity monitor polls at least
// this often.
constexpr std::uint32_t kActivityPollMs = 100;
// No idle work is due: wait for the next message, however long.
constexpr std::uint32_t kWaitForever = 0xFFFFFFFFu;

// Milliseconds the loop may wait for messages. With idle stepping on, that is
// until the next gated step is due (lastStepTick 0 means: due now). The
// activity poll caps it while activityPoll is set; the poll only feeds the
// screen saver's idle test, so without the saver there is nothing to poll.
std::uint32_t IdleWaitMs(bool idleProcess, bool activityPoll, std::uint32_t lastStepTick,
                         std::uint32_t stepInterval, std::uint32_t now);

} // namespace festoon
