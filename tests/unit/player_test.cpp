// The music player over a recording platform: every MCI command string, the
// play-list position, the now-playing reports and the notifications.
#include <gtest/gtest.h>

#include <climits>
#include <cstdio>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "media/player.h"

namespace {

using festoon::MidiPlayer;

int kMain; // its address stands for the main window
void* const kWnd = &kMain;

struct FakeMusic : festoon::MusicPlatform {
    std::map<std::string, std::string> keys, shortNames;
    std::map<std::string, unsigned long> failing; // command -> MCI error
    std::set<std::string> files;
    std::vector<std::string> sent, reports, informed;
    int existsCalls = 0, entryReads = 0;

    unsigned long SendCommand(const char* command, void* callback) override {
        sent.push_back(std::string(command) + (callback == kWnd ? " @main"
                                               : callback       ? " @?"
                                                                : ""));
        return failing.count(command) ? failing[command] : 0;
    }
    void ReadMusicKey(const char* key, char* out, std::size_t size) override {
        if (std::string(key).rfind("MIDI", 0) == 0) ++entryReads;
        std::snprintf(out, size, "%s", keys.count(key) ? keys[key].c_str() : "");
    }
    void WriteMusicKey(const char* key, const char* value) override {
        if (value)
            keys[key] = value;
        else
            keys.erase(key);
    }
    int ProgramFolder(char* out, std::size_t size) override {
        return std::snprintf(out, size, "C:\\Festoon\\") < static_cast<int>(size);
    }
    int ShortPath(const char* path, char* out, std::size_t size) override {
        if (!shortNames.count(path)) return 0;
        std::snprintf(out, size, "%s", shortNames[path].c_str());
        return 1;
    }
    int FileExists(const char* path) override { return ++existsCalls, files.count(path) != 0; }
    void SendNowPlaying(const char* name) override { reports.push_back(name); }
    void Inform(const char* text) override { informed.push_back(text); }

