// garland.ini through the private-profile calls, for the whole program.
#pragma once

#include <cstddef>

// Load and save the program-wide settings record. Load also applies the
// calendar window's stored placement when that window exists; save records it.
void LoadSettingsFile();
void SaveSettingsFile();

// One key of any section; a null value deletes the key. Reading returns at
// most 31 characters ("" when the key is missing).
void WriteProfileKey(const char* section, const char* key, const char* value);
void ReadProfileKey(const char* section, const char* key, char* out, std::size_t size);
// One key read whole, up to size - 1 characters ("" when missing): for texts
// longer than 31 characters, such as the play list's file names.
void ReadProfileText(const char* section, const char* key, char* out, std::size_t size);
