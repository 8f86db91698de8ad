// The player's state machine. Failures of MCI are not shown to the user: a
// piece that cannot be opened or played is passed over like a missing file,
// so the music goes on with the next entry instead of falling silent.
#include "media/player.h"

#include <cstdio>
#include <cstring>

namespace festoon {

const char kNothingPlaying[] = "<nothing>";

namespace {

// Far longer than any number; junk beyond it still saturates.
constexpr std::size_t kNumberChars = 64;
// Room for a whole file name: a value cut to fit here is too long to make a
// path of, so it is never taken for another file.
constexpr std::size_t kEntryChars = kPathChars;
constexpr std::size_t kCommandChars = kPathChars + 64;

void Copy(char* out, std::size_t size, const char* text) { std::snprintf(out, size, "%s", text); }

int ReadNumber(MusicPlatform& platform, const char* key) {
    char text[kNumberChars] = "";
    platform.ReadMusicKey(key, text, sizeof text);
    return ParsePlayListNumber(text);
}

void ReadEntry(MusicPlatform& platform, int n, char* name, std::size_t size) {
    char key[24];
    std::snprintf(key, sizeof key, "MIDI%d", n);
    name[0] = '\0';
    platform.ReadMusicKey(key, name, size);
}

} // namespace

int MidiPlayer::Start(NotifyWindow notify, const char* name) {
    if (bPlaying) {
        platform->Inform("MIDIStart called while still bPlaying");
        return 0;
    }
    if (bClosing) {
        platform->Inform("MIDIStart called while still bClosing");
        return 0;
    }
    char folder[kPathChars];
    char path[kPathChars];
    if (name == nullptr || name[0] == '\0') return 0;
    if (!platform->ProgramFolder(folder, sizeof folder)) return 0;
    if (!JoinProgramPath(folder, name, path, sizeof path)) return 0;
    if (!platform->FileExists(path)) return 0;
    // The short form keeps blanks out of the command string.
    char shortPath[kPathChars];
    if (!platform->ShortPath(path, shortPath, sizeof shortPath))
        Copy(shortPath, sizeof shortPath, path);

    char alias[24];
    char command[kCommandChars];
    std::snprintf(alias, sizeof alias, "music%d", ++aliasCounter);
    if (!FormatOpenCommand(shortPath, alias, command, sizeof command)) return 0;
    if (platform->SendCommand(command, notify) != 0) return 0;
    std::snprintf(command, sizeof command, "play %s from 0 notify", alias);
    if (platform->SendCommand(command, notify) != 0) {
        std::snprintf(command, sizeof command, "close %s", alias);
        platform->SendCommand(command, nullptr);
        return 0;
    }
    bPlaying = 1;
    Copy(nowPlaying, sizeof nowPlaying, name);
    return 1;
}

int MidiPlayer::Stop() {
    if (!bPlaying) return 0;
    bClosing = 1;
    char command[40];
    std::snprintf(command, sizeof command, "stop music%d", aliasCounter);
    platform->SendCommand(command, nullptr);
    std::snprintf(command, sizeof command, "close music%d", aliasCounter);
    platform->SendCommand(command, nullptr);
    bClosing = 0;
    bPlaying = 0;
    Copy(nowPlaying, sizeof nowPlaying, kNothingPlaying);
    ReportNowPlaying();
    return 1;
}

void MidiPlayer::PlayNext(NotifyWindow notify) {
    const int count = PlayListLength(ReadNumber(*platform, "NumEntries"));
    Stop();
    int last = ReadNumber(*platform, "Current");
    // Each entry at most once, so a list of missing files ends quietly.
    const int tries = count > 0 ? count : 1;
    int started = 0;
    char name[kEntryChars];
    for (int i = 0; i < tries && !started; ++i) {
        last = NextPlayListEntry(last, count);
        ReadEntry(*platform, last, name, sizeof name);
        started = Start(notify, name);
    }
    char text[16];
    std::snprintf(text, sizeof text, "%d", last);
    platform->WriteMusicKey("Current", text);
    if (!started) Copy(nowPlaying, sizeof nowPlaying, kNothingPlaying);
    ReportNowPlaying();
}

void MidiPlayer::OnNotify(NotifyWindow window, unsigned code) {
    // Only the natural end of the piece that is playing moves the list on: a
    // stopped, superseded or failed piece, or one that ended just before a
    // stop, does not.
    if (code == kNotifySuccessful && bPlaying && !bClosing) PlayNext(window);
}

// Until a piece has been tried the dialog keeps its own "Playing:" line.
void MidiPlayer::ReportNowPlaying() {
    if (nowPlaying[0] != '\0') platform->SendNowPlaying(nowPlaying);
}

} // namespace festoon