    // An entry k naming "k.mid", present on disk unless listed as missing.
    void List(int n, std::set<int> missing = {}) {
        for (int k = 1; k <= n; ++k) {
            keys["MIDI" + std::to_string(k)] = std::to_string(k) + ".mid";
            if (!missing.count(k)) files.insert("C:\\Festoon\\" + std::to_string(k) + ".mid");
        }
    }
    std::vector<std::string> Opens() const {
        std::vector<std::string> opens;
        for (const auto& c : sent)
            if (c.rfind("open ", 0) == 0) opens.push_back(c);
        return opens;
    }
};

std::string Open(int k, int alias) {
    return "open sequencer!C:\\Festoon\\" + std::to_string(k) + ".mid alias music" +
           std::to_string(alias) + " @main";
}

TEST(PlayListRules, NextEntry) {
    struct {
        int last, count, next;
    } cases[] = {
        {0, 3, 1}, {1, 3, 2}, {2, 3, 3},  {3, 3, 1},       {7, 3, 1},       {1, 1, 1},
        {0, 0, 1}, {5, 0, 1}, {-4, 3, 1}, {INT_MAX, 3, 1}, {INT_MIN, 3, 1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(festoon::NextPlayListEntry(c.last, c.count), c.next) << c.last << "/" << c.count;
}

TEST(PlayListRules, Numbers) {
    struct {
        const char* text;
        int value;
    } cases[] = {
        {"", 0},
        {"3", 3},
        {"  12", 12},
        {"\t-2", -2},
        {"+4", 4},
        {"7abc", 7},
        {"abc", 0},
        {"- 3", 0},
        {"18446744073709551617", INT_MAX},
        {"-99999999999", INT_MIN},
    };
    for (const auto& c : cases) EXPECT_EQ(festoon::ParsePlayListNumber(c.text), c.value) << c.text;
}

TEST(Player, PlaysTheListInOrderFromWhereItStopped) {
    struct {
        const char* numEntries;
        const char* current;
        std::vector<int> order;
    } cases[] = {
        {"3", nullptr, {1, 2, 3, 1, 2}},
        {"1", nullptr, {1, 1, 1}},
        {"0", nullptr, {1, 1}},
        {nullptr, nullptr, {1, 1}},
        {"3", "7", {1, 2, 3}},
        {"3", "2", {3, 1}},
        {"3", "-4", {1, 2}},
        {"junk", "2", {1, 1}},
    };
    for (const auto& c : cases) {
        FakeMusic fake;
        fake.List(3);
        if (c.numEntries) fake.keys["NumEntries"] = c.numEntries;
        if (c.current) fake.keys["Current"] = c.current;
        MidiPlayer player{&fake};
        player.PlayNext(kWnd);
        for (std::size_t i = 1; i < c.order.size(); ++i) player.OnNotify(kWnd, 1);
        std::vector<std::string> want;
        for (std::size_t i = 0; i < c.order.size(); ++i) want.push_back(Open(c.order[i], i + 2));
        EXPECT_EQ(fake.Opens(), want) << c.numEntries << "/" << c.current;
        EXPECT_EQ(fake.keys["Current"], std::to_string(c.order.back()));
    }
}

TEST(Player, StartStopAndNextSendTheirCommandsWordForWord) {
    FakeMusic fake;
    fake.List(2);
    fake.keys["NumEntries"] = "2";
    MidiPlayer player{&fake};
    player.PlayNext(kWnd);
    player.OnNotify(kWnd, 1);
    EXPECT_EQ(1, player.Stop());
    EXPECT_EQ(0, player.Stop()); // nothing plays: no command, no report
    std::vector<std::string> want = {
        Open(1, 2), "play music2 from 0 notify @main", "stop music2", "close music2",
        Open(2, 3), "play music3 from 0 notify @main", "stop music3", "close music3"};
    EXPECT_EQ(fake.sent, want);
    EXPECT_EQ(fake.reports, (std::vector<std::string>{"1.mid", "<nothing>", "2.mid", "<nothing>"}));
}

TEST(Player, OnlyTheNaturalEndOfThePlayingPieceMovesOn) {
    struct {
        unsigned code;
        bool stopFirst, closing;
    } cases[] = {
        {2, false, false}, {4, false, false}, {8, false, false}, // superseded, aborted, failure
        {1, true, false},  {1, false, true},
    };
    for (const auto& c : cases) {
        FakeMusic fake;
        fake.List(2);
        MidiPlayer player{&fake};
        player.PlayNext(kWnd);
        if (c.stopFirst) player.Stop();
        player.bClosing = c.closing;
        const auto before = fake.sent;
        player.OnNotify(kWnd, c.code);
        EXPECT_EQ(fake.sent, before) << c.code << c.stopFirst << c.closing;
        EXPECT_EQ(fake.keys["Current"], "1");
    }
}

TEST(Player, PassesOverEntriesThatCannotPlayTryingEachOnce) {
    const std::string open1 = "open sequencer!C:\\Festoon\\1.mid alias music2";
    struct {
        const char* what;
        std::set<int> missing;
        std::string failing;
        int played;
    } cases[] = {
        {"missing", {1}, "", 2},
        {"empty key", {}, "empty", 2},
        {"too long", {}, "long", 2},
        {"open fails", {}, open1, 2},
        {"play fails", {}, "play music2 from 0 notify", 2},
        {"none plays", {1, 2, 3}, "", 0},
    };
    for (const auto& c : cases) {
        FakeMusic fake;
        fake.List(3, c.missing);
        fake.keys["NumEntries"] = "3";
        if (c.failing == "empty")
            fake.keys["MIDI1"] = "";
        else if (c.failing == "long")
            fake.keys["MIDI1"] = std::string(400, 'q') + ".mid";
        else if (!c.failing.empty())
            fake.failing[c.failing] = 275;
        MidiPlayer player{&fake};
        player.PlayNext(kWnd);
        EXPECT_EQ(player.bPlaying, c.played != 0) << c.what;
        EXPECT_EQ(fake.keys["Current"], std::to_string(c.played ? c.played : 3)) << c.what;
        EXPECT_EQ(fake.reports.back(), c.played ? "2.mid" : "<nothing>") << c.what;
        EXPECT_LE(fake.entryReads, 3) << c.what;
        if (c.failing.rfind("play", 0) == 0) {
            EXPECT_EQ(fake.sent[2], "close music2") << c.what;
        }
        const auto opens = fake.Opens();
        if (c.played) EXPECT_EQ(opens.empty() ? "" : opens.back(), Open(2, opens.size() + 1));
    }
}

TEST(Player, JunkListLengthBoundsTheSearch) {
    FakeMusic fake;
    fake.keys["NumEntries"] = "2147483647";
    fake.keys["Current"] = "5";
    MidiPlayer player{&fake};
    player.PlayNext(kWnd);
    EXPECT_EQ(fake.entryReads, festoon::kMaxPlayListEntries);
    EXPECT_TRUE(fake.sent.empty());
}

TEST(Player, OpensLongNamesWithBlanksByTheirShortPath) {
    const std::string name = "Jingle Bells for the Whole Holiday Season.mid";
    struct {
        bool hasShort;
        std::string command;
    } cases[] = {
        {true, "open sequencer!C:\\FESTOON\\JINGLE~1.MID alias music2 @main"},
        {false, "open \"C:\\Festoon\\" + name + "\" type sequencer alias music2 @main"},
    };
    for (const auto& c : cases) {
        FakeMusic fake;
        fake.keys["MIDI1"] = name;
        fake.files.insert("C:\\Festoon\\" + name);
        if (c.hasShort) fake.shortNames["C:\\Festoon\\" + name] = "C:\\FESTOON\\JINGLE~1.MID";
        MidiPlayer player{&fake};
        player.PlayNext(kWnd);
        ASSERT_EQ(fake.Opens().size(), 1u);
        EXPECT_EQ(fake.Opens()[0], c.command);
        EXPECT_EQ(std::string(player.nowPlaying), name);
    }
}

TEST(Player, StartWhilePlayingOrClosingIsRefused) {
    FakeMusic fake;
    fake.List(1);
    MidiPlayer player{&fake};
    EXPECT_EQ(1, player.Start(kWnd, "1.mid"));
    EXPECT_EQ(0, player.Start(kWnd, "1.mid"));
    player.bPlaying = 0;
    player.bClosing = 1;
    EXPECT_EQ(0, player.Start(kWnd, "1.mid"));
    EXPECT_EQ(fake.informed, (std::vector<std::string>{"MIDIStart called while still bPlaying",
                                                       "MIDIStart called while still bClosing"}));
    EXPECT_EQ(fake.Opens().size(), 1u);
}

} // namespace
