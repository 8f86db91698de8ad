// Settings load/save against an in-memory profile: defaults, clamps, the
// custom event stored form, first-run seeding and the calendar placement.
#include <gtest/gtest.h>

#include <string>

#include "fakes.h"
#include "settings/settings.h"

using festoon::CustomEvent;
using festoon::Settings;

namespace {

const char* const kAllSettingsKeys[] = {
    "Mode",         "Color",        "Rate",         "BackColor",   "Broken",     "BurnedOut",
    "SSType",       "BulbType",     "Power",        "Music",       "WarnMusic",  "NotSoMany",
    "MissingBulbs", "ScreenSaver",  "NoFlicker",    "OnTop",       "Zoom",       "Sound",
    "StartOptions", "ChangeLights", "IdleProcess",  "WarnPower",   "KeyLights",  "SSMouseMove",
    "OwnWindow",    "SSDelay",      "SSMouseClick", "IgnoreWinSS", "ShowEvents", "SSLogo",
    "SSMsg",        "Calendar1",    "Calendar2",    "Calendar3",   "Calendar4",  "Calendar5"};

Settings LoadFrom(fake::MemoryProfile& p, bool withPlacement = false) {
    Settings s;
    // Start from values unlike the defaults so that load must set each one.
    s.Mode = s.Color = s.Rate = 77;
    festoon::LoadSettings(s, p, withPlacement);
    return s;
}

} // namespace

TEST(SettingsLoad, EmptyFileGivesDefaultsAndSeedsThePlayList) {
    fake::MemoryProfile p;
    Settings s;
    s.Mode = 0;
    s.Color = 0;
    s.Power = 0;
    s.SSDelay = 0;
    s.Events[4].month = 5;
    const bool firstRun = festoon::LoadSettings(s, p, true);

    EXPECT_TRUE(firstRun);
    EXPECT_EQ(s.Mode, 3);
    EXPECT_EQ(s.Color, 8);
    EXPECT_EQ(s.Rate, 2);
    EXPECT_EQ(s.BulbType, 0);
    EXPECT_EQ(s.Power, 1);
    EXPECT_EQ(s.NotSoMany, 1);
    EXPECT_EQ(s.SSDelay, 5);
    EXPECT_EQ(s.StartOptions, 1);
    EXPECT_EQ(s.IdleProcess, 0);
    EXPECT_EQ(s.SSLogo, 1);
    EXPECT_STREQ(s.SSMsg, "");
    for (const CustomEvent& ev : s.Events) {
        EXPECT_EQ(ev.month, -1);
        EXPECT_EQ(ev.day, -1);
        EXPECT_STREQ(ev.name, "");
    }
    EXPECT_TRUE(s.EventNotify.IsEmpty());
    EXPECT_EQ(p.Get("Music", "MIDI1"), "xmastune.mid");
    EXPECT_EQ(p.Get("Music", "NumEntries"), "1");
    EXPECT_FALSE(p.Has("Music", "Current"));
}

TEST(SettingsLoad, ExistingFileIsNotSeededAgain) {
    fake::MemoryProfile p;
    p.exists = true;
    p.values["Music/MIDI1"] = "carol.mid";
    p.values["Music/NumEntries"] = "4";
    p.values["Music/Current"] = "2";
    Settings s;
    EXPECT_FALSE(festoon::LoadSettings(s, p, false));
    EXPECT_EQ(p.Get("Music", "MIDI1"), "carol.mid");
    EXPECT_EQ(p.Get("Music", "Current"), "2");
}

struct ClampCase {
    const char* key;
    const char* stored;
    int Settings::*field;
    int expected;
};

