// Helpers shared by the main window and every dialog.
#pragma once

#include <windows.h>

// Opens the about or options dialog, or brings the open one to the front.
void OpenAbout(HWND owner);
void OpenOptions(HWND owner);
void BringToFront(HWND hwnd);
// Centres a dialog on the screen.
void PlaceDialog(HWND dlg);
// A message box captioned with the program's name, for the few failures the
// user must know of.
void InformationBox(const char* text);
// Paints an n-pixel raised bevel inside the client area.
void RaisedFrame(HWND hwnd, HDC hdc, int n);
