// The program-wide settings record and its mapping onto garland.ini.
// Everything here is platform-free: the profile file is reached through the
// small Profile interface, so the load/save order, defaults and clamps can be
// tested against an in-memory profile.
#pragma once

#include <cstddef>

namespace festoon {

constexpr int kCustomEventCount = 10;
constexpr int kCalendarCount = 5;
constexpr int kNameChars = 31; // longest name or message text kept

struct CustomEvent {
    int month = -1; // 1-12, -1 for an empty slot
    int day = -1;   // 1-31, -1 for an empty slot
    char name[kNameChars + 1] = {};
};

struct PlacementRect {
    int left = 0, top = 0, right = 0, bottom = 0;
    bool IsEmpty() const { return right <= left || bottom <= top; }
};

// One field per key of section "Settings", named after the key.
struct Settings {
    int Mode = 3;
    int Color = 8;
    int Rate = 2;
    int BackColor = 0;
    int Broken = 0;
    int BurnedOut = 0;
    int SSType = 0;
    int BulbType = 0;
    int Power = 1;
    int Music = 1;
    int WarnMusic = 1;
    int NotSoMany = 1;
    int MissingBulbs = 0;
    int ScreenSaver = 0;
    int NoFlicker = 0;
    int OnTop = 0;
    int Zoom = 1;
    int Sound = 1;
    int StartOptions = 1;
    int ChangeLights = 1;
    int IdleProcess = 0;
    int WarnPower = 1;
    int KeyLights = 0;
    int SSMouseMove = 1;
    int OwnWindow = 0;
    int SSDelay = 5;
    int SSMouseClick = 1;
    int IgnoreWinSS = 1;
    int ShowEvents = 0;
    int SSLogo = 1;
    char SSMsg[kNameChars + 1] = {};
    int Calendar[kCalendarCount] = {};
    CustomEvent Events[kCustomEventCount];
    PlacementRect EventNotify; // calendar window's normal position
};

// The profile file as the settings code sees it. The Win32 side implements it
// with the private-profile calls on garland.ini; tests use a map.
class Profile {
  public:
    virtual ~Profile() = default;
    virtual int GetInt(const char* section, const char* key, int def) = 0;
    // Copies at most size - 1 characters and always terminates.
    virtual void GetString(const char* section, const char* key, const char* def, char* out,
                           std::size_t size) = 0;
    // A null value deletes the key.
    virtual void WriteString(const char* section, const char* key, const char* value) = 0;
    virtual bool Exists() = 0;
};

extern const char kSettingsSection[]; // "Settings"
extern const char kMusicSection[];    // "Music"
extern const char kFirstTune[];       // the tune a first run puts on the play list

// Load clamps; each returns the value the record keeps.
int ClampRange(int value, int lo, int hi);
int ClampSwitch(int value);  // below 1 -> 0, otherwise 1
int ClampSSDelay(int value); // negative or 60 and more -> 60

// Stored form of a custom event: "name#MM DD" ("#-01 -01" for an empty slot).
// FormatCustomEvent always terminates and never writes past size.
void FormatCustomEvent(const CustomEvent& ev, char* out, std::size_t size);
CustomEvent ParseCustomEvent(const char* text);

// Fills the record from the profile. withPlacement tells whether the calendar
// window exists, so that its stored rectangle should be read.
// Returns true when this was a first run (the file did not exist).
bool LoadSettings(Settings& s, Profile& profile, bool withPlacement);
void SaveSettings(const Settings& s, Profile& profile, bool withPlacement);

void WriteInt(Profile& profile, const char* section, const char* key, int value);

// A stored number: blanks, an optional sign, decimal digits up to the first
// other character; text without digits gives def. A number beyond the 32-bit
// range saturates toward its own sign (the private-profile calls wrap it
// around, which made a huge negative rate the fastest one).
int ParseProfileInt(const char* text, int def);
// Reads one number of the profile through ParseProfileInt.
int ReadInt(Profile& profile, const char* section, const char* key, int def);

} // namespace festoon