TEST(SettingsLoad, OutOfRangeValuesAreClamped) {
    const ClampCase cases[] = {
        {"Mode", "9", &Settings::Mode, 5},
        {"Mode", "-4", &Settings::Mode, 0},
        {"Color", "-5", &Settings::Color, -1},
        {"Color", "10", &Settings::Color, 9},
        {"Rate", "12", &Settings::Rate, 4},
        {"BulbType", "40", &Settings::BulbType, 26},
        {"BulbType", "-2", &Settings::BulbType, -1},
        {"SSType", "7", &Settings::SSType, 6},
        {"Power", "7", &Settings::Power, 1},
        {"Power", "-3", &Settings::Power, 0},
        {"Music", "0", &Settings::Music, 0},
        {"SSDelay", "-1", &Settings::SSDelay, 60},
        {"SSDelay", "75", &Settings::SSDelay, 60},
        {"SSDelay", "60", &Settings::SSDelay, 60},
        {"SSDelay", "59", &Settings::SSDelay, 59},
        {"SSDelay", "0", &Settings::SSDelay, 0},
        // Not clamped on load: stored as they come.
        {"BackColor", "42", &Settings::BackColor, 42},
        {"OnTop", "5", &Settings::OnTop, 5},
        {"ShowEvents", "-7", &Settings::ShowEvents, -7},
        // Text that is no number falls back to the default.
        {"Mode", "chase", &Settings::Mode, 3},
    };
    for (const ClampCase& c : cases) {
        fake::MemoryProfile p;
        p.exists = true;
        p.values[std::string("Settings/") + c.key] = c.stored;
        Settings s = LoadFrom(p);
        EXPECT_EQ(s.*c.field, c.expected) << c.key << "=" << c.stored;
    }
}

// Numbers beyond the 32-bit range saturate toward their own sign before the
// clamps apply: a huge negative rate is the slowest, not the fastest.
TEST(SettingsLoad, NumbersOutOfRangeSaturateBeforeClamping) {
    const ClampCase cases[] = {
        {"Rate", "-2147483649", &Settings::Rate, 0},
        {"Rate", "-99999999999999999999999999999", &Settings::Rate, 0},
        {"Rate", "2147483648", &Settings::Rate, 4},
        {"Mode", "4294967299", &Settings::Mode, 5},
        {"Power", "-4294967295", &Settings::Power, 0},
        {"SSDelay", "4294967301", &Settings::SSDelay, 60},
        {"BackColor", "-2147483648", &Settings::BackColor, -2147483647 - 1},
        {"BackColor", "-2147483649", &Settings::BackColor, -2147483647 - 1},
        {"OnTop", "2147483647", &Settings::OnTop, 2147483647},
        {"OnTop", "+9999999999", &Settings::OnTop, 2147483647},
        {"ShowEvents", "  -12abc", &Settings::ShowEvents, -12},
        {"ShowEvents", "-", &Settings::ShowEvents, 0},
    };
    for (const ClampCase& c : cases) {
        fake::MemoryProfile p;
        p.exists = true;
        p.values[std::string("Settings/") + c.key] = c.stored;
        Settings s = LoadFrom(p);
        EXPECT_EQ(s.*c.field, c.expected) << c.key << "=" << c.stored;
    }
}

TEST(SettingsLoad, LongMessageIsCutTo31Characters) {
    fake::MemoryProfile p;
    p.exists = true;
    p.values["Settings/SSMsg"] = std::string(300, 'x');
    Settings s = LoadFrom(p);
    EXPECT_EQ(std::string(s.SSMsg), std::string(31, 'x'));
}

TEST(SettingsLoad, CalendarPlacementOnlyWhenWindowExistsAndNotEmpty) {
    fake::MemoryProfile p;
    p.exists = true;
    p.values["Settings/EventNotify.left"] = "10";
    p.values["Settings/EventNotify.top"] = "20";
    p.values["Settings/EventNotify.right"] = "300";
    p.values["Settings/EventNotify.bottom"] = "200";
    EXPECT_TRUE(LoadFrom(p, false).EventNotify.IsEmpty());
    Settings s = LoadFrom(p, true);
    EXPECT_EQ(s.EventNotify.left, 10);
    EXPECT_EQ(s.EventNotify.bottom, 200);

    p.values["Settings/EventNotify.right"] = "10"; // right <= left: ignored
    EXPECT_TRUE(LoadFrom(p, true).EventNotify.IsEmpty());
}

TEST(SettingsSave, WritesEveryKeyAndEmptyEventsLoadBackEmpty) {
    fake::MemoryProfile empty;
    Settings s;
    festoon::LoadSettings(s, empty, false);
    fake::MemoryProfile out;
    festoon::SaveSettings(s, out, false);

    for (const char* key : kAllSettingsKeys) EXPECT_TRUE(out.Has("Settings", key)) << key;
    for (int n = 1; n <= 10; ++n)
        EXPECT_EQ(out.Get("Settings", "CustomEvent" + std::to_string(n)), "#-01 -01");
    EXPECT_EQ(out.Get("Settings", "Mode"), "3");
    EXPECT_EQ(out.Get("Settings", "SSMsg"), "");
    EXPECT_FALSE(out.Has("Settings", "EventNotify.left")); // no calendar window

    Settings back = LoadFrom(out);
    for (const CustomEvent& ev : back.Events) EXPECT_EQ(ev.month, -1);
}

