// garland.ini through the private-profile calls, for the whole program, and
// the paths of the files in the program's folder.
#pragma once

#include <cstddef>

#include "settings/settings.h"

// The program-wide settings record.
extern festoon::Settings gSettings;

// The window whose rectangle the file remembers (the calendar window). Load
// and save reach it only through these, and only while it exists.
struct PlacementKeeper {
    int (*exists)();
    void (*remember)(const festoon::PlacementRect& r); // restore a loaded rectangle
    void (*recall)(festoon::PlacementRect* r);         // the rectangle to save
};
void SetPlacementKeeper(const PlacementKeeper* keeper);

// Load and save the program-wide settings record. Load also hands the stored
// placement to the keeper when its window exists; save asks it first.
void LoadSettingsFile();
void SaveSettingsFile();

// The path of a file in the program's own folder (garland.ini, the MIDI
// files), as wide characters so that a folder named in any script works.
// Returns 1, or 0 with out empty when the path would reach the system's path
// limit (MAX_PATH) or not fit in size characters.
int ProgramFilePath(const wchar_t* name, wchar_t* out, std::size_t size);
// The program's folder, ending in a backslash, as a path the ANSI calls (MCI,
// the directory list) can use: the long form when the code page can spell it,
// else its short form. 0 when neither fits in size or can be spelt.
int ProgramFolderAnsi(char* out, std::size_t size);

// One key of any section; a null value deletes the key. Reading returns at
// most 31 characters ("" when the key is missing).
void WriteProfileKey(const char* section, const char* key, const char* value);
void ReadProfileKey(const char* section, const char* key, char* out, std::size_t size);
// The same read without the 31-character cut, for values such as file names:
// at most size - 1 characters ("" when the key is missing).
void ReadProfileText(const char* section, const char* key, char* out, std::size_t size);
