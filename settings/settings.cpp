// Load and save of the settings record: key order, defaults and clamps.
#include "settings/settings.h"

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace festoon {

const char kSettingsSection[] = "Settings";
const char kMusicSection[] = "Music";
const char kFirstTune[] = "xmastune.mid";

namespace {

enum class Clamp { None, Switch, Range, Delay };

struct IntKey {
    const char* key;
    int Settings::*field;
    int def;
    Clamp clamp;
    int lo, hi;
};

// In the order load reads them.
const IntKey kLoadKeys[] = {
    {"Mode", &Settings::Mode, 3, Clamp::Range, 0, 5},
    {"Color", &Settings::Color, 8, Clamp::Range, -1, 9},
    {"Rate", &Settings::Rate, 2, Clamp::Range, 0, 4},
    {"BackColor", &Settings::BackColor, 0, Clamp::None, 0, 0},
    {"Broken", &Settings::Broken, 0, Clamp::Switch, 0, 0},
    {"BurnedOut", &Settings::BurnedOut, 0, Clamp::Switch, 0, 0},
    {"SSType", &Settings::SSType, 0, Clamp::Range, 0, 6},
    {"BulbType", &Settings::BulbType, 0, Clamp::Range, -1, 26},
    {"Power", &Settings::Power, 1, Clamp::Switch, 0, 0},
    {"Music", &Settings::Music, 1, Clamp::Switch, 0, 0},
    {"WarnMusic", &Settings::WarnMusic, 1, Clamp::Switch, 0, 0},
    {"NotSoMany", &Settings::NotSoMany, 1, Clamp::Switch, 0, 0},
    {"MissingBulbs", &Settings::MissingBulbs, 0, Clamp::Switch, 0, 0},
    {"ScreenSaver", &Settings::ScreenSaver, 0, Clamp::Switch, 0, 0},
    {"NoFlicker", &Settings::NoFlicker, 0, Clamp::Switch, 0, 0},
    {"OnTop", &Settings::OnTop, 0, Clamp::None, 0, 0},
    {"Zoom", &Settings::Zoom, 1, Clamp::Switch, 0, 0},
    {"Sound", &Settings::Sound, 1, Clamp::Switch, 0, 0},
    {"StartOptions", &Settings::StartOptions, 1, Clamp::Switch, 0, 0},
    {"ChangeLights", &Settings::ChangeLights, 1, Clamp::Switch, 0, 0},
    {"IdleProcess", &Settings::IdleProcess, 0, Clamp::Switch, 0, 0},
    {"WarnPower", &Settings::WarnPower, 1, Clamp::Switch, 0, 0},
    {"KeyLights", &Settings::KeyLights, 0, Clamp::Switch, 0, 0},
    {"SSMouseMove", &Settings::SSMouseMove, 1, Clamp::Switch, 0, 0},
    {"OwnWindow", &Settings::OwnWindow, 0, Clamp::Switch, 0, 0},
    {"SSDelay", &Settings::SSDelay, 5, Clamp::Delay, 0, 0},
    {"SSMouseClick", &Settings::SSMouseClick, 1, Clamp::Switch, 0, 0},
    {"IgnoreWinSS", &Settings::IgnoreWinSS, 1, Clamp::Switch, 0, 0},
    {"ShowEvents", &Settings::ShowEvents, 0, Clamp::None, 0, 0},
    {"SSLogo", &Settings::SSLogo, 1, Clamp::None, 0, 0},
};

// In the order save writes them (a different order from load, kept so the
// file reads the same as it always has).
const struct {
    const char* key;
    int Settings::*field;
} kSaveKeys[] = {
    {"Mode", &Settings::Mode},
    {"Color", &Settings::Color},
    {"Rate", &Settings::Rate},
    {"SSType", &Settings::SSType},
    {"Broken", &Settings::Broken},
    {"BurnedOut", &Settings::BurnedOut},
    {"BulbType", &Settings::BulbType},
    {"Power", &Settings::Power},
    {"NoFlicker", &Settings::NoFlicker},
    {"Music", &Settings::Music},
    {"WarnMusic", &Settings::WarnMusic},
    {"NotSoMany", &Settings::NotSoMany},
    {"MissingBulbs", &Settings::MissingBulbs},
    {"ChangeLights", &Settings::ChangeLights},
    {"OnTop", &Settings::OnTop},
    {"OwnWindow", &Settings::OwnWindow},
    {"Zoom", &Settings::Zoom},
    {"Sound", &Settings::Sound},
    {"ScreenSaver", &Settings::ScreenSaver},
    {"StartOptions", &Settings::StartOptions},
    {"IdleProcess", &Settings::IdleProcess},
    {"WarnPower", &Settings::WarnPower},
    {"KeyLights", &Settings::KeyLights},
    {"SSMouseMove", &Settings::SSMouseMove},
    {"SSDelay", &Settings::SSDelay},
    {"SSMouseClick", &Settings::SSMouseClick},
    {"IgnoreWinSS", &Settings::IgnoreWinSS},
    {"ShowEvents", &Settings::ShowEvents},
    {"SSLogo", &Settings::SSLogo},
    {"BackColor", &Settings::BackColor},
};

const char* const kPlacementKeys[4] = {"EventNotify.left", "EventNotify.top", "EventNotify.right",
                                       "EventNotify.bottom"};

// A stored custom event is the name (up to 31 characters) plus "#MM DD", so
// it needs more room than the 31 characters of other text keys; reading it
// through a 32-byte buffer would cut the date off a long name and lose it.
constexpr std::size_t kEventTextSize = 64;

int ApplyClamp(const IntKey& k, int v) {
    switch (k.clamp) {
    case Clamp::Switch:
        return ClampSwitch(v);
    case Clamp::Range:
        return ClampRange(v, k.lo, k.hi);
    case Clamp::Delay:
        return ClampSSDelay(v);
    case Clamp::None:
        break;
    }
    return v;
}

// Reads a decimal number the way atoi does, but from at most len characters,
// so a short stored value is never read past its end.
int ReadNumber(const char* p, std::size_t len) {
    char buf[8] = {};
    if (len > sizeof buf - 1) len = sizeof buf - 1;
    std::memcpy(buf, p, len);
    return std::atoi(buf);
}

void CalendarKey(char* out, std::size_t size, int n) { std::snprintf(out, size, "Calendar%d", n); }
void EventKey(char* out, std::size_t size, int n) { std::snprintf(out, size, "CustomEvent%d", n); }

} // namespace

int ClampRange(int value, int lo, int hi) { return value < lo ? lo : value > hi ? hi : value; }
int ClampSwitch(int value) { return value < 1 ? 0 : 1; }
int ClampSSDelay(int value) { return (value < 0 || value >= 60) ? 60 : value; }

void FormatCustomEvent(const CustomEvent& ev, char* out, std::size_t size) {
    if (size == 0) return;
    char name[kNameChars + 1];
    std::snprintf(name, sizeof name, "%s", ev.name);
    std::snprintf(out, size, "%s#%.2d %.2d", name, ev.month, ev.day);
}

CustomEvent ParseCustomEvent(const char* text) {
    CustomEvent ev; // empty slot
    if (text == nullptr) return ev;
    const char* hash = std::strchr(text, '#');
    if (hash == nullptr || hash == text) return ev;

    std::size_t nameLen = static_cast<std::size_t>(hash - text);
    if (nameLen > kNameChars) nameLen = kNameChars;
    std::memcpy(ev.name, text, nameLen);
    ev.name[nameLen] = '\0';

    const char* date = hash + 1;
    std::size_t rest = std::strlen(date);
    ev.month = ReadNumber(date, rest < 2 ? rest : 2);
    // The day starts at the fourth character; the separator is skipped
    // whatever it is. A value too short to hold a day reads as day 0.
    ev.day = rest > 3 ? ReadNumber(date + 3, rest - 3) : 0;
    return ev;
}

int ParseProfileInt(const char* text, int def) {
    if (text == nullptr) return def;
    const char* p = text;
    while (*p == ' ' || *p == '\t') ++p;
    if (*p == '\0') return def;
    const bool negative = *p == '-';
    if (*p == '-' || *p == '+') ++p;
    if (*p < '0' || *p > '9') return def;
    // Accumulate toward the sign's own limit, so INT_MIN is reachable and a
    // longer number stops there instead of wrapping.
    long long v = 0;
    const long long limit = negative ? -static_cast<long long>(INT_MIN) : INT_MAX;
    for (; *p >= '0' && *p <= '9'; ++p) {
        v = v * 10 + (*p - '0');
        if (v > limit) {
            v = limit;
            break;
        }
    }
    return static_cast<int>(negative ? -v : v);
}

int ReadInt(Profile& profile, const char* section, const char* key, int def) {
    // A longer run of digits, cut to fit, still lies beyond the range and
    // saturates just the same.
    char text[kNameChars + 1];
    profile.GetString(section, key, "", text, sizeof text);
    return ParseProfileInt(text, def);
}

void WriteInt(Profile& profile, const char* section, const char* key, int value) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%d", value);
    profile.WriteString(section, key, buf);
}

