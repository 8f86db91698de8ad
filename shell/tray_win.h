// The notification-area icon: the user's handle on a program with no
// visible window.
#pragma once

#include <windows.h>

void LoadTrayResources();
void AddTrayIcon(HWND owner);
void RemoveTrayIcon(HWND owner);
void OnTrayMouse(HWND owner, UINT iconId, UINT mouseMessage);
// Message the shell broadcasts when the taskbar is (re)created.
UINT TaskbarCreatedMessage();
