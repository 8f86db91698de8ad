// The setup dialog's field rules. The delay is read the way the C library
// reads a number, but without its overflow: a long run of digits is simply
// too large rather than undefined.
#include "saver/setup.h"

#include "settings/settings.h"

namespace festoon {

const char kSaverDelayMessage[] = "Timeout must be between 1 and 60 minutes.";

bool ParseSaverDelay(const char* text, int* minutes) {
    if (text == nullptr) return false;
    const char* p = text;
    while (*p == ' ' || *p == '\t' || *p == '\n' || *p == '\r' || *p == '\f' || *p == '\v') ++p;
    bool negative = false;
    if (*p == '+' || *p == '-') negative = *p++ == '-';
    long long value = 0;
    for (; *p >= '0' && *p <= '9'; ++p) {
        value = value * 10 + (*p - '0');
        if (value > kMaxSaverDelay) return false;
    }
    // A negative number is far above 60 once taken as unsigned.
    if (negative && value != 0) return false;
    if (value < kMinSaverDelay) return false;
    *minutes = static_cast<int>(value);
    return true;
}

void CutSaverMessage(const char* text, char* out, std::size_t outSize) {
    if (out == nullptr || outSize == 0) return;
    std::size_t limit = outSize - 1;
    if (limit > static_cast<std::size_t>(kNameChars)) limit = kNameChars;
    std::size_t n = 0;
    if (text)
        for (; n < limit && text[n]; ++n) out[n] = text[n];
    out[n] = '\0';
}

} // namespace festoon