TEST(SettingsSave, ValuesRoundTrip) {
    Settings s;
    s.Mode = 1;
    s.Color = -1;
    s.BulbType = 22;
    s.BackColor = 5;
    s.SSDelay = 0;
    std::snprintf(s.SSMsg, sizeof s.SSMsg, "Happy Holidays!");
    s.Calendar[2] = 1;
    s.Events[0] = festoon::ParseCustomEvent("Birthday#03 07");
    s.EventNotify = {5, 6, 400, 300};
    fake::MemoryProfile p;
    festoon::SaveSettings(s, p, true);
    Settings back = LoadFrom(p, true);
    EXPECT_EQ(back.Mode, 1);
    EXPECT_EQ(back.Color, -1);
    EXPECT_EQ(back.BulbType, 22);
    EXPECT_EQ(back.BackColor, 5);
    EXPECT_EQ(back.SSDelay, 0);
    EXPECT_STREQ(back.SSMsg, "Happy Holidays!");
    EXPECT_EQ(back.Calendar[2], 1);
    EXPECT_EQ(back.Events[0].month, 3);
    EXPECT_STREQ(back.Events[0].name, "Birthday");
    EXPECT_EQ(back.EventNotify.right, 400);
}

// A name may use all 31 characters; its date must survive the file.
TEST(SettingsSave, LongestEventNameKeepsItsDate) {
    Settings s;
    std::string name(31, 'N');
    std::snprintf(s.Events[9].name, sizeof s.Events[9].name, "%s", name.c_str());
    s.Events[9].month = 12;
    s.Events[9].day = 31;
    fake::MemoryProfile p;
    festoon::SaveSettings(s, p, false);
    EXPECT_EQ(p.Get("Settings", "CustomEvent10"), name + "#12 31");
    Settings back = LoadFrom(p);
    EXPECT_EQ(std::string(back.Events[9].name), name);
    EXPECT_EQ(back.Events[9].month, 12);
    EXPECT_EQ(back.Events[9].day, 31);
}

struct ParseCase {
    const char* text;
    int month, day;
    const char* name;
};

TEST(CustomEventForm, Parse) {
    const ParseCase cases[] = {
        {"Birthday#03 07", 3, 7, "Birthday"},
        {"#03 07", -1, -1, ""},         // no name
        {"Birthday 03 07", -1, -1, ""}, // no '#'
        {"", -1, -1, ""},
        {"Party#12/25", 12, 25, "Party"}, // any separator
        {"a#b#03 07", 0, 3, "a"},         // name stops at the first '#'
        {"Short#1", 1, 0, "Short"},       // too short for a day: never read past the text
        {"Short#", 0, 0, "Short"},
        {"Odd#-1 -1", -1, -1, "Odd"},
        {"Spaces in name#07 04", 7, 4, "Spaces in name"},
        // A hand-edited name longer than the 31 characters kept is cut, not overflowed.
        {"Forty characters of name..............X#05 06", 5, 6, "Forty characters of name......."},
    };
    for (const ParseCase& c : cases) {
        CustomEvent ev = festoon::ParseCustomEvent(c.text);
        EXPECT_EQ(ev.month, c.month) << c.text;
        EXPECT_EQ(ev.day, c.day) << c.text;
        EXPECT_STREQ(ev.name, c.name) << c.text;
    }
    EXPECT_EQ(festoon::ParseCustomEvent(nullptr).month, -1);
}

TEST(CustomEventForm, FormatPadsAndNeverOverflows) {
    CustomEvent ev;
    char out[64];
    festoon::FormatCustomEvent(ev, out, sizeof out);
    EXPECT_STREQ(out, "#-01 -01");

    ev.month = 3;
    ev.day = 7;
    std::snprintf(ev.name, sizeof ev.name, "Birthday");
    festoon::FormatCustomEvent(ev, out, sizeof out);
    EXPECT_STREQ(out, "Birthday#03 07");

    char small[6];
    festoon::FormatCustomEvent(ev, small, sizeof small);
    EXPECT_STREQ(small, "Birth");
}
