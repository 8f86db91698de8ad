// The rules of the screen saver setup dialog that do not need a window: how
// the delay field is read and checked, and how the message is cut to fit.
#pragma once

#include <cstddef>

namespace festoon {

constexpr int kMinSaverDelay = 1;
constexpr int kMaxSaverDelay = 60;
extern const char kSaverDelayMessage[]; // "Timeout must be between 1 and 60 minutes."

// Reads the delay field as decimal text (leading blanks skipped, an optional
// sign, then the leading digits; no digits read as 0). True, with the
// minutes, when the value lies in 1-60; a negative number is refused.
bool ParseSaverDelay(const char* text, int* minutes);

// Copies at most the first 31 characters of text into out (32 bytes) and
// terminates it.
void CutSaverMessage(const char* text, char* out, std::size_t outSize);

} // namespace festoon
