// The options dialog's music list: the MIDI files beside the program, the
// play list of garland.ini shown as their selection, and the play list
// written back from it.
#pragma once

#include <windows.h>

// Fills the list with the "*.mid" files of the program's folder (normal and
// read-only files); returns the number of items.
int FillMusicList(HWND dlg, int listId);
// Selects the files the play list names (whole names, without regard to
// case) and scrolls the first selected one to the top.
void SelectPlayList(HWND dlg, int listId);
// Writes the selected files as MIDI1 ... MIDIn and NumEntries = n to section
// "Music"; returns n.
int WritePlayList(HWND dlg, int listId);
