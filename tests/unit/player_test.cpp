// The music player over a recording platform: every MCI command string, the
// play-list position, the now-playing reports and the notifications.
#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "media/player.h"

namespace {

int kMain; // its address stands for the main window
void* const kWnd = &kMain;
const std::string kDir = "C:\\Festoon\\";

// Entries 1-3 name "k.mid", all on disk. " @main" marks the callback window.
struct FakeMusic : festoon::MusicPlatform {
    std::map<std::string, std::string> keys{
        {"NumEntries", "3"}, {"MIDI1", "1.mid"}, {"MIDI2", "2.mid"}, {"MIDI3", "3.mid"}};
    std::map<std::string, std::string> files{
        {kDir + "1.mid", ""}, {kDir + "2.mid", ""}, {kDir + "3.mid", ""}}; // path -> short path
    std::string failing; // the command MCI refuses
    std::vector<std::string> sent, opens, reports;
    int entryReads = 0;
    festoon::MidiPlayer player{this};

    unsigned long SendCommand(const char* command, void* callback) override {
        sent.push_back(command + std::string(callback == kWnd ? " @main" : ""));
        if (sent.back().rfind("open", 0) == 0) opens.push_back(sent.back());
        return failing == command ? 275 : 0;
    }
    void ReadMusicKey(const char* key, char* out, std::size_t size) override {
        entryReads += std::string(key).rfind("MIDI", 0) == 0;
        std::snprintf(out, size, "%s", keys[key].c_str());
    }
    void WriteMusicKey(const char* key, const char* value) override { keys[key] = value; }
    int ProgramFolder(char* out, std::size_t size) override {
        return std::snprintf(out, size, "%s", kDir.c_str()) < static_cast<int>(size);
    }
    int ShortPath(const char* path, char* out, std::size_t size) override {
        const std::string& shortPath = files.at(path); // only asked of a file that exists
        return !shortPath.empty() && std::snprintf(out, size, "%s", shortPath.c_str()) > 0;
    }
    int FileExists(const char* path) override { return files.count(path) != 0; }
    void SendNowPlaying(const char* name) override { reports.push_back(name); }
    void Inform(const char*) override {}
};

std::string Open(int k, std::size_t alias) {
    return "open sequencer!" + kDir + std::to_string(k) + ".mid alias music" +
           std::to_string(alias) + " @main";
}

TEST(Player, PlaysTheListInOrderFromWhereItStopped) {
    struct {
        const char *numEntries, *current;
        std::vector<int> order;
    } cases[] = {
        {"3", "", {1, 2, 3, 1, 2}}, {"1", "", {1, 1, 1}},  {"0", "", {1, 1}},
        {"", "", {1, 1}},           {"3", "7", {1, 2, 3}}, {" +3", "\t2x", {3, 1}},
        {"3", "-4", {1, 2}},        {"junk", "2", {1}},    {"3", "18446744073709551617", {1}}};
    for (const auto& c : cases) {
        FakeMusic fake;
        fake.keys["NumEntries"] = c.numEntries;
        fake.keys["Current"] = c.current;
        fake.player.PlayNext(kWnd);
        for (std::size_t i = 1; i < c.order.size(); ++i) fake.player.OnNotify(kWnd, 1);
        std::vector<std::string> want;
        for (std::size_t i = 0; i < c.order.size(); ++i) want.push_back(Open(c.order[i], i + 2));
        EXPECT_EQ(fake.opens, want) << c.numEntries << "/" << c.current;
        EXPECT_EQ(fake.keys["Current"], std::to_string(c.order.back()));
    }
}

TEST(Player, StopsWithTheOpenAliasAndOnlyANaturalEndMovesOn) {
    // superseded, aborted, failure; success after a stop, and while stopping
    struct {
        unsigned code;
        bool stopFirst, closing;
    } cases[] = {{2, 0, 0}, {4, 0, 0}, {8, 0, 0}, {1, 1, 0}, {1, 0, 1}};
    for (auto c : cases) {
        FakeMusic fake;
        fake.player.PlayNext(kWnd);
        if (c.stopFirst) {
            EXPECT_EQ(1, fake.player.Stop());
            EXPECT_EQ(0, fake.player.Stop());
        }
        fake.player.bClosing = c.closing;
        fake.player.OnNotify(kWnd, c.code);
        std::vector<std::string> sent = {Open(1, 2), "play music2 from 0 notify @main",
                                         "stop music2", "close music2"},
                                 reports = {"1.mid", "<nothing>"};
        sent.resize(c.stopFirst ? 4 : 2);
        reports.resize(c.stopFirst ? 2 : 1); // a stop with nothing playing reports nothing
        EXPECT_EQ(fake.sent, sent) << c.code << c.stopFirst << c.closing;
        EXPECT_EQ(fake.reports, reports) << c.code << c.stopFirst << c.closing;
    }
}

TEST(Player, PassesOverEntriesThatCannotPlayTryingEachOnce) {
    const std::string open1 = "open sequencer!" + kDir + "1.mid alias music2";
    struct {
        const char* what;
        std::string key, value, failing;
        int played, reads;
    } cases[] = {
        {"missing", "MIDI1", "gone.mid", "", 2, 2},
        {"empty key", "MIDI1", "", "", 2, 2},
        {"cut by the read", "MIDI1", std::string(400, 'q'), "", 2, 2},
        {"open fails", "", "", open1, 2, 2},
        {"play fails", "", "", "play music2 from 0 notify", 2, 2},
        {"none plays", "MIDI2", "", "", 0, 3},
        {"junk length", "NumEntries", "99999999999", "", 1, 996}, // from 5 to 1000, then 1
    };
    for (const auto& c : cases) {
        FakeMusic fake;
        if (c.played == 0) fake.files.clear();
        fake.keys["Current"] = c.reads == 996 ? "5" : "";
        fake.keys[c.key] = c.value;
        fake.failing = c.failing;
        fake.player.PlayNext(kWnd);
        const std::string opened = fake.opens.empty() ? "" : fake.opens.back();
        EXPECT_EQ(fake.entryReads, c.reads) << c.what;
        EXPECT_EQ(opened, c.played ? Open(c.played, fake.opens.size() + 1) : "") << c.what;
        EXPECT_EQ(fake.reports.back(),
                  c.played ? fake.keys["MIDI" + std::to_string(c.played)] : "<nothing>")
            << c.what;
        EXPECT_EQ(fake.player.bPlaying, c.played != 0) << c.what;
        EXPECT_EQ(fake.sent.size() > 2 && fake.sent[2] == "close music2", c.failing[0] == 'p');
    }
}

TEST(Player, OpensLongNamesWithBlanksByTheirShortPath) {
    const std::string name = "Jingle Bells for the Whole Holiday Season.mid";
    struct {
        std::string shortPath, command;
    } cases[] = {
        {"C:\\FESTOON\\JINGLE~1.MID", "open sequencer!C:\\FESTOON\\JINGLE~1.MID alias music2"},
        {"", "open \"" + kDir + name + "\" type sequencer alias music2"}}; // no short name
    for (const auto& c : cases) {
        FakeMusic fake;
        fake.keys["MIDI1"] = name;
        fake.files[kDir + name] = c.shortPath;
        fake.player.PlayNext(kWnd);
        EXPECT_EQ(fake.opens, std::vector<std::string>{c.command + " @main"});
        EXPECT_EQ(fake.player.nowPlaying, name);
    }
}

} // namespace
