// What festoon_driver and its hook DLL agree on: the registered message that asks the
// hooked thread to describe its popup menu, and the shared memory the answer goes to.
#pragma once

constexpr char kMenuDumpMessage[] = "FestoonDriverMenuDump";
constexpr char kMenuDumpMapping[] = "FestoonDriverMenuDump";
constexpr unsigned kMenuDumpBytes = 16384;
constexpr char kHookDll[] = "festoon_driver_hook.dll";
constexpr char kHookProc[] = "DriverCallWndProc";
