// How long the main loop may sleep before its idle work is due again.
#pragma once

#include <cstdint>

namespace festoon {

// The activity monitor polls at least this often.
constexpr std::uint32_t kActivityPollMs = 100;

// Milliseconds the loop may wait for messages. With idle stepping on, that is
// until the next gated step is due (lastStepTick 0 means: due now), capped by
// the activity poll; without it, only the activity poll.
std::uint32_t IdleWaitMs(bool idleProcess, std::uint32_t lastStepTick, std::uint32_t stepInterval,
                         std::uint32_t now);

} // namespace festoon