bool LoadSettings(Settings& s, Profile& profile, bool withPlacement) {
    const bool firstRun = !profile.Exists();

    for (const IntKey& k : kLoadKeys)
        s.*k.field = ApplyClamp(k, ReadInt(profile, kSettingsSection, k.key, k.def));

    profile.GetString(kSettingsSection, "SSMsg", "", s.SSMsg, sizeof s.SSMsg);

    char key[32];
    for (int n = 1; n <= kCalendarCount; ++n) {
        CalendarKey(key, sizeof key, n);
        s.Calendar[n - 1] = ReadInt(profile, kSettingsSection, key, 0);
    }

    for (int n = 1; n <= kCustomEventCount; ++n) {
        char text[kEventTextSize];
        EventKey(key, sizeof key, n);
        profile.GetString(kSettingsSection, key, "", text, sizeof text);
        s.Events[n - 1] = ParseCustomEvent(text);
    }

    if (firstRun) {
        profile.WriteString(kMusicSection, "MIDI1", kFirstTune);
        profile.WriteString(kMusicSection, "NumEntries", "1");
        profile.WriteString(kMusicSection, "Current", nullptr);
    }

    if (withPlacement) {
        PlacementRect r;
        int* fields[4] = {&r.left, &r.top, &r.right, &r.bottom};
        for (int i = 0; i < 4; ++i)
            *fields[i] = ReadInt(profile, kSettingsSection, kPlacementKeys[i], 0);
        if (!r.IsEmpty()) s.EventNotify = r;
    }
    return firstRun;
}

void SaveSettings(const Settings& s, Profile& profile, bool withPlacement) {
    for (const auto& k : kSaveKeys) WriteInt(profile, kSettingsSection, k.key, s.*k.field);
    profile.WriteString(kSettingsSection, "SSMsg", s.SSMsg);

    char key[32];
    for (int n = 1; n <= kCalendarCount; ++n) {
        CalendarKey(key, sizeof key, n);
        WriteInt(profile, kSettingsSection, key, s.Calendar[n - 1]);
    }
    for (int n = 1; n <= kCustomEventCount; ++n) {
        char text[kEventTextSize];
        FormatCustomEvent(s.Events[n - 1], text, sizeof text);
        EventKey(key, sizeof key, n);
        profile.WriteString(kSettingsSection, key, text);
    }
    if (withPlacement) {
        const int values[4] = {s.EventNotify.left, s.EventNotify.top, s.EventNotify.right,
                               s.EventNotify.bottom};
        for (int i = 0; i < 4; ++i)
            WriteInt(profile, kSettingsSection, kPlacementKeys[i], values[i]);
    }
}

} // namespace festoon
