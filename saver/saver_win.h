// The activity monitor and the screen saver window.
#pragma once

#include <windows.h>

void RecordActivity();
void CheckActivity();
// 1 when the user has been idle for the configured delay.
int ScreenSaverDue();
// Covers the screen with the saver window (the options dialog's Test button
// calls it whatever the ScreenSaver setting says).
void StartScreenSaver();
// Takes the saver window away; nothing happens when none is running.
void EndScreenSaver();
// The saver window while it runs, else null.
HWND SaverWindow();
// The keyboard lights wrote these lock-key bytes: not the user's doing.
void NoteOwnKeyWrite(const BYTE keys[256]);
// "Festoon v2.21" in the bottom-left corner when SSLogo is on.
void DrawSaverLogo(HWND hwnd, HDC hdc);
