// The background music player: opens one piece at a time through MCI command
// strings, moves along the play list when a piece ends, and reports the piece
// now playing. The platform is reached only through MusicPlatform, so tests
// can record every command and feed back the end-of-piece notifications.
#pragma once

#include <cstddef>

#include "media/playlist.h"

namespace festoon {

// The window that MCI notifies when a piece ends (an HWND on Windows).
using NotifyWindow = void*;

constexpr unsigned kNotifySuccessful = 1; // MCI_NOTIFY_SUCCESSFUL
extern const char kNothingPlaying[];      // "<nothing>"

class MusicPlatform {
  public:
    virtual ~MusicPlatform() = default;
    // One MCI command string; callback is null for none. Returns MCI's error
    // code, 0 on success.
    virtual unsigned long SendCommand(const char* command, NotifyWindow callback) = 0;
    // Keys of section "Music"; a missing key reads as "", a null value deletes.
    virtual void ReadMusicKey(const char* key, char* out, std::size_t size) = 0;
    virtual void WriteMusicKey(const char* key, const char* value) = 0;
    // The program's folder with its trailing backslash; 0 when unknown.
    virtual int ProgramFolder(char* out, std::size_t size) = 0;
    // 0 when the system has no short form that fits.
    virtual int ShortPath(const char* path, char* out, std::size_t size) = 0;
    virtual int FileExists(const char* path) = 0;
    // Hands the name to the options dialog while it is open.
    virtual void SendNowPlaying(const char* name) = 0;
    // The information box for the player's own internal errors.
    virtual void Inform(const char* text) = 0;
};

struct MidiPlayer {
    MusicPlatform* platform = nullptr;
    int bPlaying = 0;     // a piece is open and was told to play
    int bClosing = 0;     // only while Stop sends its commands
    int aliasCounter = 1; // raised before each open: the first piece is music2
    char nowPlaying[kPathChars] = "";

    // Opens and plays one file of the program's folder; 1 when it plays.
    int Start(NotifyWindow notify, const char* name);
    // Stops and closes the open piece; 0 when nothing was playing.
    int Stop();
    // Stops the open piece and starts the next playable entry of the list.
    void PlayNext(NotifyWindow notify);
    // The end-of-piece notification with its code (the message's wParam).
    void OnNotify(NotifyWindow window, unsigned code);
    void ReportNowPlaying();
};

} // namespace festoon
