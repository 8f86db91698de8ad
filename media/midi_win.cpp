// The Win32 side of the music player: MCI command strings with the main window
// as callback window, the play list in garland.ini, and the file and path
// calls. The test build pretends to have a MIDI device, so the play list runs
// under Wine, and writes every MCI command it sends to a file beside the exe.
#include "media/midi_win.h"

#include <mmsystem.h>

#include <cstdio>
#include <cstring>

#include "app/dialogs_win.h"
#include "app/globals_win.h"
#include "media/player.h"
#include "settings/settings.h"
#include "settings/settings_win.h"

namespace {

int gMidiAvailable;

// Every file and path call of the player lives here. The folder comes in a
// form the ANSI MCI commands can use whatever characters its name holds.
int ProgramFolder(char* out, std::size_t size) { return ProgramFolderAnsi(out, size); }

int ShortPath(const char* path, char* out, std::size_t size) {
    const DWORD n = GetShortPathNameA(path, out, static_cast<DWORD>(size));
    return n != 0 && n < size;
}

// OpenFile's existence test refuses paths over 128 characters, so a long
// folder would look empty; the attributes answer for any path.
int FileExists(const char* path) {
    const DWORD attributes = GetFileAttributesA(path);
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

#ifdef FESTOON_TEST_BUILD
// One line per command: its result, the callback window and the command.
void LogCommand(const char* command, HWND callback, MCIERROR result) {
    char path[MAX_PATH];
    if (!ProgramFolder(path, sizeof path) ||
        lstrlenA(path) + lstrlenA("mci-commands.log") >= MAX_PATH)
        return;
    lstrcatA(path, "mci-commands.log");
    if (FILE* log = std::fopen(path, "a")) {
        std::fprintf(log, "%lu\t%lu\t%s\n", static_cast<unsigned long>(result),
                     static_cast<unsigned long>(reinterpret_cast<UINT_PTR>(callback)), command);
        std::fclose(log);
    }
}
#endif

class WinMusicPlatform : public festoon::MusicPlatform {
  public:
    unsigned long SendCommand(const char* command, festoon::NotifyWindow callback) override {
        char answer[256];
        HWND hwnd = static_cast<HWND>(callback);
        const MCIERROR result = mciSendStringA(command, answer, 255, hwnd);
#ifdef FESTOON_TEST_BUILD
        LogCommand(command, hwnd, result);
#endif
        return result;
    }
    void ReadMusicKey(const char* key, char* out, std::size_t size) override {
        ReadProfileText(festoon::kMusicSection, key, out, size);
    }
    void WriteMusicKey(const char* key, const char* value) override {
        WriteProfileKey(festoon::kMusicSection, key, value);
    }
    int ProgramFolder(char* out, std::size_t size) override { return ::ProgramFolder(out, size); }
    int ShortPath(const char* path, char* out, std::size_t size) override {
        return ::ShortPath(path, out, size);
    }
    int FileExists(const char* path) override { return ::FileExists(path); }
    void SendNowPlaying(const char* name) override {
        HWND dialog = gDialogs.options.hwnd;
        if (dialog) SendMessageA(dialog, WM_NOWPLAYING, 0, reinterpret_cast<LPARAM>(name));
    }
    void Inform(const char* text) override { InformationBox(text); }
};

WinMusicPlatform gPlatform;
festoon::MidiPlayer gPlayer{&gPlatform};

} // namespace

int MIDIDeviceAvailable() {
#ifdef FESTOON_TEST_BUILD
    gMidiAvailable = 1; // the pretend device: Wine here has none
#else
    gMidiAvailable = midiOutGetNumDevs() != 0 ? 1 : 0;
#endif
    return gMidiAvailable;
}

int MIDIAvailable() { return gMidiAvailable; }
int MIDIStart(HWND notify, const char* name) { return gPlayer.Start(notify, name); }
int MIDIStop() { return gPlayer.Stop(); }
void MIDIPlayNext(HWND notify) { gPlayer.PlayNext(notify); }
void MIDIOnNotify(HWND hwnd, WPARAM code) { gPlayer.OnNotify(hwnd, static_cast<unsigned>(code)); }
void MIDIReportNowPlaying() { gPlayer.ReportNowPlaying(); }
