// Program-wide records of the Win32 side. Each lives for the whole run and is
// touched only by the one user-interface thread.
#pragma once

#include <windows.h>

#include "lights/bulbs.h"
#include "settings/settings_win.h"

extern HINSTANCE gInstance;
extern HWND gMainWnd;
extern HWND gDesktop; // may be null: then drawing covers the whole screen

extern HFONT gFont8;
extern HFONT gFont12;
extern HFONT gFont72Bold;

// The two dialogs that a second request only raises, and whose modal loops
// the animation timer keeps the string stepping through.
struct OpenDialog {
    int open;  // from the request until the dialog has ended
    HWND hwnd; // from WM_INITDIALOG until it ends
};
struct OpenDialogs {
    OpenDialog options;
    OpenDialog about;
};
extern OpenDialogs gDialogs;

extern festoon::LightString gLights;

extern const char kAppTitle[];  // "Festoon v2.21", every message box caption
extern const char kMainClass[]; // "festoonWClass"

// Operations of the application shell used across the program.
void CloseProgram();
void CloseSequence(HWND hwnd);
